#!/usr/bin/env bash
# Runs the sync test that needs a desktop keyring: inside a D-Bus session of
# its own (dbus-run-session), with gnome-keyring's Secret Service unlocked
# headless in a temporary home, so that no keyring of the user's is touched.
# Usage: dbus-run-session -- keyring.sh TST_SYNC
set -euo pipefail
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config"
# The login keyring is made, and unlocked, with the password read from standard input.
eval "$(echo "keyring-of-the-test" | gnome-keyring-daemon --unlock --components=secrets | sed 's/^/export /')"
VARNELLE_TEST_KEYRING=1 "$1" keyringHoldsThePassword passwordInTheAddress
