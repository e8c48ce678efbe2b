#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the kasnak window as a screen reader does, and uses it as a person
without a mouse, or with an unsteady one, would.

    tools/read-window.py [PROGRAM] [--dpi N]

Starts PROGRAM (default build/kasnak) on a private X display with the
accessibility bus (AT-SPI) inside its own D-Bus session (tools/private-display
--bus), at N logical dpi (default 96), then with X11 input through xdotool
(tools/xplay.py's player):
  - finds the window by its role (frame) and title;
  - does the typical use, tests/scripts/typical-use.script, with the keyboard
    alone: Tab to each control it names (a profile button: Tab to the group,
    then Right or Left to it), then type at the end, Alt+Down and Down to an
    item of a list, Space on a check box or "Hesapla";
  - prints every input and result as read, the advice strip, the ordering
    and fitting section (its title, and its lines as a label described by
    the title), and the results whose change was announced (accessible-name
    change events);
  - Tabs to the advice strip, unfolds it with Return, reads its list, and
    folds it with Escape;
  - makes a fault (6E308 ribs), reads its box in full, and takes it back;
  - clicks every check box and profile button two pixels inside the right
    edge of its box, and reads its state before and after.
Exits 1 when something is not as expected (each such line starts "FAULT").
The script's actions, and the controls' accessible names and places in
pixels, come from kasnak-script beside PROGRAM (--parse and --controls N), or
from $KASNAK_SCRIPT.  Needs python3-pyatspi, at-spi2-core, dbus, xvfb and xdotool.
"""
import argparse
import os
import subprocess
import sys
import time

from xplay import play, runner_controls, runner_lines, xdotool

TOOLS = os.path.dirname(os.path.abspath(__file__))
TYPICAL_USE = os.path.join(TOOLS, "..", "tests", "scripts", "typical-use.script")
faults = []


def fault(text):
    faults.append(text)
    print("FAULT " + text)


def pump(seconds=0.3):
    """Lets events and the program catch up."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def unfold(strip, press, focused):
    """Tabs to the advice strip, unfolds it with Return, reads the list,
    and folds it with Escape."""
    import pyatspi

    def state():
        states = strip.getState()
        return "expanded" if states.contains(pyatspi.STATE_EXPANDED) else "collapsed"

    node = focused()
    for _ in range(40):
        if node is not None and node.getRoleName() == "push button" and node.name == strip.name:
            break
        node = press("Tab")
    else:
        fault("Tab never reached the advice strip")
        return
    print(f'advice strip reached by Tab: {node.getRoleName()} "{node.name}", {state()}')
    press("Return")
    pump()
    heard = focused()
    # A list's focused item, as its state tells.
    item = next((n for n in walk(heard) if n.getRoleName() == "list item"
                 and n.getState().contains(pyatspi.STATE_FOCUSED)), None) if heard else None
    print(f'unfolded with Return: focus on {heard.getRoleName()} "{heard.name}"'
          + (f', its item "{item.name}"' if item else ""))
    lists = [n for n in walk(strip) if n.getRoleName() == "list" and n.name == "Öneriler"]
    items = [n.name for n in walk(lists[0]) if n.getRoleName() == "list item"] if lists else []
    print(f'strip {state()}, its list "Öneriler" of {len(items)}:')
    for item in items:
        print(f"    {item}")
    if items != strip.description.split("\n") or state() != "expanded":
        fault("the unfolded strip does not list every advice")
    press("Escape")
    print(f"folded with Escape: {state()}, focus on {focused().getRoleName()}")
    if state() != "collapsed":
        fault("the strip did not fold")


def main():
    if not os.environ.get("KASNAK_DISPLAY_DPI"):  # again, inside a D-Bus session on a private X display
        return subprocess.call([os.path.join(TOOLS, "private-display"), "--bus", sys.executable] + sys.argv)
    parser = argparse.ArgumentParser(usage="tools/read-window.py [PROGRAM] [--dpi N]")
    parser.add_argument("program", nargs="?", default="build/kasnak")
    parser.add_argument("--dpi", type=int, default=96)
    args = parser.parse_args()
    program, dpi = args.program, args.dpi
    window_facts, controls = runner_controls(program, dpi)
    title = window_facts["title"].strip()
    actions = runner_lines(program, "--parse", TYPICAL_USE)[1:]

    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_FONT_DPI=str(dpi),
               QT_ENABLE_HIGHDPI_SCALING="0")
    app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        return read(dpi, title, controls, actions)
    finally:
        app.terminate()
        app.wait()
        launcher.terminate()


