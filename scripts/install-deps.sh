#!/usr/bin/env bash
# Installs, with apt, whatever the build, the program and its tests need and
# this machine does not have yet.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev libqt6sql6-sqlite libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core fonts-liberation2
  sqlite3 libsqlite3-dev libicu-dev
  poppler-utils
  radicale xandikos qtkeychain-qt6-dev python3-vobject gnome-keyring libsecret-tools dbus
  xvfb xauth xdotool
  openbox x11-utils librsvg2-bin desktop-file-utils appstream man-db file
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
