#!/usr/bin/env bash
# A short session as a new user has it: Varnelle started with the README's
# command on a real X display under a real window manager (openbox), driven
# with the keyboard and the mouse. It adds a telephone type and a contact with
# a number, switches the view, finds the contact through the search box, sends
# the address list to a comma-separated file, repairs the database and exits; then it checks Address.mdb and the
# file. On the way it measures each window's frame, as the window manager
# draws it, and checks that it is centred on the screen's work area, and that
# a window dragged by its title bar stays where it was dropped.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
work="$(mktemp -d)"
log="$work/session.log"
tag=session
# shellcheck source=tests/system/session/desktop.sh
source "$root/tests/system/session/desktop.sh"
start_desktop

# The accessibility bus (AT-SPI) on a session bus of its own, when Debian's
# at-spi2-core and the Atspi bindings for python3 are there: a screen reader's
# view of the main window is read from it below.
bus_address=""
bus_pid=""
launcher=""
on_exit() {
  [ -n "$launcher" ] && kill "$launcher" 2> /dev/null || true
  [ -n "$bus_pid" ] && kill "$bus_pid" 2> /dev/null || true
}
reader=""
if [ -x /usr/libexec/at-spi-bus-launcher ] && command -v dbus-daemon > /dev/null &&
  /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2> /dev/null; then
  { read -r bus_address && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2> /dev/null || true) || true
  if [ -n "$bus_address" ] && [ -n "$bus_pid" ]; then
    export DBUS_SESSION_BUS_ADDRESS="$bus_address"
    /usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
    launcher=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # Qt speaks AT-SPI without asking the desktop
    reader=yes
  fi
fi
[ -n "$reader" ] || echo "$tag: no accessibility bus (at-spi2-core, gir1.2-atspi-2.0): screen reader names not read"

cd "$work"
"$root/scripts/run.sh" > "$log" 2>&1 &
app=$!
main="$(window "Varnelle For Windows" 1200)" # the command builds first

# A screen reader hears the list, the search box and the buttons by their names.
if [ -n "$reader" ]; then
  names=""
  for _ in $(seq 50); do
    names="$(/usr/bin/python3 "$root/tests/system/session/accessible-names.py" Varnelle 2> /dev/null || true)"
    [ -n "$names" ] && break
    sleep 0.2
  done
  for expected in "list: Contacts" "text: Search" "push button: Add" "push button: Business" "menu item: File"; do
    grep -qxF "$expected" <<< "$names" || fail "over AT-SPI, no '$expected' in: $(tr '\n' ';' <<< "$names")"
  done
  ! grep -qxE "(push button|text|list|check box|radio button): " <<< "$names" || fail "over AT-SPI, a control has no name: $(tr '\n' ';' <<< "$names")"
  echo "$tag: over AT-SPI the main window reads: $(grep -E '^(list|text|push button): .' <<< "$names" | tr '\n' ';')"
fi
centred "$main" "main window"
shot main
dragged "$main" "main window"

# Tables > Telephone Types: add "Home", then OK with Escape.
keys alt+t t
types="$(window "Telephone Types")"
centred "$types" "Telephone Types"
typed "Home"
keys alt+a Escape
gone "Telephone Types"

# Switch to the personal view.
main="$(window "Varnelle For Windows")"
keys alt+b

# Add a contact with a number.
keys alt+a
editor="$(window "Edit Address")"
centred "$editor" "contact editor"
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
dragged "$editor" "contact editor"
xdotool windowfocus --sync "$editor"
keys alt+a
number="$(window "Telephone Number")"
centred "$number" "Telephone Number"
keys h # the first letter of Home chooses it and moves on to the number
typed "555-0142"
keys alt+s
gone "Telephone Number"
window "Edit Address" > /dev/null
keys alt+s
gone "Edit Address"

# Delete asks first, in a message box centred as the forms are; No keeps the contact.
main="$(window "Varnelle For Windows")"
click "$main" 60 160 # the empty part of the list, below the contact's line
keys Home # a key that moves to the contact selects it
keys alt+d
question=""
for _ in $(seq 50); do
  question="$(xdotool search --onlyvisible --name "^Varnelle For Windows\$" 2> /dev/null | grep -v "^$main\$" | head -n 1 || true)"
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "Delete asked nothing"
centred "$question" "Delete question"
xdotool windowfocus --sync "$question"
keys Escape

# Ctrl+F and a word of the city: the contact is the first match, and Enter edits it.
main="$(window "Varnelle For Windows")"
keys ctrl+f
typed "galw"
keys Return
window "Edit Address" > /dev/null
keys Escape
gone "Edit Address"
# A word nobody has: nothing is listed, so Enter opens nothing; Escape clears the search.
main="$(window "Varnelle For Windows")"
keys ctrl+f
typed "nobody"
keys Return
sleep 1
[ -z "$(xdotool search --onlyvisible --name "^Edit Address\$" 2> /dev/null || true)" ] ||
  fail "Enter opened a contact though the search matched none"
keys Escape

# Reports > Address List to a comma-separated file, all records.
main="$(window "Varnelle For Windows")"
report_to_csv contacts.csv

# Help > About with the mouse (the menu's title, then its first command), closed with Escape.
main="$(window "Varnelle For Windows")"
click "$main" 255 9 # the Help title, after File, Edit, View, Tables and Reports, in the desktop's font (Sans Serif 9 here)
popup="$(menu "$main" "the Help menu did not open under the mouse")"
click "$popup" 20 12
about="$(window "About Varnelle")"
centred "$about" "About box"
shot about
dragged "$about" "About box"
xdotool windowfocus --sync "$about"
keys Escape
gone "About Varnelle"

# File > Repair Database, then File > Exit.
window "Varnelle For Windows" > /dev/null
keys alt+f r
sleep 0.5
window "Varnelle For Windows" > /dev/null
exit_app

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
# In German: with LANG=de_DE.UTF-8 the help is German, and Alt+D opens the
# File menu, "Datei" (in English Alt+D is the Delete button, disabled here).
german="$work/german"
mkdir "$german"
cd "$german"
export LANG=de_DE.UTF-8 LC_ALL="" LANGUAGE=""
# Read whole first: grep -q would stop reading, and the program's next write
# would end it by SIGPIPE, which pipefail counts as a failure.
help="$("$root/build/varnelle" --help)"
grep -q "Zeigt diese Optionen" <<< "$help" || fail "the help is not in German"
"$root/build/varnelle" >> "$log" 2>&1 &
app=$!
main="$(window "Varnelle For Windows")"
keys alt+d
popup="$(menu "$main" "Alt+D did not open the German File menu (Datei)")"
shot german-file-menu
keys b # Datei > Beenden
for _ in $(seq 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
kill -0 "$app" 2> /dev/null && fail "Varnelle did not end after Datei > Beenden"
wait "$app" || fail "Varnelle ended with status $?"
app=""
echo "session: 1 passed, 0 failed"
