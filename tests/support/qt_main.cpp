// Test entry point for tests that need a QApplication: widgets and the
// kept image are created on the offscreen platform.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
