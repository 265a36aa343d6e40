// The smallest program of the same kind: a Qt Widgets application that only
// shows an empty window with tavrel's client area. Its start-up time and
// memory are the floor tavrel is measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(580, 511);
    window.show();
    return QApplication::exec();
}
