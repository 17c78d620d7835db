# SPDX-License-Identifier: GPL-3.0-or-later
"""A private Xvfb for the tests that drive the program on a real display.

The server takes a display number nobody holds (-displayfd), listens on no
TCP port, and admits only clients holding its cookie, so that no other local
client can connect to it during a run."""

import os
import secrets
import subprocess
import time


def start(workdir, timeout=15.0):
    """Starts the server; (process, environment for its clients), or
    (None, None) when no X server can be started."""
    auth = os.path.join(workdir, "xauthority")
    cookie = secrets.token_hex(16)

    def add(display):
        subprocess.run(["xauth", "-q", "-f", auth, "add", display, "MIT-MAGIC-COOKIE-1", cookie],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    try:
        # The server reads every cookie in the file; its own display number
        # is known only once it runs, so a placeholder entry carries it first.
        add(":0")
        os.chmod(auth, 0o600)
        read_fd, write_fd = os.pipe()
        # No reset when the last client leaves: a client connecting then
        # can be refused.
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-auth", auth, "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except (OSError, subprocess.CalledProcessError):
        return None, None
    os.close(write_fd)
    number = b""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline and not number.endswith(b"\n"):
        part = os.read(read_fd, 16)
        if not part:
            break
        number += part
    os.close(read_fd)
    if not number.strip():
        stop(server)
        return None, None
    display = ":" + number.decode().strip()
    add(display)
    env = dict(os.environ, DISPLAY=display, XAUTHORITY=auth)
    if subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
        stop(server)
        return None, None
    return server, env


def stop(server):
    if server and server.poll() is None:
        server.kill()
    if server:
        server.wait()
