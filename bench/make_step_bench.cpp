// One generation step of the mid board.
#include "board/make_step.h"
#include "fixtures.h"

#include <benchmark/benchmark.h>

namespace tavrel::bench {
namespace {

// The board is put back before every step (one copy of a 41 x 41 grid), so
// each step is one of the mid board, not of its future.
// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_make_step(benchmark::State& state)
{
    const BoardState start = mid_state();
    BoardState s = start;
    for (auto _ : state) {
        s.cells = start.cells;
        s.step_number = 0;
        benchmark::DoNotOptimize(make_step(s));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_make_step)->Name("BM_make_step/mid");

} // namespace
} // namespace tavrel::bench
