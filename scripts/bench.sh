#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks (headless).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" > /dev/null
export QT_QPA_PLATFORM=offscreen
for bench in "$root"/build/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench"
done
