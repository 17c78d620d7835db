#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program against faults from outside, on its own X servers.

A termination signal (a logout's SIGTERM, a closed terminal's SIGHUP,
Ctrl+C's SIGINT) after a goal is chosen must end it with status 0 and the
goal saved. Its X server killed at the splash and with the calendar window
showing must end it without a memory error, an abort or a crash, with the
settings file whole and the inputs saved. Started where no display can be
opened, it must say so and end with status 1, writing nothing. Exit status 77
(skipped) only when no X server can be started.
"""

import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time

import xserver
from checks import Failure, check
import checks

SKIP = 77
CALENDAR = "Cyclane Duvivarode"
UPDATES = "Checking for Updates"
PANEL = (0xFD, 0xFF, 0xC9)  # the calendar window's panels
# What sanitizers, glibc's heap checks and Qt's fatal errors print.
CRASH_MARKS = ("Sanitizer", "runtime error:", "corrupted", "double free", "free():", "QFATAL", "terminate called")


def wait_for(what, probe):
    # The sanitizer build starts and stops slowly.
    return checks.wait_for(what, probe, 30.0)


class Session:
    """One X server, and the program started on it with the given home."""

    def __init__(self, workdir, home, program):
        self.server, self.env = xserver.start(workdir)
        if not self.server:
            raise Failure("no X server")
        env = dict(self.env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DESKTOP_DIR=os.path.join(home, "Desktop"), XDG_RUNTIME_DIR=os.path.join(home, "run"),
                   QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        env.pop("SESSION_MANAGER", None)
        self.log = os.path.join(home, f"program-{time.monotonic_ns()}.log")
        with open(self.log, "wb") as log:
            self.proc = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True).stdout

    def window(self, title):
        ids = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$").split()
        return ids[0] if ids else None

    def splash(self):
        return checks.splash(self.xdotool)

    def click(self, wid, x, y, content_height):
        """Clicks at content coordinates, below the window's menu bar if any."""
        geo = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", wid).split())
        top = int(geo["Y"]) + int(geo["HEIGHT"]) - content_height
        self.xdotool("mousemove", int(geo["X"]) + x, top + y, "click", "1")

    def pixel(self, wid, x, y, content_height):
        """The colour at content coordinates, as the screen shows it."""
        geo = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", wid).split())
        top = int(geo["Y"]) + int(geo["HEIGHT"]) - content_height
        rgb = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{int(geo['X']) + x}+{top + y}",
                              "-depth", "8", "rgb:-"], env=self.env, capture_output=True).stdout
        return tuple(rgb[:3])

    def past_first_start_panels(self, calendar):
        """Agree on the disclaimer, then the quick start's Ok."""
        wait_for("the disclaimer", lambda: self.pixel(calendar, 400, 176, 335) == PANEL)
        self.click(calendar, 506, 162, 335)  # Agree
        wait_for("the quick start", lambda: self.pixel(calendar, 300, 230, 335) == PANEL)
        self.click(calendar, 450, 221, 335)  # Ok
        wait_for("the quick start to go", lambda: self.pixel(calendar, 300, 230, 335) != PANEL)

    def calendar(self):
        splash = wait_for("the splash", self.splash)
        self.click(splash, 262, 171, 214)  # Ok
        wait_for("the splash to go", lambda: not self.splash())
        return wait_for("the calendar window", lambda: self.window(CALENDAR))

    def ended(self, what):
        try:
            rc = self.proc.wait(timeout=60)
        except subprocess.TimeoutExpired:
            raise Failure(f"{what}: the program did not end")
        with open(self.log, errors="replace") as f:
            text = f.read()
        marks = [m for m in CRASH_MARKS if m in text]
        check(not marks, f"{what}: the program reported {marks}:\n{text}")
        check(rc >= 0, f"{what}: the program died of signal {-rc}:\n{text}")
        return rc

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        xserver.stop(self.server)
        if isinstance(error, Failure):
            with open(self.log, errors="replace") as f:
                raise Failure(f"{error}; the program's output:\n{f.read()}") from None


def stored(args, home):
    path = os.path.join(home, ".config", "com.tarcyc Prefs")
    check(os.path.exists(path), "no settings file")
    r = subprocess.run([args.prefsdump, path], capture_output=True, text=True)
    check(r.returncode == 0, f"the settings file does not load whole: {r.stdout}")
    return dict(line.split("=", 1) for line in r.stdout.splitlines())


