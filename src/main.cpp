#include "display/tavrel.h"
#include "font_warm_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tavrel::FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    tavrel::Tavrel window;
    window.show();
    return QApplication::exec();
}
