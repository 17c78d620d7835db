// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took to map its first window,
// timed by the X server's own MapNotify event on the root window (no
// polling). Every top-level window is watched with the DAMAGE extension, so
// a window counts as painted once the program has drawn its whole area (the
// first window) or has flushed it once (the one timed after a click: a
// window shown under another one is drawn only where it shows).
//
// Prints "<map ms> <pid>" on stdout; with -c, "<map ms> <pid> <click ms>".
//   -k            kill and reap the program afterwards, so that runs do not
//                 overlap; without it, it keeps running.
//   -t SECONDS    give up after that long (30).
//   -c X,Y        once the first window is painted and the program has had
//                 half a second more, click at X,Y in it (a negative Y counts
//                 from its bottom edge) and time from the button's release
//                 to the first window then mapped being painted.
//   -n NAME       with -c: the window whose paint ends the timing is the
//                 first one of that title mapped after the click.
//   -q            before reporting, wait until no window has been painted
//                 for 1.5 s (and at least 3 s after the click), so that
//                 whatever the program does after showing has ended.
// Usage: mapwatch [-k] [-t seconds] [-c x,y [-n name]] [-q] program [args...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now_ms()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Watched {
    long long painted = 0;   // area drawn since it was mapped
    long long area = 0;      // its whole area
    bool mapped = false;
    double whole = -1;       // when it was first painted whole
    double mapped_at = -1;
    // The paints of one flush come within a millisecond of each other.
    double burst_start = -1, burst_last = -1;
    long long burst_area = 0;
    double flushed = -1;     // the end of the program's first flush
};

// Windows created and destroyed again may raise errors on late requests.
int ignore_errors(Display*, XErrorEvent*)
{
    return 0;
}

std::string title_of(Display* dpy, Window w)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(dpy, w, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title;
}

} // namespace

