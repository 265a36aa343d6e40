#include "display/start_up.h"

#include <QByteArray>
#include <QMutex>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tavrel {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QMutex holding;
QtMessageHandler qt_handler = nullptr;
std::vector<HeldMessage> held;
QString x_display;
QStringList unopened; // one entry per platform plugin that failed

// Qt's handler, given what was held; a null pointer in the context stays null.
void pass_on(const std::vector<HeldMessage>& messages)
{
    const auto pointer = [](const QByteArray& s) { return s.isNull() ? nullptr : s.constData(); };
    for (const HeldMessage& m : messages) {
        const QMessageLogContext where(pointer(m.file), m.line, pointer(m.function), pointer(m.category));
        qt_handler(m.type, where, m.text);
    }
}

QString what_failed(const QString& plugin)
{
    if (plugin == u"xcb") {
        return x_display.isEmpty() ? QStringLiteral("a display: DISPLAY is not set") : QStringLiteral("display ") + x_display;
    }
    if (plugin.startsWith(u"wayland")) {
        return QStringLiteral("Wayland display ") + qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return QStringLiteral("the \"%1\" platform").arg(plugin);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QMutexLocker lock(&holding);
    const QByteArray category(context.category);
    // The display Qt's X11 plugin tried, from -display or DISPLAY.
    static const QString no_x = QStringLiteral("could not connect to display");
    if (category == "qt.qpa.xcb" && text.startsWith(no_x)) {
        x_display = text.mid(no_x.size()).trimmed();
    }
    static const QRegularExpression plugin(QStringLiteral("platform plugin \"([^\"]+)\""));
    if (const auto match = plugin.match(text); category == "qt.qpa.plugin" && match.hasMatch()) {
        unopened << what_failed(match.captured(1));
    }
    if (type == QtFatalMsg && !unopened.isEmpty()) {
        std::fprintf(stderr, "tavrel: cannot open %s\n", qPrintable(unopened.join(u" nor ")));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    held.push_back({type, context.file, context.line, context.function, category, text});
    // Some other failure: Qt's own words, and its abort.
    if (type == QtFatalMsg) {
        qInstallMessageHandler(qt_handler);
        pass_on(held);
    }
}

} // namespace

void hold_start_up_messages()
{
    x_display = qEnvironmentVariable("DISPLAY");
    qt_handler = qInstallMessageHandler(hold);
}

void release_start_up_messages()
{
    std::vector<HeldMessage> messages;
    {
        const QMutexLocker lock(&holding);
        qInstallMessageHandler(qt_handler);
        messages.swap(held);
    }
    pass_on(messages);
}

} // namespace tavrel
