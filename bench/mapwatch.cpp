// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took to map its first window,
// timed by the X server's own MapNotify event on the root window (no
// polling). Prints "<milliseconds> <pid>" on stdout. With -k the program
// is then killed and reaped, so that runs do not overlap; without it, it
// keeps running.
// Usage: mapwatch [-k] [-t seconds] program [args...]
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/select.h>
#include <sys/wait.h>
#include <ctime>
#include <unistd.h>

static double now_ms()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    int kill_after = 0;
    double timeout_s = 30;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (strcmp(argv[i], "-k") == 0)
            kill_after = 1;
        else if (strcmp(argv[i], "-t") == 0 && i + 1 < argc)
            timeout_s = atof(argv[++i]);
        else
            break;
    }
    if (i >= argc) {
        fprintf(stderr, "usage: mapwatch [-k] [-t seconds] program [args...]\n");
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
    // Listening before the program starts, so no map can slip by.
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
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

    const int fd = ConnectionNumber(dpy);
    double mapped = -1;
    while (mapped < 0) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped >= 0)
            break;
        const double left = timeout_s * 1e3 - (now_ms() - start);
        if (left <= 0 || waitpid(pid, nullptr, WNOHANG) == pid) {
            fprintf(stderr, "mapwatch: no window mapped\n");
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        struct timeval tv = {0, 20000};
        if (select(fd + 1, &fds, nullptr, nullptr, &tv) < 0 && errno != EINTR)
            return 2;
    }
    printf("%.2f %d\n", mapped, static_cast<int>(pid));
    fflush(stdout);
    if (kill_after) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(dpy);
    return 0;
}