int main(int argc, char** argv)
{
    int kill_after = 0;
    double timeout_s = 30;
    bool click = false, quiet = false;
    int click_x = 0, click_y = 0;
    std::string target_name;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (strcmp(argv[i], "-k") == 0)
            kill_after = 1;
        else if (strcmp(argv[i], "-t") == 0 && i + 1 < argc)
            timeout_s = atof(argv[++i]);
        else if (strcmp(argv[i], "-c") == 0 && i + 1 < argc && sscanf(argv[++i], "%d,%d", &click_x, &click_y) == 2)
            click = true;
        else if (strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            target_name = argv[++i];
        else if (strcmp(argv[i], "-q") == 0)
            quiet = true;
        else
            break;
    }
    if (i >= argc) {
        fprintf(stderr, "usage: mapwatch [-k] [-t seconds] [-c x,y [-n name]] [-q] program [args...]\n");
        return 2;
    }
    // A server that has just started may still refuse for a moment.
    Display* dpy = nullptr;
    for (int tries = 0; !dpy && tries < 40; ++tries) {
        dpy = XOpenDisplay(nullptr);
        if (!dpy)
            usleep(50000);
    }
    if (!dpy) {
        fprintf(stderr, "mapwatch: cannot open display\n");
        return 2;
    }
    int damage_event = 0, damage_error = 0, xtest = 0, unused = 0;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error)
        || !XTestQueryExtension(dpy, &xtest, &unused, &unused, &unused)) {
        fprintf(stderr, "mapwatch: the server lacks DAMAGE or XTEST\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(dpy);
    // Listening before the program starts, so no map can slip by.
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[i], argv + i);
        _exit(127);
    }
    const auto fail = [&](const char* what) {
        fprintf(stderr, "mapwatch: %s\n", what);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    };

    std::map<Window, Watched> windows;
    Window first = 0;            // the first window mapped
    double mapped = -1;          // when it was mapped
    double clicked = -1;         // when the click's release was sent
    Window target = 0;           // the window whose paint ends the click's timing
    double last_paint = start;
    const int fd = ConnectionNumber(dpy);
    const bool debug = getenv("MAPWATCH_DEBUG");
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (debug)
                fprintf(stderr, "%8.2f ev %d win %lx\n", now_ms() - start, ev.type, ev.xany.window);
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root) {
                const Window w = ev.xcreatewindow.window;
                windows[w].area = (long long)ev.xcreatewindow.width * ev.xcreatewindow.height;
                XDamageCreate(dpy, w, XDamageReportRawRectangles);
            } else if (ev.type == ConfigureNotify && windows.count(ev.xconfigure.window)) {
                windows[ev.xconfigure.window].area = (long long)ev.xconfigure.width * ev.xconfigure.height;
            } else if (ev.type == MapNotify && windows.count(ev.xmap.window)) {
                const Window w = ev.xmap.window;
                Watched& watched = windows[w];
                watched.mapped = true;
                watched.painted = 0;
                watched.mapped_at = now_ms();
                if (mapped < 0) {
                    mapped = now_ms() - start;
                    first = w;
                }
                if (clicked >= 0 && !target && (target_name.empty() || title_of(dpy, w) == target_name))
                    target = w;
            } else if (ev.type == damage_event + XDamageNotify) {
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(ev);
                last_paint = now_ms();
                auto it = windows.find(d.drawable);
                if (it == windows.end() || !it->second.mapped)
                    continue;
                Watched& watched = it->second;
                watched.painted += (long long)d.area.width * d.area.height;
                if (debug)
                    fprintf(stderr, "   damage %lx %dx%d+%d+%d painted %lld of %lld\n", d.drawable, d.area.width, d.area.height, d.area.x, d.area.y, watched.painted, watched.area);
                if (last_paint - watched.burst_last > 1) {
                    watched.burst_start = last_paint;
                    watched.burst_area = 0;
                }
                watched.burst_last = last_paint;
                watched.burst_area += (long long)d.area.width * d.area.height;
                if (watched.whole < 0 && watched.painted >= watched.area)
                    watched.whole = last_paint;
            }
        }
        const double now = now_ms();
        if (now - start > timeout_s * 1e3 || waitpid(pid, nullptr, WNOHANG) == pid)
            return fail(mapped < 0 ? "no window mapped" : "the program did not get there in time");
        if (click && clicked < 0 && first && windows[first].whole >= 0 && now - windows[first].whole > 500) {
            Window child;
            int x = 0, y = 0;
            XWindowAttributes attrs;
            XGetWindowAttributes(dpy, first, &attrs);
            XTranslateCoordinates(dpy, first, root, click_x, click_y < 0 ? attrs.height + click_y : click_y, &x, &y,
                                  &child);
            XTestFakeMotionEvent(dpy, -1, x, y, 0);
            XTestFakeButtonEvent(dpy, 1, True, 0);
            XSync(dpy, False);
            usleep(50000);
            clicked = now_ms();
            if (debug)
                fprintf(stderr, "%8.2f click\n", clicked - start);
            XTestFakeButtonEvent(dpy, 1, False, 0);
            XFlush(dpy);
        }
        // The program's first flush of the window, not the fill the server
        // may give it as it maps it: that one comes at once.
        for (auto& [w, watched] : windows)
            if (watched.flushed < 0 && watched.burst_last >= 0 && now - watched.burst_last > 1
                && watched.burst_start - watched.mapped_at > 1)
                watched.flushed = watched.burst_last;
        const bool target_done = click ? target && windows[target].flushed >= 0 : mapped >= 0;
        if (target_done && (!quiet || (now - last_paint > 1500 && (!click || now - clicked > 3000))))
            break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        struct timeval tv = {0, 20000};
        if (select(fd + 1, &fds, nullptr, nullptr, &tv) < 0 && errno != EINTR)
            return 2;
    }
    if (click)
        printf("%.2f %d %.2f\n", mapped, static_cast<int>(pid), windows[target].flushed - clicked);
    else
        printf("%.2f %d\n", mapped, static_cast<int>(pid));
    fflush(stdout);
    if (kill_after) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(dpy);
    return 0;
}
