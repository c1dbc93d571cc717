// random-player-ping WINDOW [TIMEOUT_MS]: asks an X client whether its event
// loop still runs. It sends the window manager's ping (_NET_WM_PING) to the
// window and waits for the client's answer on the root window. Exit 0 with the
// answer time in ms, 1 without an answer in time, 2 when the window is gone or
// the display cannot be opened.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>

namespace {

bool gWindowGone = false;

int OnXError(Display*, XErrorEvent* e) {
    if (e->error_code == BadWindow) gWindowGone = true;
    return 0;
}

long MsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: random-player-ping WINDOW [TIMEOUT_MS]\n");
        return 2;
    }
    const Window target = std::strtoul(argv[1], nullptr, 0);
    const long timeoutMs = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "random-player-ping: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(OnXError);
    const Window root = DefaultRootWindow(dpy);
    const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(dpy, "_NET_WM_PING", False);
    // The answer goes to the root window for whoever watches its children.
    XSelectInput(dpy, root, SubstructureNotifyMask);

    // A stamp of our own, so an answer to the window manager's ping is not ours.
    const long stamp =
        static_cast<long>((static_cast<unsigned long>(getpid()) << 16) ^
                          static_cast<unsigned long>(
                              std::chrono::steady_clock::now().time_since_epoch().count())) &
        0x7fffffffL;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = target;
    ev.xclient.message_type = protocols;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(ping);
    ev.xclient.data.l[1] = stamp;
    ev.xclient.data.l[2] = static_cast<long>(target);
    const auto start = std::chrono::steady_clock::now();
    XSendEvent(dpy, target, False, NoEventMask, &ev);
    XSync(dpy, False);
    if (gWindowGone) {
        XCloseDisplay(dpy);
        return 2;
    }

    for (;;) {
        while (XPending(dpy) > 0) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == ClientMessage && e.xclient.message_type == protocols &&
                static_cast<Atom>(e.xclient.data.l[0]) == ping && e.xclient.data.l[1] == stamp) {
                std::printf("%ld\n", MsSince(start));
                XCloseDisplay(dpy);
                return 0;
            }
        }
        const long left = timeoutMs - MsSince(start);
        if (left <= 0) break;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left));
    }
    XCloseDisplay(dpy);
    return 1;
}
