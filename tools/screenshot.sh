#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the program's window for the README on a private X
# server: the window at start-up, and after the typical use, the actions of
# tests/scripts/typical-use.script done with the mouse and the keyboard
# through xdotool.
#
#   tools/screenshot.sh [PROGRAM [FOLDER]]
#
# PROGRAM defaults to build/kasnak, FOLDER to docs; the pictures are
# FOLDER/window.png and FOLDER/typical-use.png.  The script's actions and the
# controls' places and list items come from kasnak-script beside PROGRAM
# (--parse and --controls), or from $KASNAK_SCRIPT.  Needs Xvfb, xdotool and
# ImageMagick's import.
set -eu

program=${1:-build/kasnak}
folder=${2:-docs}
[ -x "$program" ] || { echo "screenshot: $program is not a program" >&2; exit 1; }
runner=${KASNAK_SCRIPT:-$(dirname "$program")/kasnak-script}
[ -x "$runner" ] || { echo "screenshot: no runner $runner (set KASNAK_SCRIPT)" >&2; exit 1; }
typical=$(dirname "$0")/../tests/scripts/typical-use.script

work=$(mktemp -d)
server=
app=
finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT INT TERM

"$runner" --parse "$typical" >"$work/actions" || { echo "screenshot: cannot parse $typical" >&2; exit 1; }
"$runner" --controls >"$work/controls"

# The server picks a free display number and writes it to fd 3.  At 96 dpi
# a control's place in pixels is its place in twips * 96 / 1440.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { echo "screenshot: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_FONT_DPI QT_SCALE_FACTOR

"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Poly-V' | head -n 1)
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = 459x305 ] || { echo "screenshot: the window is $size, not 459x305 (96 dpi)" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 1  # let it paint

shoot() {
  mkdir -p "$folder"
  import -window "$window" "$folder/$1"
  echo "screenshot: $folder/$1"
}
shoot window.png

px() { echo $((($1 * 96 + 720) / 1440)); }

# A string field of a JSON line: field NAME LINE.
field() { printf '%s\n' "$2" | sed -n "s/.*\"$1\": \"\([^\"]*\)\".*/\1/p"; }

# A click on the control ID, where its kind takes one: at its check box or
# round button, at a list's arrow (ARROW given), or in its middle.
click() {
  control=$(grep -F "\"id\": \"$1\"," "$work/controls") || { echo "screenshot: no control $1" >&2; exit 1; }
  # shellcheck disable=SC2046  # four numbers
  set -- "$1" $(printf '%s\n' "$control" | sed -n 's/.*"place": \[\([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)\].*/\1 \2 \3 \4/p') "${2:-}"
  x=$(($(px "$2") + $(px "$4") / 2))
  case $(field kind "$control") in
    "check box" | "option button") x=$(($(px "$2") + 7)) ;;
  esac
  [ "$6" = arrow ] && x=$(($(px "$2") + $(px "$4") - 7))
  xdotool mousemove --window "$window" "$x" $(($(px "$3") + $(px "$5") / 2)) click 1
  sleep 0.3
}
keys() {
  xdotool key --delay 50 "$@"
  sleep 0.3
}
typed() {
  xdotool type --delay 80 "$1"
  sleep 0.3
}
# Opens the list ID at its arrow and chooses ITEM: Home, then Down as many
# times as the item's row.
pick() {
  items=$(grep -F "\"id\": \"$1\"," "$work/controls" | sed -n 's/.*"items": \["\(.*\)"\].*/\1/p' | sed 's/", "/\n/g')
  row=$(printf '%s\n' "$items" | grep -nxF -- "$2" | cut -d: -f1)
  [ -n "$row" ] || { echo "screenshot: $2 is not an item of $1" >&2; exit 1; }
  click "$1" arrow
  downs=
  i=1
  while [ "$i" -lt "$row" ]; do downs="$downs Down"; i=$((i + 1)); done
  # shellcheck disable=SC2086  # one key a word
  keys Home $downs Return
}

# The typical use, action by action.  A text box or a list's text field is
# clicked, then typed into at its end; an edit selects all and types the new
# text over it.
tail -n +2 "$work/actions" | while IFS= read -r action; do
  case $action in
    *\\*) echo "screenshot: cannot play an escaped text: $action" >&2; exit 1 ;;
  esac
  id=$(field id "$action")
  text=$(field text "$action")
  case $(field verb "$action") in
    type) click "$id" && keys End && typed "$text" ;;
    edit) click "$id" && keys ctrl+a && if [ -n "$text" ]; then typed "$text"; else keys BackSpace; fi ;;
    backspace) click "$id" && keys End BackSpace ;;
    pick) pick "$id" "$text" ;;
    click) click "$id" ;;
  esac
done
sleep 0.5
shoot typical-use.png
