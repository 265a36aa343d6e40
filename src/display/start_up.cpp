#include "display/start_up.h"

#include <QString>
#include <QtGlobal>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace tavrel {
namespace {

std::mutex holding;
QtMessageHandler qt_handler = nullptr;
bool released = false;
// Type, category (one of Qt's static names) and text of each held message.
std::vector<std::tuple<QtMsgType, const char*, QString>> held;
const char* x_display = std::getenv("DISPLAY"); // unless -display names one

// With only_asked_for, only the debug output Qt gives on request (QT_DEBUG_PLUGINS).
void pass_on_held(bool only_asked_for)
{
    for (const auto& [type, category, text] : std::exchange(held, {})) {
        if (!only_asked_for || type == QtDebugMsg) {
            qt_handler(type, QMessageLogContext(nullptr, 0, nullptr, category), text);
        }
    }
}

// Whether the client library's `open` connects to the display `name` (null:
// its default). The program ends right after, so the connection stays.
bool connects(const char* library, const char* open, const char* name)
{
    void* client = dlopen(library, RTLD_LAZY | RTLD_LOCAL);
    void* function = client != nullptr ? dlsym(client, open) : nullptr;
    return function != nullptr && reinterpret_cast<void* (*)(const char*)>(function)(name) != nullptr;
}

const char* or_not_set(const char* value)
{
    return value != nullptr && *value != '\0' ? value : "not set";
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(holding);
    if (released) { // from another thread, as the holding ended
        qt_handler(type, context, text);
    } else if (type != QtFatalMsg) {
        held.emplace_back(type, context.category, text);
    } else if (connects("libX11.so.6", "XOpenDisplay", x_display) ||
               // Without XDG_RUNTIME_DIR the Wayland library cannot look, and says so.
               (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && connects("libwayland-client.so.0", "wl_display_connect", nullptr))) {
        pass_on_held(false);
        qt_handler(type, context, text); // a display answers: Qt's words, then its abort
    } else {
        pass_on_held(true); // the line replaces Qt's warnings about the displays
        std::fprintf(stderr, "tavrel: cannot open a display: X display %s, WAYLAND_DISPLAY %s\n", or_not_set(x_display),
                     or_not_set(std::getenv("WAYLAND_DISPLAY")));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

void hold_start_up_messages(int argc, char** argv)
{
    for (int k = 1; k + 1 < argc; ++k) {
        if (std::string_view(argv[k]) == "-display" || std::string_view(argv[k]) == "--display") {
            x_display = argv[k + 1];
        }
    }
    qt_handler = qInstallMessageHandler(hold);
}

void release_start_up_messages()
{
    const std::lock_guard lock(holding);
    qInstallMessageHandler(qt_handler);
    released = true;
    pass_on_held(false);
}

} // namespace tavrel
