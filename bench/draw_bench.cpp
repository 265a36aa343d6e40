// Drawing the mid board onto the kept image, beside painting the same circles
// the plain way and beside touching the board's pixels once.
#include "display/draw_tavrel.h"
#include "display/form_look.h"
#include "display/image_canvas.h"
#include "fixtures.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QSize>

#include <benchmark/benchmark.h>

#include <memory>

namespace tavrel::bench {
namespace {

constexpr QSize kClientArea{580, 511};
const QColor kBackground(239, 239, 239);

class ClearBox final : public CheckBoxValue {
public:
    [[nodiscard]] int value() const override { return 0; }
};

// The straightforward way to draw the board: each circle painted by QPainter,
// antialiased, with the fill draw_tavrel gives it, onto an image of the kept
// one's kind. It paints only the circles and leaves out the status text.
class PaintCanvas final : public Canvas {
public:
    explicit PaintCanvas(qreal device_pixel_ratio) : image_(kClientArea * device_pixel_ratio, QImage::Format_RGB32)
    {
        image_.setDevicePixelRatio(device_pixel_ratio);
        image_.fill(kBackground);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    void DrawWidth(int /*width*/) override {}
    void FillStyle(int /*style*/) override {}
    void FillColor(Rgb fill) override { painter_.setBrush(QColor(fill.red, fill.green, fill.blue)); }
    void Circle(float x, float y, float radius, Rgb outline) override
    {
        painter_.setPen(QPen(QColor(outline.red, outline.green, outline.blue), 2));
        painter_.drawEllipse(QPointF(x, y), radius, radius);
    }
    void Line(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/, Rgb /*c*/) override {}
    void PSet(float /*x*/, float /*y*/) override {}
    void Print(std::initializer_list<PrintItem> /*items*/) override {}

private:
    QImage image_;
    QPainter painter_;
};

// Draws the mid board over and over: every drawing paints all 625 circles
// (and, on the kept image, the status text), whatever the image held before.
void draw_mid_board(benchmark::State& state, Canvas& canvas)
{
    BoardState s = mid_state();
    const ClearBox box;
    draw_tavrel(s, canvas, box);
    for (auto _ : state) {
        draw_tavrel(s, canvas, box);
    }
    state.SetItemsProcessed(state.iterations() * 625); // circles
}

// The canvas as the window makes it, with the pen width of the load event.
std::unique_ptr<ImageCanvas> window_canvas(const benchmark::State& state)
{
    auto canvas = std::make_unique<ImageCanvas>(kClientArea, static_cast<qreal>(state.range(0)), form_font(),
                                                form_palette());
    canvas->DrawWidth(2);
    return canvas;
}

void BM_draw_tavrel(benchmark::State& state)
{
    draw_mid_board(state, *window_canvas(state));
}

void BM_paint_reference(benchmark::State& state)
{
    PaintCanvas canvas(static_cast<qreal>(state.range(0)));
    draw_mid_board(state, canvas);
}

// One filled box over the board's bounding rectangle, x 64..576 and
// y 16..446 (the circles' extent plus half the pen width).
// cppcheck-suppress constParameterCallback ; Google Benchmark passes a non-const benchmark::State&
void BM_fill_reference(benchmark::State& state)
{
    const auto canvas = window_canvas(state);
    for (auto _ : state) {
        canvas->Line(65, 17, 575, 445, kDeadFill);
    }
}

BENCHMARK(BM_draw_tavrel)->Name("BM_draw_tavrel/mid")->Arg(1)->Arg(2);
BENCHMARK(BM_paint_reference)->Arg(1)->Arg(2);
BENCHMARK(BM_fill_reference)->Arg(1)->Arg(2);

} // namespace
} // namespace tavrel::bench
