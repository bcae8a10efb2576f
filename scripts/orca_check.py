#!/usr/bin/python3
"""Plays each game with real key presses while Orca listens, and checks what Orca says.

After every key the lines Orca's debug file gains under "SPEECH OUTPUT" are what a blind player heard
for that key. Each game has a few moves with what must be heard after them (the control the focus
lands on, the new name of the control under the focus, a message); every move is also checked for a
name said twice, a caption said beside the box that already says it, and a bare sign ("X", "/").

Run by scripts/orca-check, inside a virtual display and a private session bus with Orca running.
"""
import datetime
import os
import re
import signal
import subprocess
import sys
import time

MENU_TITLE = "TOA-TOA Games - The Vozoredu Dora"
QUESTION_TITLES = ("ABBANDONA", "TORNA AL MENU")
SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'\s*\{'established")
# The roles Orca says after a name; its echo of the keys pressed, which is not the game's.
ROLES = re.compile(r"\s*\b(push button|frame|label|alert|image|filler|panel|dialog|text)\.?$")
KEY_ECHO = {"tab", "space", "left", "right", "up", "down", "return", "enter", "shift", "left shift", "escape",
            "left alt", "f"}
BARE_SIGNS = {"X", "/", "x"}


def xdo(*args):
    return subprocess.run(["xdotool", *args], check=False, capture_output=True, text=True).stdout.strip()


class Ear:
    """What Orca said, from its debug file, each with the time Orca logged it.

    Orca writes the file through a buffer, so it is read once Orca has stopped and the file is whole."""

    TIME = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - ")

    def __init__(self, path):
        self.heard = []  # (time, words)
        now = 0.0
        with open(path, "rb") as log:
            for line in log.read().decode("utf-8", "replace").splitlines():
                stamp = self.TIME.match(line)
                if stamp:
                    now = int(stamp.group(1)) * 3600 + int(stamp.group(2)) * 60 + float(stamp.group(3))
                spoken = SPOKEN.match(line)
                if spoken:
                    words = spoken.group(4).strip()
                    # Key echo and the window's title as it comes up are Orca's, not the game's.
                    if words.lower() in KEY_ECHO or words.endswith(" frame."):
                        continue
                    self.heard.append((now, ROLES.sub("", words).strip() or words))


def seconds_of_day():
    now = datetime.datetime.now()
    return now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6


class Game:
    """One game's keys as they were pressed, with what must be heard after each; judged at the end."""

    def __init__(self, title, window):
        self.title = title
        self.window = window
        self.moves = []  # (time pressed, key, expected pattern or None, why)
        self.end = None

    def press(self, key, expect=None, why="", pause=1.1):
        """Presses `key` in the game window; `expect`, a pattern, must be heard after it."""
        xdo("windowfocus", "--sync", self.window, "key", key)
        self.moves.append((seconds_of_day(), key, expect, why))
        time.sleep(pause)

    def judge(self, ear):
        """Orca lags behind the keys by a varying time on a busy machine, so what must be heard is looked
        for in order in everything said during the game, each after the one before; a doubled event shows
        as the same words said twice within a moment, which two key presses never are."""
        failures = []
        said = [(t, w) for t, w in ear.heard if self.moves[0][0] - 0.3 <= t <= self.end]
        transcript = ["keys: " + " ".join(key for _, key, _, _ in self.moves), "heard: " + " | ".join(w for _, w in said)]
        at = 0
        for _, key, expect, why in self.moves:
            if not expect:
                continue
            found = next((i for i in range(at, len(said)) if re.search(expect, said[i][1])), None)
            if found is None:
                failures.append(f"after {key} ({why}) expected /{expect}/ in what followed")
            else:
                at = found + 1
        for i, (t, w) in enumerate(said):
            if w in BARE_SIGNS:
                failures.append(f"a bare sign was read: {w!r}")
            for t2, w2 in said[i + 1:]:
                if t2 - t > 0.5:
                    break
                if w2 == w:
                    failures.append(f"{w!r} was said twice at once")
                # "TRIS" beside "TRIS: 18": a caption said again by the box that carries it.
                if w2.startswith(w + ":") or w.startswith(w2 + ":"):
                    failures.append(f"a caption was said beside the box that reads it: {w!r}, {w2!r}")
        return failures, transcript


