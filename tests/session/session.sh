#!/usr/bin/env bash
# A short session as a new user has it: Varnelle started with the README's
# command on a real X display under a real window manager (openbox), driven
# with the keyboard and the mouse. It adds a telephone type and a contact with
# a number, switches the view, sends the address list to a comma-separated
# file, repairs the database and exits; then it checks Address.mdb and the
# file. On the way it measures each window's frame, as the window manager
# draws it, and checks that it is centred on the screen's work area, and that
# a window dragged by its title bar stays where it was dropped.
# SESSION_SHOTS=folder keeps a screenshot of each window there.
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
wm=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2> /dev/null || true
  [ -n "$wm" ] && kill "$wm" 2> /dev/null || true
  kill "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
unset QT_QPA_PLATFORM # a real display, as a user has it
for _ in $(seq 50); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable > /dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" || fail "openbox did not start"
# The work area: the screen less the window manager's panels (left top width height).
read -r area_x area_y area_w area_h <<< "$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)"

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
  local x y # the client's place on the screen, inside the window manager's frame
  read -r x y <<< "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')"
  xdotool mousemove "$((x + $2))" "$((y + $3))" click 1
  sleep 0.3
}
# Pixels of a position in twips (15 twips to a pixel).
px() { echo $(( $1 / 15 )); }
shot() { [ -z "${SESSION_SHOTS:-}" ] || import -window root "$SESSION_SHOTS/$1.png"; }

# The frame of window $1 (left top width height). openbox puts each window
# into a frame window of its own, which xwininfo measures; the client's own
# place grown by the _NET_FRAME_EXTENTS the window manager reports must give
# the same rectangle.
frame_of() {
  local parent client extents
  parent="$(xwininfo -id "$1" -tree | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')"
  local measure='/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
  client="$(xwininfo -id "$1" | awk "$measure")"
  extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')"
  [ -n "$extents" ] || { echo "unframed"; return; }
  local frame byextents
  frame="$(xwininfo -id "$parent" | awk "$measure")"
  byextents="$(echo "$client $extents" | awk '{print $1 - $5, $2 - $7, $3 + $5 + $6, $4 + $7 + $8}')"
  [ "$frame" = "$byextents" ] || { echo "frame window $frame differs from client plus extents $byextents"; return; }
  echo "$frame"
}
# Checks that the frame of window $1 (named $2) is centred on the work area
# to within a pixel; waits a moment for the window manager.
centred() {
  local frame=""
  for _ in $(seq 30); do
    frame="$(frame_of "$1")"
    if [ "$(echo "$frame" | wc -w)" = 4 ] && echo "$frame $area_x $area_y $area_w $area_h" |
      awk '{dx = 2 * $1 + $3 - (2 * $5 + $7); dy = 2 * $2 + $4 - (2 * $6 + $8);
            exit !(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)}'; then
      echo "session: $2: frame $frame centred on work area $area_x $area_y $area_w $area_h"
      return
    fi
    sleep 0.1
  done
  fail "$2: frame $frame is not centred on work area $area_x $area_y $area_w $area_h"
}
# Drags window $1 (named $2) by its title bar by 60, 40 pixels and checks that
# it stays where it was dropped.
dragged() {
  local x y w h top
  read -r x y w h <<< "$(frame_of "$1")"
  top="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',' | cut -d' ' -f3)"
  xdotool mousemove "$((x + w / 2))" "$((y + top / 2))" mousedown 1 sleep 0.2 \
    mousemove "$((x + w / 2 + 20))" "$((y + top / 2 + 10))" sleep 0.1 \
    mousemove "$((x + w / 2 + 60))" "$((y + top / 2 + 40))" sleep 0.2 mouseup 1
  sleep 0.7
  local want="$((x + 60)) $((y + 40)) $w $h" now
  now="$(frame_of "$1")"
  [ "$now" = "$want" ] || fail "$2: dragged from $x $y to $want, but the frame is at $now"
  echo "session: $2: dragged to $now, and it stays"
}

cd "$work"
"$root/scripts/run.sh" > "$log" 2>&1 &
app=$!
main="$(window "Varnelle For Windows" 1200)" # the command builds first
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
centred "$rpt" "Report Destination Selection"
click "$rpt" "$(px $((240 + 240 + 150)))" "$(px $((120 + 1080 + 120)))"        # opDisk
click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 840 + 140)))"    # txtFileName
keys ctrl+a
typed "contacts.csv"
click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 360 + 150)))"    # cmbFileType
keys c Return
shot destination
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
