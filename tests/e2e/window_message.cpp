// window_message close|settle WINDOW. close sends the close button's
// WM_DELETE_WINDOW. settle returns once the program has handled every input
// sent before, not only read it (Qt answers a ping on reading): a new size
// queues behind that input, and the part of the screen that it alone adds to
// the window, at the screen's foot (no test goes there), is painted only then.
// Then 16 pixels wider, so that the shrink back too is handled on return.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <string_view>
#include <unistd.h>

int main(int argc, char* argv[])
{
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr) {
        return 2;
    }
    const Window window = std::strtoul(argv[2], nullptr, 0);
    if (std::string_view(argv[1]) == "close") {
        XEvent event{.xclient = {.type = ClientMessage, .serial = 0, .send_event = True, .display = display,
                                 .window = window, .message_type = XInternAtom(display, "WM_PROTOCOLS", False),
                                 .format = 32, .data = {.l = {static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False))}}}};
        XSendEvent(display, window, False, NoEventMask, &event);
        return XCloseDisplay(display);
    }
    alarm(60); // a sanitizer build on a busy machine is slow
    XWindowAttributes was{};
    XGetWindowAttributes(display, window, &was);
    const int foot = HeightOfScreen(was.screen) - was.y;
    const auto magenta = [&](int x, int y) { // at x, y of the window: a colour the program never shows
        XImage* image = XGetImage(display, was.root, was.x + x, was.y + y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return (pixel & 0xffffffUL) == 0xff00ffUL;
    };
    XSetForeground(display, DefaultGCOfScreen(was.screen), 0xff00ff);
    // width, height, and a pixel of the part they add, clear of rounding at any scale
    const int steps[2][4] = {{was.width, foot, was.width / 2, foot - 8}, {was.width + 16, was.height, was.width + 8, was.height / 2}};
    for (const auto& [width, height, x, y] : steps) {
        XFillRectangle(display, was.root, DefaultGCOfScreen(was.screen), was.x + x, was.y + y, 1, 1);
        if (foot < was.height + 16 || !magenta(x, y)) {
            return 3; // the window reaches the foot, or another window is in the way
        }
        XResizeWindow(display, window, width, height);
        while (magenta(x, y)) {
            usleep(10000);
        }
        XResizeWindow(display, window, was.width, was.height);
    }
    return XCloseDisplay(display);
}
