// map_watch: starts a program and reports, from X events rather than polling,
// how long after its start each of its top-level windows became viewable or
// went away, until the window with the given title is viewable.
//
//   map_watch [--timeout-ms N] TITLE PROGRAM [ARG...]
//
// Output, one line per change (milliseconds since just before fork()):
//   shown  <ms> <window id> <title>
//   hidden <ms> <window id> <title>
//   target <ms> <window id> <title>
// The program is ended (SIGTERM, then SIGKILL) once the target has shown.
// Exit status 0 when the target showed, 1 on a timeout or when the program
// ended first, 2 on bad use.
//
// Why events: the root window's SubstructureNotify reports every window the
// window manager creates, reparents and maps, and each top-level client is
// watched for its own StructureNotify, so the moment of mapping is seen
// within a millisecond or so, without spending the CPU that a polling loop
// would take from the program being timed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

volatile sig_atomic_t g_stop = 0;

void OnStopSignal(int) {
    g_stop = 1;
}

// Windows vanish between an event and our query of them; that is normal here.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

std::string WindowTitle(Display* dpy, Window w) {
    static const Atom netWmName = XInternAtom(dpy, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        if (type == utf8 && format == 8) {
            title.assign(reinterpret_cast<const char*>(data), count);
        }
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(dpy, w, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

bool Viewable(Display* dpy, Window w) {
    XWindowAttributes attrs{};
    if (!XGetWindowAttributes(dpy, w, &attrs)) {
        return false;
    }
    return attrs.map_state == IsViewable;
}

struct Tracked {
    bool viewable = false;
    bool destroyed = false;
    std::string title;
};

void EndChild(pid_t child) {
    if (child <= 0) {
        return;
    }
    kill(child, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return;
        }
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

int Usage() {
    std::fprintf(stderr, "usage: map_watch [--timeout-ms N] TITLE PROGRAM [ARG...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    double timeoutMs = 30000.0;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--timeout-ms") == 0) {
        timeoutMs = std::atof(argv[arg + 1]);
        arg += 2;
    }
    if (argc - arg < 2) {
        return Usage();
    }
    const std::string targetTitle = argv[arg];
    char** program = argv + arg + 1;

    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "map_watch: cannot open display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXError);
    const int xfd = ConnectionNumber(dpy);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map_watch: fork");
        return 1;
    }
    if (child == 0) {
        // Never outlive the watcher, even if it is killed outright.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        signal(SIGTERM, SIG_DFL);
        signal(SIGINT, SIG_DFL);
        signal(SIGHUP, SIG_DFL);
        execvp(program[0], program);
        std::perror("map_watch: exec");
        _exit(127);
    }

    std::map<Window, Tracked> tracked;
    int status = 1;
    bool done = false;
    while (!done && !g_stop) {
        bool changed = false;
        while (XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            changed = true;
            if (ev.type == CreateNotify && ev.xcreatewindow.parent == root &&
                !ev.xcreatewindow.override_redirect) {
                const Window w = ev.xcreatewindow.window;
                XSelectInput(dpy, w, StructureNotifyMask | PropertyChangeMask);
                tracked.emplace(w, Tracked{});
            } else if (ev.type == DestroyNotify) {
                // Kept until the check below, so that a window hidden and
                // destroyed at once is still reported as hidden.
                const auto it = tracked.find(ev.xdestroywindow.window);
                if (it != tracked.end()) {
                    it->second.destroyed = true;
                }
            }
        }
        if (changed) {
            // Any change may have made a client viewable or hidden: the client's
            // own map can come before the frame around it is mapped.
            const double now = NowMs() - start;
            for (auto& [w, t] : tracked) {
                const bool viewable = !t.destroyed && Viewable(dpy, w);
                // Read afresh: a window may carry a provisional title at first.
                // A window already gone on the server keeps its last title.
                std::string title = t.destroyed ? std::string() : WindowTitle(dpy, w);
                if (title.empty()) {
                    title = t.title;
                }
                if (title.empty()) {
                    t.viewable = viewable;
                    continue;  // window-manager frames and helper windows
                }
                const bool isTarget = viewable && title == targetTitle;
                if (viewable != t.viewable || isTarget) {
                    std::printf("%s %.1f 0x%lx %s\n",
                                isTarget ? "target" : (viewable ? "shown" : "hidden"), now, w,
                                title.c_str());
                    std::fflush(stdout);
                }
                t.viewable = viewable;
                t.title = title;
                if (isTarget) {
                    status = 0;
                    done = true;
                    break;
                }
            }
            std::erase_if(tracked, [](const auto& entry) { return entry.second.destroyed; });
        }
        if (done) {
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "map_watch: %s ended before \"%s\" showed\n", program[0],
                         targetTitle.c_str());
            return 1;
        }
        if (NowMs() - start > timeoutMs) {
            std::fprintf(stderr, "map_watch: no \"%s\" window within %.0f ms\n",
                         targetTitle.c_str(), timeoutMs);
            break;
        }
        pollfd pfd{xfd, POLLIN, 0};
        poll(&pfd, 1, 50);
    }
    EndChild(child);
    XCloseDisplay(dpy);
    return g_stop ? 1 : status;
}
