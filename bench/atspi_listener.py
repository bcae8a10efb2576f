#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does (every object, window and focus event), so
the program sends what it would send to Orca; counts the events by kind and writes the counts to a
file when it is stopped (the bench scripts read how busy the bus was).
   atspi_listener.py OUT_FILE
"""
import collections
import signal
import sys

import pyatspi
from gi.repository import GLib

counts = collections.Counter()


def heard(event):
    counts[event.type] += 1


def stop():
    with open(sys.argv[1], "w") as out:
        for kind, n in counts.most_common():
            out.write(f"{n:8d} {kind}\n")
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


for kind in ("object", "window", "focus"):
    pyatspi.Registry.registerEventListener(heard, kind)
# The main loop runs in GLib: the signal is taken there.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
pyatspi.Registry.start()
