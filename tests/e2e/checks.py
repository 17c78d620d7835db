# SPDX-License-Identifier: GPL-3.0-or-later
"""What the scripts that drive the program on a real display share: a failed
check, and waiting for something on the screen."""

import time


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


def splash(xdotool):
    """The visible splash, or None. Without a title bar it goes by the
    program's name, as the calendar window does: it is told by its width."""
    for wid in xdotool("search", "--onlyvisible", "--name", "^Cyclane Duvivarode$").split():
        if "WIDTH=379\n" in xdotool("getwindowgeometry", "--shell", wid):
            return wid
    return None
