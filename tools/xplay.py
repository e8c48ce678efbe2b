#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a scenario script on the kasnak window through X11 input (xdotool):
the one player of the tools that use the window as a person does.

    tools/xplay.py PROGRAM DPI WINDOW SCRIPT

plays SCRIPT on the X window WINDOW of PROGRAM with the mouse and the
keyboard: a text box or a list's text field is clicked, then typed into at
its end; an edit selects all and types the new text over it; a list is opened
at its arrow and its item reached with Home, then Down as many times as its
index; a button, check box or profile button is clicked; `advice` clicks the
advice strip below the form, which unfolds.  The script's actions and the
controls' places in pixels at DPI come from kasnak-script beside PROGRAM
(--parse and --controls DPI), or from $KASNAK_SCRIPT.  tools/screenshot.sh
runs it; tools/read-window.py plays with the keyboard alone through play().
"""
import json
import os
import subprocess
import sys
import time


def runner_lines(program, *args):
    """What kasnak-script prints with these arguments, one JSON text a line."""
    runner = os.environ.get("KASNAK_SCRIPT") or os.path.join(os.path.dirname(program), "kasnak-script")
    out = subprocess.run([runner, *args], capture_output=True, text=True, check=True).stdout
    return [json.loads(line) for line in out.splitlines()]


def runner_controls(program, dpi):
    """The window's facts and the controls a script may act on (no label), by
    id, each with its place in pixels at dpi as [left, top, width, height]:
    what kasnak-script --controls DPI prints."""
    [table] = runner_lines(program, "--controls", str(dpi))
    controls = {c["id"]: {**c, "pixels": [c["left"], c["top"], c["width"], c["height"]]}
                for c in table["controls"] if c["kind"] != "label"}
    return table["window"], controls


def xdotool(pause, delays=None):
    """xdo(COMMAND, ARG...): one xdotool command, with its --delay from
    delays when it has one there, then pause() while the program catches up.
    A text typed may start with "-": "--" ends type's options."""
    def xdo(command, *args):
        delay = ["--delay", str(delays[command])] if delays and command in delays else []
        subprocess.run(["xdotool", command, *delay, *(["--"] if command == "type" else []), *map(str, args)], check=True)
        pause()
    return xdo


def play(actions, xdo, reach, pick, click, advice=None):
    """Plays parsed actions: reach(action) gives the control the focus (a
    false value when it cannot, and the action is left), then type, edit and
    backspace press their keys; pick(action) chooses the item, click(action,
    reached) clicks, and advice() shows the advice, each as the player does."""
    for action in actions:
        verb, text = action["verb"], action.get("text", "")
        if verb == "advice" and advice:
            advice()
        reached = verb in ("type", "edit", "backspace", "pick", "click") and reach(action)
        if not reached:
            continue
        if verb == "type":
            xdo("key", "End")
            xdo("type", text)
        elif verb == "edit":
            xdo("key", "ctrl+a")
            xdo(*(("type", text) if text else ("key", "BackSpace")))
        elif verb == "backspace":
            xdo("key", "End", "BackSpace")
        elif verb == "pick":
            pick(action)
        else:
            click(action, reached)


def main(program, dpi, window, script):
    window_facts, controls = runner_controls(program, dpi)
    xdo = xdotool(lambda: time.sleep(0.3), {"key": 50, "type": 80})

    def click(id, arrow=False):
        """A click where the control's kind takes one: at its check box or
        round button, at a list's arrow, or in its middle."""
        left, top, width, height = controls[id]["pixels"]
        x = left + width - 7 if arrow else left + 7 if controls[id]["kind"] in ("check", "option") else left + width // 2
        xdo("mousemove", "--window", window, x, top + height // 2, "click", 1)
        return True

    def pick(action):
        items = controls[action["id"]]["items"]
        if action["text"] not in items:
            sys.exit(f"xplay: {action['text']} is not an item of {action['id']}")
        click(action["id"], arrow=True)
        xdo("key", "Home", *["Down"] * items.index(action["text"]), "Return")

    # The advice strip, below the form.
    play(runner_lines(program, "--parse", script)[1:], xdo,
         lambda action: action["verb"] == "pick" or click(action["id"]), pick, lambda action, reached: None,
         lambda: xdo("mousemove", "--window", window, window_facts["width"] // 2,
                     window_facts["height"] + int(dpi) // 12, "click", 1))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: tools/xplay.py PROGRAM DPI WINDOW SCRIPT")
    main(*sys.argv[1:])
