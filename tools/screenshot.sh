#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the program's window for the README on a private X
# server: the window at start-up, and after the typical use (22 kW, 4000 rpm,
# a 200 mm screw pulley, PK, 6 ribs, "Hesapla") done with the mouse and the
# keyboard through xdotool.
#
#   tools/screenshot.sh [PROGRAM [FOLDER]]
#
# PROGRAM defaults to build/kasnak, FOLDER to docs; the pictures are
# FOLDER/window.png and FOLDER/typical-use.png.  Needs Xvfb, xdotool and
# ImageMagick's import.
set -eu

program=${1:-build/kasnak}
folder=${2:-docs}
[ -x "$program" ] || { echo "screenshot: $program is not a program" >&2; exit 1; }

work=$(mktemp -d)
server=
app=
finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT INT TERM

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
[ "$size" = 459x288 ] || { echo "screenshot: the window is $size, not 459x288 (96 dpi)" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 1  # let it paint

shoot() {
  mkdir -p "$folder"
  import -window "$window" "$folder/$1"
  echo "screenshot: $folder/$1"
}
shoot window.png

px() { echo $((($1 * 96 + 720) / 1440)); }
# A click at a point of a control given in twips: LEFT TOP of the control,
# then the point's offset in pixels from its left and from its middle.
click() {
  xdotool mousemove --window "$window" $(($(px "$1") + $3)) $(($(px "$2") + 10 + $4)) click 1
  sleep 0.3
}
keys() {
  xdotool key --delay 50 "$@"
  sleep 0.3
}
# Opens a list at its arrow (the list is 855 twips wide) and chooses the
# item ROW: Home, then Down ROW times.
pick() {
  click "$1" "$2" 50 0
  downs=
  i=0
  while [ "$i" -lt "$3" ]; do downs="$downs Down"; i=$((i + 1)); done
  # shellcheck disable=SC2086  # one key a word
  keys Home $downs Return
}

pick 3840 240 4             # Combo1: 22 kW, the fifth item
click 1200 720 20 0         # Text2
xdotool type --delay 80 4000
sleep 0.3
pick 5040 1320 11           # Combo3: 200 mm, the twelfth item
click 2520 1800 7 2         # Option1 1: PK, at its round button
click 1800 2280 16 0        # Text5
xdotool type --delay 80 6
sleep 0.3
click 3840 3600 40 2        # Command1: "Hesapla"
sleep 0.5
shoot typical-use.png
