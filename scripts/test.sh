#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test
# headless. Arguments are passed on to cmake's configure step (CI adds
# -DVARNELLE_PACKAGE_TEST=ON to try the Debian package as well).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" -DVARNELLE_WERROR=ON -DBUILD_TESTING=ON "$@"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
