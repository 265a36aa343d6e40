// Benchmarks of the generation step, the drawing and the continuous run.
// The window ones run on the offscreen platform, like the widget tests.
#include "fixtures.h"

#include <QApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    tavrel::bench::close_shown_window();
    benchmark::Shutdown();
    return 0;
}
