#!/usr/bin/env bash
# Varnelle installed as a desktop program. Installs the build in $1 into a
# DESTDIR and checks the installed files, the desktop entry and the AppStream
# metadata; starts the installed program in an empty folder, where it creates
# its book and writes a comma-separated report through the installed report
# definitions. With --package and as root, also builds the Debian package with cpack, installs it
# with apt, starts /usr/bin/varnelle and removes the package again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
build="$(cd "${1:?the build folder}" && pwd)"
work="$(mktemp -d)"
log="$work/varnelle.log"
tag=install
installed_deb=""
on_exit() {
  if [ -n "$installed_deb" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 purge -y -qq varnelle > /dev/null 2>&1 || true
  fi
}
# shellcheck source=tests/system/session/desktop.sh
source "$root/tests/system/session/desktop.sh"

# cmake --install into a DESTDIR.
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr > "$work/install.log" || fail "cmake --install failed"
id=org.varnelle.Varnelle
expected=(
  usr/bin/varnelle
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/man/man1/varnelle.1.gz
  "usr/share/gnome-shell/search-providers/$id.search-provider.ini"
  "usr/share/krunner/dbusplugins/$id.desktop"
  "usr/share/dbus-1/services/$id.SearchProvider.service"
)
for size in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
for rpt in Address bAddress Personal Business Detail bDetail; do expected+=("usr/share/varnelle/reports/$rpt.rpt"); done
for f in "${expected[@]}"; do [ -s "$stage/$f" ] || fail "not installed: $f"; done
for size in 16 48 256; do
  file "$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
    fail "the ${size}x$size icon has another size"
done
grep -qx "Exec=varnelle --desktop %F" "$stage/usr/share/applications/$id.desktop" || fail "the desktop entry does not start 'varnelle --desktop %F'"
grep -qx "MimeType=text/vcard;text/x-vcard;text/directory;text/csv;" "$stage/usr/share/applications/$id.desktop" ||
  fail "the desktop entry does not open vCard and CSV files"
desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop-file-validate refused the desktop entry"
grep -qx "Exec=/usr/bin/varnelle --desktop --search-provider" "$stage/usr/share/dbus-1/services/$id.SearchProvider.service" ||
  fail "the D-Bus service does not start the installed program's search provider"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli refused the metainfo"; }
zcat "$stage/usr/share/man/man1/varnelle.1.gz" | man -l - > /dev/null 2>&1 || fail "the man page does not format"
echo "install: ${#expected[@]} files installed; desktop entry and AppStream metadata valid"

# The installed program in an empty folder: its book, and a report through
# the installed definitions (none lie in the folder or beside the program).
start_desktop
mkdir "$work/book"
cd "$work/book"
"$stage/usr/bin/varnelle" > "$log" 2>&1 &
app=$!
main="$(window "Varnelle For Windows" 100)"
[[ "$(xprop -id "$main" _NET_WM_ICON)" == *"Icon (16 x 16)"* ]] || fail "the main window has no icon of 16 x 16"
report_to_csv contacts.csv
exit_app
left="$(find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')"
[ "$left" = "Address.mdb contacts.csv " ] || fail "the folder holds: $left"
[ "$(sqlite3 Address.mdb 'SELECT count(*) FROM Setup')" = 1 ] || fail "the new book has no settings row"
head -n 1 contacts.csv | grep -q "," || fail "the report has no heading row"
echo "install: the installed program made its book and a comma-separated report in an empty folder"

# The Debian package: built, installed with apt, started, removed; only when
# asked for with --package, since it installs into the system.
if [ "${2:-}" != "--package" ]; then
  echo "install: 1 passed, 0 failed"
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "install: not root, the Debian package is not installed"
  exit 0
fi
if dpkg-query -W -f='${Status}' varnelle 2> /dev/null | grep -q "install ok installed"; then
  echo "install: a varnelle package is installed already and is left alone; the package is not tried"
  exit 0
fi
cd "$work"
cpack -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb="$(ls "$work"/deb/varnelle_*.deb)"
[[ "$(dpkg-deb -c "$deb")" == *./usr/share/varnelle/reports/Address.rpt* ]] || fail "the package lacks the report definitions"
[[ "$(dpkg-deb -c "$deb")" == *"./usr/share/dbus-1/services/$id.SearchProvider.service"* ]] ||
  fail "the package lacks the desktop search's D-Bus service"
[[ "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/dbus-1/services/$id.SearchProvider.service")" == *"Exec=/usr/bin/varnelle --desktop --search-provider"* ]] ||
  fail "the package's D-Bus service does not start /usr/bin/varnelle"
installed_deb=yes
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq "$deb" > "$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get install $deb failed"; }
[ -x /usr/bin/varnelle ] || fail "/usr/bin/varnelle is missing after the package was installed"
# Started as the desktop entry starts it: the book goes to the user's data folder.
mkdir -p "$work/home" "$work/fromdeb"
cd "$work/fromdeb"
HOME="$work/home" XDG_DATA_HOME="" /usr/bin/varnelle --desktop > "$log" 2>&1 &
app=$!
window "Varnelle For Windows" 100 > /dev/null
exit_app
[ -f "$work/home/.local/share/Varnelle/Address.mdb" ] || fail "the packaged program made no book in the user's data folder"
[ -z "$(ls -A "$work/fromdeb")" ] || fail "the packaged program started with --desktop wrote into the current folder"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 purge -y -qq varnelle > "$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get purge varnelle failed"; }
installed_deb=""
for f in /usr/bin/varnelle /usr/share/varnelle "/usr/share/applications/$id.desktop"; do
  [ ! -e "$f" ] || fail "$f stays behind after the package was removed"
done
echo "install: $(basename "$deb") installed with apt, started, and removed cleanly"
echo "install: 1 passed, 0 failed"
