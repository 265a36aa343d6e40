#include "display/start_up.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace tavrel {
namespace {

std::mutex holding;
QtMessageHandler qt_handler = nullptr;
// Type, category (one of Qt's static names) and text of each held message.
std::vector<std::tuple<QtMsgType, const char*, QString>> held;
QString x_display;
QStringList unopened; // what each platform that Qt tried could not open

void pass_on_held()
{
    qInstallMessageHandler(qt_handler);
    for (const auto& [type, category, text] : std::exchange(held, {})) {
        qt_handler(type, QMessageLogContext(nullptr, 0, nullptr, category), text);
    }
}

// What the platform plugin `name` could not open, as a user knows it.
QString unopened_by(const QString& name)
{
    if (name == u"xcb") {
        return x_display.isEmpty() ? QStringLiteral("a display: DISPLAY is not set") : QStringLiteral("display ") + x_display;
    }
    if (name.startsWith(u"wayland")) {
        return QStringLiteral("Wayland display ") + qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return QStringLiteral("the %1 platform").arg(name);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(holding);
    const QLatin1StringView category(context.category);
    static const QString no_x = QStringLiteral("could not connect to display");
    static const QRegularExpression plugin(QStringLiteral("platform plugin \"([^\"]+)\""));
    if (category == "qt.qpa.xcb" && text.startsWith(no_x)) {
        x_display = text.mid(no_x.size()).trimmed(); // from -display or DISPLAY
    } else if (const auto match = plugin.match(text); category == "qt.qpa.plugin" && match.hasMatch()) {
        unopened << unopened_by(match.captured(1));
    }
    if (type == QtFatalMsg && !unopened.isEmpty()) {
        std::fprintf(stderr, "tavrel: cannot open %s\n", qPrintable(unopened.join(u" nor ")));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    held.emplace_back(type, context.category, text);
    if (type == QtFatalMsg) {
        pass_on_held(); // some other failure: Qt's own words, then its abort
    }
}

} // namespace

void hold_start_up_messages()
{
    qt_handler = qInstallMessageHandler(hold);
}

void release_start_up_messages()
{
    const std::lock_guard lock(holding);
    pass_on_held();
}

} // namespace tavrel