def signals(args, workdir, home):
    """Each signal after a goal is chosen in a fresh home; the goal kept."""
    for sig, goal, y in ((signal.SIGTERM, "rbnino", 100), (signal.SIGHUP, "rbnina", 122),
                         (signal.SIGINT, "rbconcebir", 78)):
        what = f"{sig.name} after choosing {goal}"
        os.makedirs(home)
        with Session(workdir, home, args.program) as s:
            calendar = s.calendar()
            # A first start asks the update site; its window goes first.
            updates = wait_for("the update window", lambda: s.window(UPDATES))
            s.click(updates, 255, 162, 190)  # Close
            wait_for("the update window to close", lambda: not s.window(UPDATES))
            s.past_first_start_panels(calendar)
            s.click(calendar, 524, y, 335)
            time.sleep(0.5)
            s.proc.send_signal(sig)
            check(s.ended(what) == 0, f"{what}: the program did not end with status 0")
        check(stored(args, home).get(goal) == "true", f"{what}: the goal was not saved")
        if sig != signal.SIGINT:
            os.rename(home, f"{home}-{sig.name}")


def display_lost(args, workdir, home):
    """The X server killed at the splash, then with the calendar window
    after a goal is chosen: the settings as they were, then with the goal."""
    for moment in ("the splash", "the calendar window"):
        with Session(workdir, home, args.program) as s:
            if moment == "the splash":
                wait_for("the splash", s.splash)
            else:
                calendar = s.calendar()
                updates = wait_for("the update window", lambda: s.window(UPDATES))
                s.click(updates, 255, 162, 190)  # Close
                wait_for("the update window to close", lambda: not s.window(UPDATES))
                s.past_first_start_panels(calendar)
                s.click(calendar, 524, 57, 335)  # Avoid
            time.sleep(0.5)
            s.server.kill()
            s.ended(f"the X server killed at {moment}")
        goals = {k: v for k, v in stored(args, home).items() if k.startswith("rb")}
        expected = "rbconcebir" if moment == "the splash" else "rbevitar"
        check(goals.get(expected) == "true", f"the display lost at {moment}: the goals saved are {goals}")


def no_display(args, workdir):
    """DISPLAY unset, then naming a display that no server serves: the program
    says that no display could be opened and ends with status 1, as every
    other failure does, and leaves no settings behind. A platform that cannot
    be loaded is no missing display: the program says what Qt said."""
    free = next(n for n in range(100, 1000)
                if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"))
    cases = (("DISPLAY unset", None, None, "no display could be opened"),
             (f"DISPLAY=:{free}", f":{free}", "xcb", "no display could be opened"),
             ("QT_QPA_PLATFORM=bogus", f":{free}", "bogus", 'Could not find the Qt platform plugin "bogus"'))
    for what, display, platform, reason in cases:
        home = os.path.join(workdir, f"no-display-{free}-{what.split('=')[0]}")
        config = os.path.join(home, ".config")
        os.makedirs(config)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=home, LC_ALL="C.UTF-8")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER"):
            env.pop(name, None)
        if display:
            env["DISPLAY"] = display
        if platform:
            env["QT_QPA_PLATFORM"] = platform
        r = subprocess.run([args.program], env=env, capture_output=True, text=True, timeout=60)
        said = r.stdout + r.stderr
        check(r.returncode == 1, f"{what}: the program ended with status {r.returncode}, not 1:\n{said}")
        check(reason in said, f"{what}: the program did not say why:\n{said}")
        program = os.path.basename(args.program)
        check(all(line.startswith(program + ": ") for line in said.strip().splitlines()),
              f"{what}: not every line is said on the program's behalf:\n{said}")
        if reason.startswith("no display"):
            check(len(said.strip().splitlines()) == 1,
                  f"{what}: the program said more than why, as if its installation were broken:\n{said}")
        else:
            check("no display" not in said, f"{what}: the program blamed the display:\n{said}")
        check(not os.listdir(config), f"{what}: the program wrote {os.listdir(config)}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--program", required=True)
    ap.add_argument("--prefsdump", required=True)
    args = ap.parse_args()
    with tempfile.TemporaryDirectory() as workdir:
        try:
            no_display(args, workdir)
        except Failure as e:
            print(f"FAILED: {e}", file=sys.stderr)
            return 1
        probe, _ = xserver.start(workdir)
        if not probe:
            print("no X server could be started: skipped")
            return SKIP
        xserver.stop(probe)
        home = os.path.join(workdir, "home")
        try:
            signals(args, workdir, home)
            display_lost(args, workdir, home)
        except Failure as e:
            print(f"FAILED: {e}", file=sys.stderr)
            return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
