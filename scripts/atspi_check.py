#!/usr/bin/python3
"""Reads the running program over the accessibility bus, as a screen reader does.

For each game: opens it from the menu with its key, lists every object of its window, and fails on a
clickable object (one with a press action or the button role) that has no name. Then plays it with
real key presses (Tab, Shift+Tab, arrows, Space, Enter) and after every few keys checks again, notes
what the focus says and which alerts are showing.

Run by scripts/atspi-check, inside a virtual display and a private session bus.
"""
import random
import subprocess
import sys
import time

import pyatspi

MENU_TITLE = "TOA-TOA Games - The Vozoredu Dora"
KEYS = ["Tab"] * 6 + ["shift+Tab", "Left", "Right", "Up", "Down"] + ["space"] * 5 + ["Return"]


def xdo(*args):
    return subprocess.run(["xdotool", *args], check=False, capture_output=True, text=True).stdout.strip()


def find_app(pid, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.3)
    sys.exit(f"the program (pid {pid}) never showed up on the accessibility bus")


def frames(app):
    found = []
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            found.append(child)
    return found


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def survey(frame):
    """(buttons, unnamed clickable objects, showing alerts, focused object's name)."""
    buttons, unnamed, alerts, focused = 0, [], [], None
    for node in walk(frame):
        role = node.getRole()
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        clickable = role == pyatspi.ROLE_PUSH_BUTTON or "Press" in actions(node)
        if clickable and role != pyatspi.ROLE_MENU_ITEM:
            buttons += 1
            if not node.name.strip():
                unnamed.append(f"{node.getRoleName()} at {node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)}")
        if role == pyatspi.ROLE_ALERT and node.name.strip():
            alerts.append(node.name)
        if states.contains(pyatspi.STATE_FOCUSED) and role not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER):
            focused = f"{node.getRoleName()} «{node.name}»"
    return buttons, unnamed, alerts, focused


def game_frame(app):
    for frame in frames(app):
        if not frame.name.startswith(MENU_TITLE):
            return frame
    return None


def main():
    pid, keys_per_game, seed = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    dice = random.Random(seed)
    app = find_app(pid)
    failures = 0
    for key, caption in [("b", "Bowling"), ("g", "Zidu Dori"), ("f", "La Fisarmonica"), ("r", "La Tavola Rotonda"),
                         ("m", "Margherita"), ("n", "Napoleone"), ("p", "Poker"), ("y", "Yahtzee")]:
        menu = xdo("search", "--name", MENU_TITLE).splitlines()
        if not menu:
            sys.exit(f"the menu window is not there before {caption}")
        xdo("windowfocus", "--sync", menu[0], "key", f"ctrl+{key}")
        frame = None
        for _ in range(40):
            time.sleep(0.25)
            frame = game_frame(app)
            if frame is not None:
                break
        if frame is None:
            print(f"FAIL {caption}: no game window on the bus")
            failures += 1
            continue
        window = xdo("search", "--onlyvisible", "--name", frame.name.split(" - ")[0]).splitlines()
        # A new game from the File menu, so the timed games have their table dealt.
        xdo("windowfocus", "--sync", window[-1], "key", "alt+f")
        time.sleep(0.4)
        xdo("key", "Return")
        time.sleep(1.5)
        xdo("key", "Return")  # a question about abandoning a game in play: Yes
        time.sleep(1.0)
        most_buttons, unnamed_seen, alerts_seen, focus_seen = 0, set(), set(), []
        for step in range(keys_per_game):
            if step % 5 == 0:
                buttons, unnamed, alerts, focused = survey(frame)
                most_buttons = max(most_buttons, buttons)
                unnamed_seen.update(unnamed)
                alerts_seen.update(alerts)
                if focused and (not focus_seen or focus_seen[-1] != focused):
                    focus_seen.append(focused)
            xdo("windowfocus", "--sync", window[-1], "key", dice.choice(KEYS))
            time.sleep(0.05)
        print(f"{caption}: up to {most_buttons} buttons showing, {len(unnamed_seen)} without a name; "
              f"{len(focus_seen)} focus stops heard; alerts heard: {sorted(alerts_seen) or 'none'}")
        for sample in focus_seen[:6]:
            print(f"    focus: {sample}")
        for problem in sorted(unnamed_seen):
            print(f"    FAIL unnamed: {problem}")
        if unnamed_seen or most_buttons == 0:
            failures += 1
        # Leave by File > Esci and answer Yes; a message held on the table takes no keys, so try again.
        for _ in range(5):
            xdo("windowfocus", "--sync", window[-1], "key", "Escape")
            xdo("windowfocus", "--sync", window[-1], "key", "alt+f")
            time.sleep(0.4)
            xdo("key", "Up", "Return")
            time.sleep(0.8)
            xdo("key", "Return")
            time.sleep(1.5)
            if xdo("search", "--onlyvisible", "--name", MENU_TITLE):
                break
            time.sleep(3)
    print("atspi-check:", "all eight games read" if failures == 0 else f"{failures} game(s) failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
