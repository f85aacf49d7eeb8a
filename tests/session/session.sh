#!/usr/bin/env bash
# A short session as a new user has it: Varnelle started with the README's
# command on a real X display, driven with the keyboard and the mouse. It adds
# a telephone type and a contact with a number, switches the view, sends the
# address list to a comma-separated file, repairs the database and exits;
# then it checks Address.mdb and the file.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
log="$work/session.log"

fail() {
  echo "session: $*" >&2
  [ -f "$log" ] && sed 's/^/  varnelle: /' "$log" >&2
  exit 1
}

# A display of our own.
display=""
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2> /dev/null || true
  kill "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
unset QT_QPA_PLATFORM # a real display, as a user has it
for _ in $(seq 50); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done

# Waits for a visible window whose title is exactly $1, gives it the keyboard
# and prints its id.
window() {
  local id=""
  for _ in $(seq "${2:-100}"); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window '$1'"
  xdotool windowfocus --sync "$id"
  sleep 0.2
  echo "$id"
}
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' did not close"
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 30 "$1"; sleep 0.2; }
# Clicks at x,y pixels of the client area of window $1.
click() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove "$((X + $2))" "$((Y + $3))" click 1
  sleep 0.3
}
# Pixels of a position in twips (15 twips to a pixel).
px() { echo $(( $1 / 15 )); }

cd "$work"
"$root/scripts/run.sh" > "$log" 2>&1 &
app=$!
main="$(window "Varnelle For Windows" 1200)" # the command builds first

# Tables > Telephone Types: add "Home", then OK with Escape.
keys alt+t t
window "Telephone Types" > /dev/null
typed "Home"
keys alt+a Escape
gone "Telephone Types"

# Switch to the personal view.
main="$(window "Varnelle For Windows")"
keys alt+b

# Add a contact with a number.
keys alt+a
window "Edit Address" > /dev/null
typed "Mr"
keys Tab
typed "Sean"
keys Tab
typed "O'Brien"
keys Tab
typed "Brien & Sons, Ltd."
keys Tab
typed "1 Harbour Road"
keys Tab
typed "Galway"
keys Tab
typed "ny"
keys alt+a
window "Telephone Number" > /dev/null
keys Down
typed "555-0142"
keys alt+s
gone "Telephone Number"
window "Edit Address" > /dev/null
keys alt+s
gone "Edit Address"

# Reports > Address List to a comma-separated file, all records.
main="$(window "Varnelle For Windows")"
keys alt+r a
rpt="$(window "Report Destination Selection")"
click "$rpt" "$(px $((240 + 240 + 150)))" "$(px $((120 + 1080 + 120)))"        # opDisk
click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 840 + 140)))"    # txtFileName
keys ctrl+a
typed "contacts.csv"
click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 360 + 150)))"    # cmbFileType
keys c Return
keys alt+o
gone "Report Destination Selection"
for _ in $(seq 50); do [ -f contacts.csv ] && break; sleep 0.1; done

# Help > About with the mouse (the menu's title, then its first command), closed with Escape.
main="$(window "Varnelle For Windows")"
click "$main" 148 9
popup=""
for _ in $(seq 50); do
  popup="$(xdotool search --onlyvisible --pid "$app" 2> /dev/null | grep -v "^$main\$" | tail -n 1 || true)"
  [ -n "$popup" ] && break
  sleep 0.1
done
[ -n "$popup" ] || fail "the Help menu did not open under the mouse"
click "$popup" 20 12
window "About Varnelle" > /dev/null
keys Escape
gone "About Varnelle"

# File > Repair Database, then File > Exit.
window "Varnelle For Windows" > /dev/null
keys alt+f r
sleep 0.5
window "Varnelle For Windows" > /dev/null
keys alt+f x
for _ in $(seq 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
kill -0 "$app" 2> /dev/null && fail "Varnelle did not end after File > Exit"
wait "$app" || fail "Varnelle ended with status $?"
app=""

# What the session left behind.
q() { sqlite3 -separator '|' Address.mdb "$1"; }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', found '$2'"; }
expect "files" "$(ls | grep -v session.log | sort | tr '\n' ' ')" "Address.mdb contacts.csv "
expect "view" "$(q 'SELECT IsBusiness FROM Setup')" "0"
expect "types" "$(q 'SELECT TypeID, TelephoneType FROM TelephoneType')" "1|Home"
expect "contact" "$(q 'SELECT PersonID, IsBusiness, Title, FirstName, LastName, Company, Street, City, State FROM Address')" \
  "1|0|Mr|Sean|O'Brien|Brien & Sons, Ltd.|1 Harbour Road|Galway|NY"
expect "numbers" "$(q 'SELECT PersonID, TypeID, Number FROM TelephoneList')" "1|1|555-0142"
expect "integrity" "$(q 'PRAGMA integrity_check')" "ok"
csv="$(tr -d '\r' < contacts.csv)"
expect "report lines" "$(echo "$csv" | wc -l)" "2"
expect "report row" "$(echo "$csv" | sed -n 2p)" '"O'"'"'Brien, Sean",1 Harbour Road,Galway,NY,'
echo "session: 1 passed, 0 failed"
