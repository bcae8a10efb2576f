#!/usr/bin/python3
"""Asks game windows to close the way the window system does, and counts the answered requests.

Opens each game from the menu by its key and sends the game window a WM_DELETE_WINDOW client message
(what a window manager sends when the close box is pressed) a moment after the window appears; the
question it brings is answered No with Escape, and the next request follows in the same breath as
that key; the question it brings is answered Yes with Enter and the menu comes back. A request that
brings no question within a few seconds (a close during a banner's hold is asked when the hold ends)
is counted as unanswered, and the game is then left by a further request or by File > Esci, so the
next round trip starts from the menu.

Run by scripts/close-check, inside a virtual display with no window manager.
"""
import os
import subprocess
import sys
import time

from Xlib import X, XK, Xatom, display, protocol
from Xlib.ext import xtest

MENU_TITLE = "TOA-TOA Games - The Vozoredu Dora"
QUESTION_TITLES = {"ABBANDONA", "TORNA AL MENU"}
KEYS = os.environ.get("CLOSE_CHECK_KEYS", "bgfrmnpy")
# A close asked for while a banner is held is carried out when the hold ends: the longest hold is 5 s.
ANSWER_SECONDS = float(os.environ.get("CLOSE_CHECK_ANSWER_SECONDS", 7))

dpy = display.Display()
root = dpy.screen().root
WM_PROTOCOLS = dpy.intern_atom("WM_PROTOCOLS")
WM_DELETE_WINDOW = dpy.intern_atom("WM_DELETE_WINDOW")
NET_WM_NAME = dpy.intern_atom("_NET_WM_NAME")
UTF8 = dpy.intern_atom("UTF8_STRING")


def xdo(*args):
    subprocess.run(["xdotool", *args], check=False, capture_output=True)


def name_of(window):
    try:
        prop = window.get_full_property(NET_WM_NAME, UTF8)
        if prop and prop.value:
            return prop.value.decode("utf-8", "replace")
        prop = window.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
        if prop and prop.value:
            value = prop.value
            return value.decode("latin-1") if isinstance(value, bytes) else str(value)
    except Exception:
        pass
    return ""


def shown_windows():
    """(window, title) of every mapped top-level window that has a title, in stacking order."""
    found = []
    for child in root.query_tree().children:
        try:
            if child.get_attributes().map_state != X.IsViewable:
                continue
        except Exception:
            continue
        title = name_of(child)
        if title:
            found.append((child, title))
    return found


def wait_for(predicate, timeout):
    end = time.time() + timeout
    while True:
        found = predicate(shown_windows())
        if found is not None or time.time() >= end:
            return found
        time.sleep(0.02)


def menu(windows):
    return next((w for w, t in windows if t.startswith(MENU_TITLE)), None)


def question(windows, other_than=None):
    return next((w for w, t in windows if t in QUESTION_TITLES and w.id != other_than), None)


def game(windows):
    return next((w for w, t in windows if not t.startswith(MENU_TITLE) and t not in QUESTION_TITLES
                 and t != "TOA-TOA Games"), None)


def close_request(window):
    """What a window manager sends when the close box is pressed."""
    event = protocol.event.ClientMessage(
        window=window, client_type=WM_PROTOCOLS,
        data=(32, [WM_DELETE_WINDOW, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    dpy.flush()


def answer(box, key):
    """Return answers Yes (the default button), Escape answers No."""
    xdo("windowfocus", "--sync", str(box.id))
    xdo("key", key)


def leave_anyway(window):
    """A second close request, then File > Esci; the question or None."""
    close_request(window)
    box = wait_for(question, ANSWER_SECONDS)
    if box is None:
        xdo("windowfocus", "--sync", str(window.id))
        xdo("key", "alt+f")
        time.sleep(0.3)
        xdo("key", "Up", "Return")
        box = wait_for(question, 5)
    return box


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 24
    delay = float(sys.argv[2]) if len(sys.argv) > 2 else 0.3
    answered = unanswered = 0
    lost = []
    for n in range(rounds):
        key = KEYS[n % len(KEYS)]
        shown = wait_for(menu, 10)
        if shown is None:
            sys.exit(f"round {n + 1}: the menu window is not there")
        # No window manager: the menu window is given the keyboard by hand.
        xdo("windowfocus", "--sync", str(shown.id))
        xdo("key", f"ctrl+{key}")
        window = wait_for(game, 10)
        if window is None:
            sys.exit(f"round {n + 1}: ctrl+{key} opened no game window")
        title = name_of(window)
        # Twice: a moment after the window appears, answered No; then a moment after that answer.
        box = None
        for attempt in range(2):
            if attempt == 0:
                time.sleep(delay)
            # A question box is a window of its own: the one just answered does not count again.
            answered_box = box.id if box is not None else None
            close_request(window)  # flushes the key too
            box = wait_for(lambda windows: question(windows, answered_box), ANSWER_SECONDS)
            if box is not None:
                answered += 1
            else:
                unanswered += 1
                lost.append(f"{title} ({'on opening' if attempt == 0 else 'after a No'})")
                if os.environ.get("CLOSE_CHECK_VERBOSE"):
                    print(f"round {n + 1}: no question in {title}; showing: "
                          + ", ".join(t for _, t in shown_windows()), flush=True)
                box = leave_anyway(window)
                if box is None:
                    sys.exit(f"round {n + 1}: {title} cannot be left")
            if attempt == 0:
                # No, and the next request follows at once, in the same breath as the key.
                xdo("windowfocus", "--sync", str(box.id))
                escape = dpy.keysym_to_keycode(XK.string_to_keysym("Escape"))
                xtest.fake_input(dpy, X.KeyPress, escape)
                xtest.fake_input(dpy, X.KeyRelease, escape)
        answer(box, "Return")
        if wait_for(menu, 10) is None:
            sys.exit(f"round {n + 1}: the menu did not come back after {title}")
        # The game window is gone before the next one opens.
        wait_for(lambda windows: None if game(windows) else True, 5)
    print(f"close requests: {answered + unanswered}, answered {answered}, unanswered {unanswered}")
    for title in lost:
        print(f"  unanswered in {title}")
    return 1 if unanswered else 0


if __name__ == "__main__":
    sys.exit(main())
