// The continuous run on a shown window: one pass, beside the floor of only
// putting the kept image on the screen.
#include "control/procedures.h"
#include "fixtures.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace tavrel::bench {
namespace {

// The window's form, to set a board as the procedures would leave it. The
// window hands it out read-only; it is not itself const, and the benchmarks
// only do what the event procedures do to it.
Form& form_of(Tavrel& window)
{
    return const_cast<Form&>(window.form());
}

// The mid board as a run would have it: drawn once, so live_count and
// last_cells belong to it.
void put_mid_board(Tavrel& window)
{
    Form& form = form_of(window);
    form.state.cells = mid_state().cells;
    form.state.step_number = 1;
    draw_tavrel(form);
    window.update();
    QCoreApplication::processEvents();
}

// Each pass starts again from the mid board (one grid copy), so every pass
// computes and draws a board of the same kind.
// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_run_pass(benchmark::State& state)
{
    Tavrel& window = shown_window();
    Form& form = form_of(window);
    put_mid_board(window);
    const Grid mid = form.state.cells;
    for (auto _ : state) {
        form.state.cells = mid;
        form.state.step_number = 1;
        benchmark::DoNotOptimize(run_pass(form));
    }
}

// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_repaint_reference(benchmark::State& state)
{
    Tavrel& window = shown_window();
    put_mid_board(window);
    for (auto _ : state) {
        window.update();
        QCoreApplication::processEvents();
    }
}

// A whole continuous run started with the Run button from the mid board and
// stopped with the Stop button after 200 ms (or ended by itself when the
// board empties). Reports generations per second.
void BM_continuous_run(benchmark::State& state)
{
    Tavrel& window = shown_window();
    const Form& form = window.form();
    std::int64_t generations = 0;
    for (auto _ : state) {
        put_mid_board(window);
        const int first = form.state.step_number;
        QTimer::singleShot(200, window.Stop, &QPushButton::click);
        window.Run->click();
        generations += form.state.step_number - first;
    }
    state.counters["generations"] = benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_run_pass);
BENCHMARK(BM_repaint_reference);
BENCHMARK(BM_continuous_run)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavrel::bench
