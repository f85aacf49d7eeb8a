# shellcheck shell=bash disable=SC2154 # tag, work and log come from the sourcing script
# Drives Varnelle on a real X display (Xvfb) under a real window manager
# (openbox) with xdotool, and measures its windows with xwininfo and xprop.
# Sourced by the session and install tests, which set: tag (the name their
# messages start with), work (a temporary folder, removed at the end), log
# (where the program's output goes). A script may define on_exit for cleaning
# up of its own; it runs before the folder is removed. SESSION_SHOTS=folder
# keeps screenshots there (import, from Debian's imagemagick).

fail() {
  echo "$tag: $*" >&2
  [ -f "$log" ] && sed 's/^/  varnelle: /' "$log" >&2
  exit 1
}

app=""
wm=""
xvfb=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2> /dev/null || true
  # Xvfb removes its socket as it ends: wait for it, so that a display started
  # next under the same number keeps its socket.
  stop_display
  if declare -F on_exit > /dev/null; then on_exit; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, with openbox managing its windows; sets area_x,
# area_y, area_w, area_h to its work area (the screen less any panels).
start_desktop() {
  local attempt
  for attempt in 1 2 3; do
    start_display && return 0
    echo "$tag: the display did not come up (attempt $attempt): $(cat "$work/.openbox.log" 2> /dev/null)" >&2
    stop_display
  done
  fail "Xvfb with openbox did not start"
}

# One try at a display with openbox on it; false when either does not come up
# (another X server ending at that moment may take the new display's socket).
start_display() {
  # Xvfb takes the first free display number itself and tells it on fd 3, so
  # that tests started at the same moment never share a display.
  local number
  number="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$number" > /dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  local display
  display=":$(tr -d '[:space:]' < "$number")"
  rm -f "$number"
  [ "$display" != ":" ] || return 1
  export DISPLAY="$display"
  unset QT_QPA_PLATFORM # a real display, as a user has it
  for _ in $(seq 50); do xdotool getmouselocation > /dev/null 2>&1 && break; sleep 0.1; done
  openbox --sm-disable > "$work/.openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" || return 1
  read -r area_x area_y area_w area_h <<< "$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)"
}

stop_display() {
  [ -n "$wm" ] && kill "$wm" 2> /dev/null || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2> /dev/null || true; wait "$xvfb" 2> /dev/null || true; fi
  wm=""
  xvfb=""
}

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
# The id of a menu that has opened over the main window: menu MAIN-ID MESSAGE-IF-NONE.
menu() {
  local id=""
  for _ in $(seq 50); do
    id="$(xdotool search --onlyvisible --pid "$app" 2> /dev/null | grep -v "^$1\$" | tail -n 1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "$2"
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
      echo "$tag: $2: frame $frame centred on work area $area_x $area_y $area_w $area_h"
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
  xdotool mousemove "$((x + w / 2))" "$((y + top / 2))" sleep 0.2 mousedown 1 sleep 0.3 \
    mousemove "$((x + w / 2 + 20))" "$((y + top / 2 + 10))" sleep 0.2 \
    mousemove "$((x + w / 2 + 60))" "$((y + top / 2 + 40))" sleep 0.3 mouseup 1
  local want="$((x + 60)) $((y + 40)) $w $h" now=""
  for _ in $(seq 30); do
    now="$(frame_of "$1")"
    [ "$now" = "$want" ] && break
    sleep 0.1
  done
  [ "$now" = "$want" ] || fail "$2: dragged from $x $y to $want, but the frame is at $now"
  sleep 0.5 # and there it stays
  now="$(frame_of "$1")"
  [ "$now" = "$want" ] || fail "$2: dropped at $want, the frame moved on to $now"
  echo "$tag: $2: dragged to $now, and it stays"
}

# Reports > Address List (Alt+R, A) to the comma-separated file $1, all
# records, with the mouse in the destination dialog; waits for the file.
report_to_csv() {
  keys alt+r a
  local rpt
  rpt="$(window "Report Destination Selection")"
  centred "$rpt" "Report Destination Selection"
  click "$rpt" "$(px $((240 + 240 + 150)))" "$(px $((120 + 1080 + 120)))"        # opDisk
  click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 840 + 140)))"    # the file name box
  keys ctrl+a
  typed "$1"
  click "$rpt" "$(px $((2280 + 1080 + 1000)))" "$(px $((1920 + 360 + 150)))"    # cmbFileType
  keys c Return
  shot destination
  keys alt+o
  gone "Report Destination Selection"
  for _ in $(seq 50); do [ -f "$1" ] && break; sleep 0.1; done
  [ -f "$1" ] || fail "no report file $1"
}

# File > Exit in the main window; Varnelle ($app) must end with status 0.
exit_app() {
  window "Varnelle For Windows" > /dev/null
  keys alt+f x
  for _ in $(seq 100); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
  kill -0 "$app" 2> /dev/null && fail "Varnelle did not end after File > Exit"
  wait "$app" || fail "Varnelle ended with status $?"
  app=""
}
