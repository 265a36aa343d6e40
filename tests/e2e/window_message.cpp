// Sends a top-level window the client messages a window manager would:
//   window_message close WINDOW    the frame's close button (WM_DELETE_WINDOW)
//   window_message ping WINDOW     _NET_WM_PING; waits up to 10 s for the
//                                  answer, which the program gives only once
//                                  it has read every event queued before it
// Exits 0 on success, 1 when the server or the answer is missing, 2 on misuse.
#include <X11/Xlib.h>

#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void send_protocol(Display* display, Window window, Atom protocol, long token)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = token;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The client returns a ping to the root window with the token unchanged.
bool wait_for_pong(Display* display, Atom ping, long token)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                event.xclient.data.l[1] == token) {
                return true;
            }
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 100000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 || (std::strcmp(argv[1], "close") != 0 && std::strcmp(argv[1], "ping") != 0)) {
        std::fprintf(stderr, "usage: window_message close|ping WINDOW\n");
        return 2;
    }
    const Window window = std::strtoul(argv[2], nullptr, 0);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window_message: cannot open the display\n");
        return 1;
    }
    int status = 0;
    if (std::strcmp(argv[1], "close") == 0) {
        send_protocol(display, window, XInternAtom(display, "WM_DELETE_WINDOW", False), CurrentTime);
    } else {
        const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
        XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask | SubstructureNotifyMask);
        // Unique enough among the pings of one test.
        const long token = static_cast<long>(getpid());
        send_protocol(display, window, ping, token);
        if (!wait_for_pong(display, ping, token)) {
            std::fprintf(stderr, "window_message: no answer to the ping within 10 s\n");
            status = 1;
        }
    }
    XCloseDisplay(display);
    return status;
}
