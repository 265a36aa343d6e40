// One generation step, checked, beside the bare rule on raw arrays.
#include "board/make_step.h"
#include "boards.h"
#include "make_step_reference.h"

#include <benchmark/benchmark.h>

namespace tavrel::bench {
namespace {

// Both benchmarks put the fixed board back before every step (one copy of a
// 41 x 41 grid), so each measures a step of that board, not of its future.
// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_make_step(benchmark::State& state, BoardKind kind)
{
    const BoardState start = loaded_state(kind);
    BoardState s = start;
    for (auto _ : state) {
        s.cells = start.cells;
        s.step_number = 0;
        benchmark::DoNotOptimize(make_step(s));
        benchmark::ClobberMemory();
    }
}

RawBoard raw_board(BoardKind kind)
{
    const BoardState s = loaded_state(kind);
    RawBoard raw;
    for (int j = 0; j < RawBoard::kSide; ++j) {
        for (int i = 0; i < RawBoard::kSide; ++i) {
            raw.cells[static_cast<std::size_t>(j * RawBoard::kSide + i)] = s.cells.at(i, j);
        }
    }
    return raw;
}

// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_make_step_reference(benchmark::State& state, BoardKind kind)
{
    const RawBoard start = raw_board(kind);
    RawBoard raw = start;
    for (auto _ : state) {
        raw.cells = start.cells;
        raw.step_number = 0;
        reference_step(raw);
        benchmark::DoNotOptimize(raw);
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(BM_make_step, empty, BoardKind::empty);
BENCHMARK_CAPTURE(BM_make_step, mid, BoardKind::mid);
BENCHMARK_CAPTURE(BM_make_step, full, BoardKind::full);
BENCHMARK_CAPTURE(BM_make_step_reference, empty, BoardKind::empty);
BENCHMARK_CAPTURE(BM_make_step_reference, mid, BoardKind::mid);
BENCHMARK_CAPTURE(BM_make_step_reference, full, BoardKind::full);

} // namespace
} // namespace tavrel::bench
