#!/bin/sh
# Takes a picture of the program's window on a private X server.
#
#   tools/screenshot.sh [PROGRAM [PICTURE]]
#
# PROGRAM defaults to build/kasnak, PICTURE to docs/window.png.  Needs Xvfb,
# xdotool and ImageMagick's import.
set -eu

program=${1:-build/kasnak}
picture=${2:-docs/window.png}
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

# The server picks a free display number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || { echo "screenshot: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Poly-V' | head -n 1)
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 1  # let it paint
mkdir -p "$(dirname "$picture")"
import -window "$window" "$picture"
echo "screenshot: $picture"
