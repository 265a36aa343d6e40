// Times a program from its launch until its window is mapped, by listening
// for the map on the root window instead of polling for it.
//
//   map_time TITLE OUT-FILE PROGRAM [ARG...]
//
// Starts PROGRAM, writes the milliseconds until a top-level window titled
// TITLE is mapped to OUT-FILE, then waits for PROGRAM and exits with its
// status (1 if it ends before mapping such a window).
#include <X11/Xlib.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int program_status(pid_t child)
{
    int status = 0;
    if (waitpid(child, &status, 0) != child) {
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool titled(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return false;
    }
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// A window can be gone by the time its title is asked for; that is no error here.
int ignore_error(Display* /*display*/, XErrorEvent* /*error*/)
{
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: map_time TITLE OUT-FILE PROGRAM [ARG...]\n");
        return 2;
    }
    const char* title = argv[1];
    const char* out_path = argv[2];
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) {
        std::fprintf(stderr, "map_time: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_error);
    XSelectInput(display.get(), DefaultRootWindow(display.get()), SubstructureNotifyMask);
    XSync(display.get(), False);

    const auto launched = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map_time: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[3], &argv[3]);
        std::perror("map_time: exec");
        _exit(127);
    }

    // The window may be mapped before its title can be read back, so every
    // map is checked; a program that ends first leaves no map to wait for.
    const int connection = ConnectionNumber(display.get());
    for (;;) {
        while (XPending(display.get()) > 0) {
            XEvent event;
            XNextEvent(display.get(), &event);
            if (event.type == MapNotify && titled(display.get(), event.xmap.window, title)) {
                const auto mapped = std::chrono::steady_clock::now();
                const double ms = std::chrono::duration<double, std::milli>(mapped - launched).count();
                std::FILE* out = std::fopen(out_path, "w");
                if (out != nullptr) {
                    std::fprintf(out, "%.1f\n", ms);
                    std::fclose(out);
                }
                return program_status(child);
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "map_time: the program ended before mapping a window titled %s\n", title);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval tick{0, 10000};
        select(connection + 1, &readable, nullptr, nullptr, &tick);
    }
}