def open_game(menu_key, title, new_game):
    menu = xdo("search", "--name", MENU_TITLE).splitlines()
    if not menu:
        return None
    xdo("windowfocus", "--sync", menu[0], "key", f"ctrl+{menu_key}")
    for _ in range(40):
        time.sleep(0.25)
        found = xdo("search", "--onlyvisible", "--name", title).splitlines()
        if found:
            window = found[-1]
            # Orca reads the new window's title and its focus first.
            time.sleep(2.0)
            if not new_game:
                return window
            # A new game, so the timed games have their table dealt: by its shortcut where the game
            # has one, else from the File menu.
            if new_game != "menu":
                xdo("windowfocus", "--sync", window, "key", new_game)
                time.sleep(2.0)
                return window
            # Alt+F opens the File menu, but Orca lets the Alt's release through first, which closes it
            # again: the menu is opened with the pointer, as setup, and its first item taken.
            time.sleep(1.0)
            xdo("mousemove", "--window", window, "20", "10", "click", "1")
            time.sleep(1.0)
            xdo("key", "Down", "Return")
            time.sleep(1.5)
            return window
    return None


def close_request(window):
    """What a window manager sends when the close box is pressed."""
    from Xlib import X, display, protocol
    dpy = display.Display()
    target = dpy.create_resource_object("window", int(window))
    event = protocol.event.ClientMessage(
        window=target, client_type=dpy.intern_atom("WM_PROTOCOLS"),
        data=(32, [dpy.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    target.send_event(event, event_mask=X.NoEventMask)
    dpy.flush()
    dpy.close()


def leave_game(window, title):
    """Asks the game window to close, as its close box does, and answers Yes to the leaving question."""
    for _ in range(4):
        close_request(window)
        # A close asked for during a message's hold is asked when the hold ends (5 s at most).
        for _ in range(32):
            time.sleep(0.25)
            question = [w for name in QUESTION_TITLES
                        for w in xdo("search", "--onlyvisible", "--name", f"^{name}$").splitlines()]
            if question:
                xdo("windowfocus", "--sync", question[-1], "key", "Return")
                break
        time.sleep(1.5)
        if not xdo("search", "--onlyvisible", "--name", title):
            return True
    return False


# A card as the games name it ("Otto di fiori", "Re di bastoni"), then a place with no card.
CARD = (r"\b(Asso|Due|Tre|Quattro|Cinque|Sei|Sette|Otto|Nove|Dieci|Fante|Donna|Re|Cavallo)"
        r" di (cuori|quadri|fiori|picche|coppe|denari|spade|bastoni)")
SAID = r"\S"  # something: the control the focus is on


def bowling(game):
    game.press("Tab", SAID, "the focus lands on the table")
    for key in ["Right", "Right", "Down", "Left"]:
        game.press(key, SAID, "the control the focus moves to")
    game.press("space")
    game.press("Tab", SAID, "the next control")
    game.press("space")


def zidu_dori(game):
    # The hole opens with its banner, and with a penalty's when a king starts pile 0: the table takes
    # no key meanwhile. Then the focus comes in at the piles' row.
    time.sleep(7.0)
    game.press("Tab", SAID, "the focus lands on the table")
    for key in ["Right", "Right", "Left"]:
        game.press(key, "bloccata|giocabile|mazzetto|Mazzo|" + CARD, "a card or a pile and what it can do")
    game.press("space")
    game.press("Tab", SAID, "the next control")
    game.press("space")


def fisarmonica(game):
    game.press("shift+Tab", "Mazzo: 52", "Shift+Tab from the window reaches the deck")
    # Each card laid from the deck under the focus: the deck's new count is read at once.
    game.press("space", "Mazzo: 51", "the deck under the focus says what is left")
    game.press("space", "Mazzo: 50", "the deck under the focus says what is left")
    game.press("Tab", CARD, "the first card laid")
    game.press("Right", CARD, "the second card laid")
    game.press("space", CARD + ", selezionata", "the card chosen under the focus")
    game.press("Left", CARD, "back to the first card")


def tavola(game):
    game.press("Tab", "Posto vuoto", "the focus lands on the empty board")
    # The new game may have left the focus on the first place: four steps right reach the card in hand
    # at the end of the top row either way.
    for _ in range(3):
        game.press("Right")
    game.press("Right", CARD + ", in mano", "the card in hand, at the end of the top row")
    game.press("space", CARD + ", in mano, selezionata", "the card in hand taken up under the focus")
    game.press("Left", "Posto vuoto", "the corner beside it")
    # The card goes to the corner, or a court card that does not belong there holds the board a moment.
    game.press("space", pause=2.5)
    game.press("Down", SAID, "the place below")


def margherita(game):
    game.press("Tab", SAID, "the focus lands on the table")
    game.press("Tab", "Carta coperta", "a face-down card")
    # Space turns the focused card face up: its new name is read at once.
    game.press("space", CARD, "the card turned under the focus says what it is")
    # The deal decides what follows: a card to turn, a blocked one, or the end.
    game.press("Right", SAID, "the next card")
    game.press("space")
    game.press("Tab", SAID, "the next control")


def napoleone(game):
    game.press("Tab", CARD, "the focus lands on a card of the table")
    for key in ["Right", "Right", "Down"]:
        game.press(key, CARD, "the card the focus moves to")
    game.press("space")
    game.press("Tab", SAID, "the next control")


def poker(game):
    game.press("Tab", CARD, "a card of the hand")
    game.press("space", CARD + ", Scarta", "the card marked under the focus")
    game.press("Right", CARD, "the next card")
    game.press("Down", "Gioca", "the play button below the cards")
    # The hand is drawn and valued: Gioca hides meanwhile, and no card is read in its place.
    game.press("space", None, pause=6.0)
    game.press("Up", CARD, "the cards of the next hand")


def yahtzee(game):
    game.press("Tab", "Dado", "a die")
    game.press("Down", "Nuova|Cambia", "from the dice Down leads to the roll button, before the card")
    # The roll is greyed while the dice tumble: the focus passes to the first die, heard as it lands.
    game.press("space", r"Dado 1: (uno|due|tre|quattro|cinque|sei)$", "the die landed under the focus", pause=2.5)
    game.press("space", "da cambiare", "the die marked under the focus")
    game.press("Down", "Cambia", "the roll button again")
    box = r"^(ASSI|DUE|TRE|QUATTRO|CINQUE|SEI|TRIS|POKER|FULL|SCALA M..|YAHTZEE|CHANGE): "
    game.press("Down", box, "a box of the card, read with its row")
    game.press("Down", box, "the box below")


GAMES = {
    "b": ("Bowling", bowling),
    "g": ("Zidu Dori", zidu_dori),
    "f": ("La Fisarmonica", fisarmonica),
    "r": ("La Tavola Rotonda", tavola),
    "m": ("Margherita", margherita),
    "n": ("Napoleone", napoleone),
    "p": ("Poker", poker),
    "y": ("Yahtzee", yahtzee),
}


# How each timed game gets its table dealt.
NEW_GAME = {"f": "ctrl+n", "r": "ctrl+n", "n": "menu"}  # Napoleone's "Nuova Partita" has no shortcut


def wait_for_orca(path, limit=90):
    """Until Orca listens to the desktop's events (its debug file says so)."""
    end = time.time() + limit
    while time.time() < end:
        try:
            with open(path, "rb") as log:
                if b"EVENT MANAGER: Activated" in log.read():
                    time.sleep(2)
                    return True
        except FileNotFoundError:
            pass
        time.sleep(0.5)
    return False


def main():
    orca_pid, log_path, keys = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    if not wait_for_orca(log_path):
        sys.exit("orca-check: Orca did not start listening in 90 s")
    games, began, stalled = [], time.time(), []
    for menu_key in keys:
        title, play = GAMES[menu_key]
        window = open_game(menu_key, title, NEW_GAME.get(menu_key))
        if window is None:
            stalled.append(f"{title}: the game window did not open")
            continue
        game = Game(title, window)
        play(game)
        game.end = seconds_of_day()
        games.append(game)
        if not leave_game(window, title):
            stalled.append(f"{title}: the game window would not close")
            break
    # Orca ends and its debug file is written whole.
    try:
        os.kill(orca_pid, signal.SIGTERM)
    except ProcessLookupError:
        stalled.append("Orca ended during the games")
    for _ in range(40):
        try:
            os.kill(orca_pid, 0)
        except ProcessLookupError:
            break
        time.sleep(0.25)
    ear = Ear(log_path)
    heard = ear.heard
    last_key = max((g.moves[-1][0] for g in games if g.moves), default=None)
    if not heard:
        stalled.append("Orca said nothing at all (is the speech server blocked?)")
    elif last_key is not None and heard[-1][0] < last_key - 20:
        stalled.append("Orca stopped speaking %.0f s before the last key" % (last_key - heard[-1][0]))
    failed = []
    for game in games:
        failures, transcript = game.judge(ear)
        print(f"{game.title}:")
        for line in transcript:
            print(f"    {line}")
        for failure in failures:
            print(f"    FAIL {failure}")
        if failures:
            failed.append(next(k for k, (title, _) in GAMES.items() if title == game.title))
    for problem in stalled:
        print(f"STALLED {problem}")
    print(f"orca-check: {len(games)} game(s) played in {time.time() - began:.0f} s;",
          "every one heard as it should be" if not failed else f"{len(failed)} failed")
    # The games to try again: those heard wrong, and those a stalled desktop left unplayed.
    played = {k for k, (title, _) in GAMES.items() if any(g.title == title for g in games)}
    if failed and len(sys.argv) > 4:
        with open(sys.argv[4], "w") as out:
            out.write("".join(failed) + "".join(k for k in keys if k not in played))
    # A desktop that stalls (a slow machine, Orca hanging on its speech) says nothing of the program: the
    # caller may try again. A game heard wrong is a failure.
    return 1 if failed else 3 if stalled else 0


if __name__ == "__main__":
    sys.exit(main())
