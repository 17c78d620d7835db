// SPDX-License-Identifier: GPL-3.0-or-later
// Does what a window manager's close box does: sends WM_DELETE_WINDOW to a
// top-level window. The end-to-end run has no window manager.
// Usage: wmclose <window-id>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wmclose <window-id>\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return 2;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &ev);
    XCloseDisplay(dpy);
    return 0;
}
