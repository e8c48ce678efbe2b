#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the program's window for the README on a private X
# display (tools/private-display): the window at start-up, and after the
# typical use, the actions of tests/scripts/typical-use.script done with the
# mouse and the keyboard through xdotool (tools/xplay.py plays them).
#
#   tools/screenshot.sh [PROGRAM [FOLDER [SCRIPT]]]
#
# PROGRAM defaults to build/kasnak, FOLDER to docs; the pictures are
# FOLDER/window.png and FOLDER/typical-use.png.  With SCRIPT, another
# scenario script is played in place of the typical use, and the second
# picture is FOLDER/NAME.png for SCRIPT's NAME.script; its `advice` clicks the
# advice strip, which unfolds, and with `advice` last the picture takes the
# window and the unfolded list together.  The script's actions, the
# window's title and the controls' places in pixels come from kasnak-script
# beside PROGRAM (--parse and --controls DPI), or from $KASNAK_SCRIPT.  Needs
# xvfb, xdotool, python3, jq and ImageMagick's import.
set -eu

[ -n "${KASNAK_DISPLAY_DPI:-}" ] || exec "$(dirname "$0")/private-display" "$0" "$@"
program=${1:-build/kasnak}
folder=${2:-docs}
[ -x "$program" ] || { echo "screenshot: $program is not a program" >&2; exit 1; }
runner=${KASNAK_SCRIPT:-$(dirname "$program")/kasnak-script}
[ -x "$runner" ] || { echo "screenshot: no runner $runner (set KASNAK_SCRIPT)" >&2; exit 1; }
typical=${3:-$(dirname "$0")/../tests/scripts/typical-use.script}

work=$(mktemp -d)
app=
finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT INT TERM

"$runner" --parse "$typical" >"$work/actions" || { echo "screenshot: cannot parse $typical" >&2; exit 1; }
"$runner" --controls "$KASNAK_DISPLAY_DPI" >"$work/controls"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_FONT_DPI QT_SCALE_FACTOR

"$program" &
app=$!
title=$(jq -r '.window.title' "$work/controls")
window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
# The form at its place in pixels.
width=$(jq -r .window.width "$work/controls")
height=$(jq -r .window.height "$work/controls")
[ "${size%x*}" = "$width" ] && [ "${size#*x}" -gt "$height" ] ||
  { echo "screenshot: the window is $size, not ${width} wide and taller than the form's $height ($KASNAK_DISPLAY_DPI dpi)" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 1  # let it paint

# The window, or with WITH_POPUPS the smallest rectangle of the screen that
# holds the window and the program's other windows shown (a list unfolded).
shoot() {
  mkdir -p "$folder"
  if [ -n "${2:-}" ]; then
    # shellcheck disable=SC2046  # X Y WIDTH HEIGHT of each window
    set -- "$1" $(for w in $(xdotool search --onlyvisible --pid "$app"); do
      xdotool getwindowgeometry --shell "$w" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=//p' | tr '\n' ' '
    done)
    name=$1
    shift
    box=$(printf '%s %s %s %s\n' "$@" |
      awk 'NR == 1 || $1 < l { l = $1 } NR == 1 || $2 < t { t = $2 }
           NR == 1 || $1 + $3 > r { r = $1 + $3 } NR == 1 || $2 + $4 > b { b = $2 + $4 }
           END { printf "%dx%d+%d+%d", r - l, b - t, l, t }')
    import -window root -crop "$box" +repage "$folder/$name"
    set -- "$name"
  else
    import -window "$window" "$folder/$1"
  fi
  echo "screenshot: $folder/$1"
}
shoot window.png

# The typical use (or SCRIPT), with the mouse and the keyboard.
python3 "$(dirname "$0")/xplay.py" "$program" "$KASNAK_DISPLAY_DPI" "$window" "$typical"
sleep 0.5
last=$(tail -n 1 "$work/actions" | jq -r .verb)
shoot "$(basename "$typical" .script).png" "$([ "$last" = advice ] && echo popups)"
