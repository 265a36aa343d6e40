// Drawing the board onto the kept image, beside the floor of touching the
// same pixels once.
#include "boards.h"
#include "display/draw_tavrel.h"
#include "display/image_canvas.h"
#include "display/tavrel.h"

#include <QColor>
#include <QSize>

#include <benchmark/benchmark.h>

#include <memory>

namespace tavrel::bench {
namespace {

class ClearBox final : public CheckBoxValue {
public:
    [[nodiscard]] int value() const override { return 0; }
};

// The canvas as the window makes it, with the pen width of the load event.
std::unique_ptr<ImageCanvas> window_canvas(qreal device_pixel_ratio)
{
    auto canvas = std::make_unique<ImageCanvas>(QSize(580, 511), device_pixel_ratio, Tavrel::form_font(),
                                                QColor(239, 239, 239), QColor(0, 0, 0));
    canvas->DrawWidth(2);
    return canvas;
}

// Redraws one fixed board over and over: every drawing repaints all 625
// circles and the status text, whatever the image held before.
void BM_draw_tavrel(benchmark::State& state, BoardKind kind)
{
    const auto canvas = window_canvas(static_cast<qreal>(state.range(0)));
    BoardState s = loaded_state(kind);
    const ClearBox box;
    draw_tavrel(s, *canvas, box);
    for (auto _ : state) {
        draw_tavrel(s, *canvas, box);
    }
    benchmark::DoNotOptimize(canvas->image().constBits());
}

// What the window does before it is first shown: make its canvas (the
// circle stamps included) and draw the loaded board for the first time.
void BM_first_drawing(benchmark::State& state)
{
    const BoardState loaded = loaded_state(BoardKind::empty);
    const ClearBox box;
    for (auto _ : state) {
        const auto canvas = window_canvas(static_cast<qreal>(state.range(0)));
        BoardState s = loaded;
        draw_tavrel(s, *canvas, box);
        benchmark::DoNotOptimize(canvas->image().constBits());
    }
}

// One filled box over the board's bounding rectangle, x 64..576 and
// y 16..446 (the circles' extent plus half the pen width).
void BM_fill_reference(benchmark::State& state)
{
    const auto canvas = window_canvas(static_cast<qreal>(state.range(0)));
    canvas->Line(65, 17, 575, 445, colour(90, 90, 210));
    for (auto _ : state) {
        canvas->Line(65, 17, 575, 445, colour(90, 90, 210));
    }
    benchmark::DoNotOptimize(canvas->image().constBits());
}

BENCHMARK_CAPTURE(BM_draw_tavrel, empty, BoardKind::empty)->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(BM_draw_tavrel, mid, BoardKind::mid)->Arg(1)->Arg(2);
BENCHMARK_CAPTURE(BM_draw_tavrel, full, BoardKind::full)->Arg(1)->Arg(2);
BENCHMARK(BM_fill_reference)->Arg(1)->Arg(2);
BENCHMARK(BM_first_drawing)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavrel::bench
