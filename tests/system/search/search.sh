#!/usr/bin/env bash
# The desktop's search on a session bus of its own: the bus starts the search
# provider from a service file (D-Bus activation), gdbus asks it as GNOME
# Shell and KRunner ask, on a book of known contacts, and a result activated
# opens the window on the contact's editor on a real display (Xvfb, openbox).
# Then a file opened with the program, and a second start on the same book.
# SESSION_SHOTS=folder keeps screenshots of the editor and the import there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
program="${1:?the program}"
work="$(mktemp -d)"
log="$work/varnelle.log"
tag=search
bus_pid=""
provider=""
on_exit() {
  [ -n "$provider" ] && kill "$provider" 2> /dev/null || true
  [ -n "$bus_pid" ] && kill "$bus_pid" 2> /dev/null || true
}
# shellcheck source=tests/system/session/desktop.sh
source "$root/tests/system/session/desktop.sh"

export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/services"
chmod 700 "$XDG_RUNTIME_DIR"
cat > "$work/known.vcf" << 'CARDS'
BEGIN:VCARD
VERSION:3.0
N:Doe;Jane;;;
ORG:Acme
TEL;TYPE=WORK:555-0100
EMAIL:jane@acme.example
END:VCARD
BEGIN:VCARD
VERSION:3.0
N:Roe;Bob;;;
ORG:Acme
END:VCARD
BEGIN:VCARD
VERSION:3.0
N:Lee;Ann;;;
TEL;TYPE=HOME:555-0199
END:VCARD
CARDS
"$program" --desktop --import "$work/known.vcf" > "$log" 2>&1 || fail "the known contacts were not imported"

start_desktop
# The bus, with the provider's service as the package installs it, but naming this build.
printf '[D-BUS Service]\nName=org.varnelle.Varnelle.SearchProvider\nExec=%s --desktop --search-provider\n' \
  "$program" > "$work/services/org.varnelle.Varnelle.SearchProvider.service"
cat > "$work/bus.conf" << CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <servicedir>$work/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
exec 5< <(dbus-daemon --config-file="$work/bus.conf" --print-address=1 --print-pid=1 --nofork 2>> "$log")
read -r DBUS_SESSION_BUS_ADDRESS <&5
read -r bus_pid <&5
export DBUS_SESSION_BUS_ADDRESS

call() { # interface.method, arguments...
  gdbus call --session --dest org.varnelle.Varnelle.SearchProvider \
    --object-path /org/varnelle/Varnelle/SearchProvider --method "$@" 2>&1
}
expect() { # what, answer, fragment...
  local what="$1" answer="$2"
  shift 2
  for fragment in "$@"; do
    [[ "$answer" == *"$fragment"* ]] || fail "$what: '$fragment' not in: $answer"
  done
}
gnome=org.gnome.Shell.SearchProvider2
krunner=org.kde.krunner1

expect "GNOME, company" "$(call $gnome.GetInitialResultSet "['acme']")" "(['1', '2'],)"
expect "GNOME, two words" "$(call $gnome.GetInitialResultSet "['acme', 'jane']")" "(['1'],)"
expect "GNOME, digits" "$(call $gnome.GetSubsearchResultSet "['3']" "['0199']")" "(['3'],)"
expect "GNOME, nothing" "$(call $gnome.GetInitialResultSet "['zzz']")" "(@as [],)"
expect "GNOME, metas" "$(call $gnome.GetResultMetas "['1', '3']")" \
  "'id': <'1'>" "'name': <'Doe, Jane'>" "'description': <'Acme · 555-0100 · jane@acme.example'>" \
  "'id': <'3'>" "'name': <'Lee, Ann'>" "'description': <'555-0199'>"
expect "KRunner" "$(call $krunner.Match "ann")" \
  "('3', 'Lee, Ann', 'org.varnelle.Varnelle', 30, 1.0, {'subtext': <'555-0199'>})"
expect "KRunner's actions" "$(call $krunner.Actions)" "('copy-email', 'Copy E-Mail Address', 'edit-copy')" \
  "('copy-number', 'Copy Number', 'edit-copy')"
echo "search: GNOME Shell's and KRunner's questions answered from the book"
provider="$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
  --method org.freedesktop.DBus.GetConnectionUnixProcessID org.varnelle.Varnelle.SearchProvider |
  sed 's/.* \([0-9]*\),)$/\1/')"

# A contact added while the provider runs is found at the next question.
printf 'BEGIN:VCARD\nVERSION:3.0\nN:Zed;Zoe;;;\nEND:VCARD\n' > "$work/more.vcf"
"$program" --desktop --import "$work/more.vcf" >> "$log" 2>&1 || fail "the contact was not added"
expect "after a change" "$(call $gnome.GetInitialResultSet "['zoe']")" "(['4'],)"
echo "search: a change of the book is seen"

# A result activated: the window on the contact's editor.
call $gnome.ActivateResult "1" "['acme']" 0 > /dev/null
editor="$(window "Edit Address" 150)"
app="$(xdotool getwindowpid "$editor")"
[ "$(tr '\0' ' ' < "/proc/$app/cmdline")" = "$program --desktop --edit-contact 1 " ] ||
  fail "the window was started as: $(tr '\0' ' ' < "/proc/$app/cmdline")"
shot result-opens-the-editor
echo "search: a result activated opens the window on the contact's editor"
kill "$app"
app=""

# A file opened with the program: the window's import of it; a second start
# on the same book hands its file over and ends with 0.
printf 'BEGIN:VCARD\nVERSION:3.0\nN:Fox;Fay;;;\nEND:VCARD\n' > "$work/fox.vcf"
"$program" --desktop "$work/fox.vcf" >> "$log" 2>&1 &
app=$!
dialogs() { xdotool search --onlyvisible --pid "$app" 2> /dev/null | wc -l; }
for _ in $(seq 100); do [ "$(dialogs)" -ge 2 ] && break; sleep 0.1; done
[ "$(dialogs)" -ge 2 ] || fail "no import dialog over the window"
shot file-opens-the-import
timeout 30 "$program" --desktop "$work/more.vcf" >> "$log" 2>&1 || fail "the second start did not hand over and end with 0"
book="$XDG_DATA_HOME/Varnelle/Address.mdb"
for file in fox more; do
  for _ in $(seq 100); do [ "$(dialogs)" -ge 2 ] && break; sleep 0.1; done
  xdotool key Return # the import's choice of view, as given
  window "Import Summary" > /dev/null
  xdotool key Escape
  gone "Import Summary"
done
[ "$(sqlite3 "$book" "SELECT count(*) FROM Address WHERE LastName IN ('Fox', 'Zed')")" = 2 ] ||
  fail "the files were not both imported"
[ "$(sqlite3 "$book" "SELECT count(*) FROM Address")" = 5 ] || fail "a file was imported twice"
echo "search: a file opened is imported in the window; a second start hands its file over and ends"
kill "$app"
app=""
echo "search: 1 passed, 0 failed"
