// Sends a window the client messages a window manager would:
//   window_message close WINDOW   the frame's close button (WM_DELETE_WINDOW)
//   window_message ping WINDOW    _NET_WM_PING, and waits for the answer,
//                                 which the program gives only once it has
//                                 read every event queued before the ping
// Without an answer within 10 s the alarm ends it with a failing status.
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const bool ping = argc == 3 && std::strcmp(argv[1], "ping") == 0;
    Display* display = XOpenDisplay(nullptr);
    if ((!ping && (argc != 3 || std::strcmp(argv[1], "close") != 0)) || display == nullptr) {
        return 2;
    }
    const Window window = std::strtoul(argv[2], nullptr, 0);
    const Atom protocol = XInternAtom(display, ping ? "_NET_WM_PING" : "WM_DELETE_WINDOW", False);
    const long token = getpid();
    // The answer goes to the root window with the token unchanged.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = ping ? token : CurrentTime;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    alarm(10);
    while (ping) {
        XNextEvent(display, &event);
        if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == protocol &&
            event.xclient.data.l[1] == token) {
            break;
        }
    }
    XCloseDisplay(display);
    return 0;
}
