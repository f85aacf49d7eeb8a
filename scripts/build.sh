#!/usr/bin/env bash
# Installs what is missing and builds the program, its tests and benchmarks in
# build/. Arguments are passed on to cmake's configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$root/build" -j"$(nproc)"
