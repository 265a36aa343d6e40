#include "display/tavrel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tavrel::Tavrel window;
    window.show();
    return QApplication::exec();
}