def read(dpi, title, controls, actions):
    import pyatspi

    xdo = xdotool(pump)

    frame = None
    for _ in range(100):
        pump(0.1)
        frame = next((window for application in pyatspi.Registry.getDesktop(0) for window in application or []
                      if window is not None and window.getRoleName() == "frame" and window.name == title), None)
        if frame:
            break
    if not frame:
        fault(f'no frame named "{title}"')
        return 1
    application = frame.getApplication()
    # No window manager: give the window the input focus as one would.
    window_id = subprocess.run(["xdotool", "search", "--name", title], capture_output=True, text=True).stdout.split()[0]
    xdo("windowfocus", "--sync", window_id)
    extents = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(f'{dpi} dpi: window found by role and title: {frame.getRoleName()} "{frame.name}" '
          f"{extents.width}x{extents.height}")

    announced = []

    def on_name(event):
        if event.source.getRoleName() == "label":
            announced.append(event.source.name.replace("\n", " | "))

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")

    # What has the focus, as a screen reader learns it: from focus events,
    # which also come from a list's popup; at first, from the states.
    focus = []

    def on_focus(event):
        if event.detail1:
            focus.append(event.source)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

    def focused():
        pump(0.1)
        if focus:
            return focus[-1]
        for node in walk(application):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
        return None

    def message_boxes():
        """The program's message boxes that are open."""
        return [window for window in application if window is not None and window.getRoleName() in ("alert", "dialog")]

    def expect_focus(name):
        node = focused()
        heard = node.name if node else "(nothing)"
        if heard != name:
            fault(f'focus on "{heard}", expected "{name}"')

    def press(*keys):
        """Presses keys and waits until a focus change is heard, for a second
        at most: a Down that reached a list before its popup opened would
        choose the next item."""
        heard = len(focus)
        xdo("key", *keys)
        for _ in range(20):
            if len(focus) > heard:
                break
            pump(0.05)
        return focused()

    def pick(action):
        """Alt+Down, then Down until the popup's current item reads its item."""
        item = action["text"]
        if press("alt+Down").getRoleName() not in ("list", "list item"):
            fault("Alt+Down opened no popup")
            return
        node = press("Home")
        for _ in range(40):
            if node.getRoleName() == "list item" and node.name == item:
                press("Return")
                return
            node = press("Down")
        fault(f"the popup never reached {item}")
        press("Escape")

    def reach(action):
        """Tabs to the action's control, once round the window at most:
        "reached", or None when it never comes.  A profile button: Tab to the
        group, then Right or Left to it, which selects it: "selected"."""
        control = controls[action["id"]]
        option = control["kind"] == "option"
        node = focused()
        for _ in range(len(controls) + 1):
            if node is not None and (node.getRoleName() == "radio button" if option else node.name == control["name"]):
                break
            node = press("Tab")
        else:
            fault(f'Tab never reached "{control["name"]}"')
            return None
        if option and node.name != control["name"]:
            group = [c["name"] for c in controls.values() if c["kind"] == "option"]
            steps = group.index(control["name"]) - group.index(node.name)
            xdo("key", *["Right" if steps > 0 else "Left"] * abs(steps))
            expect_focus(control["name"])
            return "selected"
        return "reached"

    # The typical use, with the keyboard alone: Space on a button or a check
    # box; a profile button is selected as it is reached.
    expect_focus("Vida Deviri, d/dk")
    play(actions, xdo, reach, pick, lambda action, reached: reached != "selected" and xdo("key", "space"))
    pump(0.5)

    print("heard after the typical use:")
    results = 0
    advice = 0
    sections = []
    labels = []
    names = {c["name"] for c in controls.values()}
    for node in walk(frame):
        role = node.getRoleName()
        if role == "label" and node.description and node.description in labels:
            # The section: a label described by the title heard before it.
            sections.append(node)
        elif role == "combo box" or (role == "text" and node.parent.getRoleName() != "combo box"):
            # A list's text is its text field's.
            field = node[0] if role == "combo box" else node
            print(f"  {node.name} = {field.queryText().getText(0, -1)}")
        elif role == "push button" and node.name and node.name not in names:
            # The advice strip, the one button that is no control: its name the line, its description all.
            advice += 1
            strip = node
            print(f"  advice: {node.name}")
        elif role == "label" and ": " in node.name:
            results += 1
            print(f"  {node.name}")
        if role == "label":
            labels.append(node.name)
    if results != 5 or advice != 1:
        fault(f"{results} results and {advice} advice strips heard, expected 5 and 1")
    for node in sections:
        print(f"  section: {node.description}")
        for line in node.name.split("\n"):
            print(f"    {line}")
    if len(sections) != 1 or not sections[0].name:
        fault(f"{len(sections)} sections heard, expected 1 with its lines")
    print("announced as they changed: " + "; ".join(dict.fromkeys(announced)))
    if advice == 1:
        unfold(strip, press, focused)

    # A fault: six ribs to the power 308.
    reach({"id": next(i for i, c in controls.items() if c["name"] == "Kanal Sayısı")})
    xdo("key", "End")
    xdo("type", "E308")
    pump(0.5)
    box = (message_boxes() or [None])[-1]
    if box is None:
        fault("no fault box")
    else:
        size = box.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        texts = [n.name for n in walk(box) if n.getRoleName() == "label" and n.name]
        buttons = [n.name for n in walk(box) if n.getRoleName() == "push button"]
        print(f'fault box: {box.getRoleName()} "{box.name}" {size.width}x{size.height}, '
              f"says {texts}, buttons {buttons}")
        xdo("key", "Return")
        xdo("key", *["BackSpace"] * 4)  # six ribs again

    # Every check box and profile button, clicked two pixels inside the right
    # edge of its box (the control table's); Qt tells a screen reader only
    # the part that its own check box would answer.
    print("clicked near the right edge of the box:")
    boxes = {c["name"]: c["pixels"] for c in controls.values()}
    for node in list(walk(frame)):
        if node.getRoleName() not in ("check box", "radio button"):
            continue
        left, top, width, height = boxes[node.name]
        heard = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        before = node.getState().contains(pyatspi.STATE_CHECKED)
        xdo("mousemove", extents.x + left + width - 2, extents.y + top + height // 2, "click", "1")
        for box in message_boxes():
            print(f'  (a box "{box.name}" opened: {[n.name for n in walk(box) if n.getRoleName() == "label"]})')
            xdo("key", "Return")
        after = node.getState().contains(pyatspi.STATE_CHECKED)
        print(f'  {node.getRoleName()} "{node.name}" box {width}x{height} (extents heard {heard.width}x'
              f"{heard.height}), click at x={width - 2}: {'on' if before else 'off'} -> {'on' if after else 'off'}")
        if node.getRoleName() == "check box" and after == before:
            fault(f'"{node.name}" did not toggle')
        if node.getRoleName() == "radio button" and not after:
            fault(f'"{node.name}" was not selected')
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
