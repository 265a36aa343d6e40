// window_message close|ping WINDOW sends what a window manager would: the
// close button's WM_DELETE_WINDOW, or _NET_WM_PING, answered once the program
// has read every earlier event, within a minute (a sanitizer build can take
// 15 s over a burst of 5000 clicks).
#include <X11/Xlib.h>

#include <cstdlib>
#include <string_view>
#include <unistd.h>

int main(int argc, char* argv[])
{
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr) {
        return 2;
    }
    const bool ping = std::string_view(argv[1]) == "ping";
    const Window window = std::strtoul(argv[2], nullptr, 0);
    const auto protocol = static_cast<long>(XInternAtom(display, ping ? "_NET_WM_PING" : "WM_DELETE_WINDOW", False));
    const long token = ping ? getpid() : CurrentTime;
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask); // where the answer goes
    XEvent event{.xclient = {.type = ClientMessage, .serial = 0, .send_event = True, .display = display,
                             .window = window, .message_type = XInternAtom(display, "WM_PROTOCOLS", False),
                             .format = 32, .data = {.l = {protocol, token, static_cast<long>(window)}}}};
    XSendEvent(display, window, False, NoEventMask, &event);
    for (alarm(60); ping;) { // XNextEvent sends the ping first
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.data.l[0] == protocol && event.xclient.data.l[1] == token) {
            break;
        }
    }
    XCloseDisplay(display);
}
