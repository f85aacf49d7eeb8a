#!/usr/bin/env bash
# Installs what is missing, builds, and starts Varnelle. The address book,
# Address.mdb, lives in the folder this is started from.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" >&2
exec "$root/build/varnelle"
