#include "display/start_up.h"
#include "display/tavrel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Before the first window: X11 takes its class from the name, Wayland its
    // app id from the desktop file name; the menu entry matches both.
    QApplication::setApplicationName(QStringLiteral("tavrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tavrel.Tavrel"));
    tavrel::hold_start_up_messages(argc, argv);
    QApplication app(argc, argv);
    tavrel::release_start_up_messages();
    tavrel::Tavrel window;
    window.show();
    return QApplication::exec();
}
