// The prepared canvas must give the image the painted one gives: every pixel
// identical, or at most one level apart in a channel.
#include "../board/board_helpers.h"
#include "../support/fake_check_box.h"
#include "board/make_step.h"
#include "display/draw_tavrel.h"
#include "display/image_canvas.h"
#include "display/tavrel.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace tavrel {
namespace {

using testing::FakeCheckBox;
using testing::loaded_board;

const QColor kBackground(239, 239, 239);
const QColor kText(0, 0, 0);

std::unique_ptr<ImageCanvas> make_canvas(qreal dpr, CanvasRendering rendering)
{
    auto canvas =
        std::make_unique<ImageCanvas>(QSize(580, 511), dpr, Tavrel::form_font(), kBackground, kText, rendering);
    canvas->DrawWidth(2);
    return canvas;
}

// Empty when the images agree within one level per channel; otherwise
// how many pixels differ by more, the largest difference and the first place.
std::string compare(const QImage& prepared, const QImage& painted)
{
    if (prepared.size() != painted.size()) {
        return "sizes differ";
    }
    int worse = 0;
    int largest = 0;
    QPoint first;
    for (int y = 0; y < painted.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(prepared.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        for (int x = 0; x < painted.width(); ++x) {
            const int difference = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                             std::abs(qBlue(a[x]) - qBlue(b[x]))});
            if (difference > 1) {
                if (worse++ == 0) {
                    first = QPoint(x, y);
                }
                largest = std::max(largest, difference);
            }
        }
    }
    if (worse == 0) {
        return {};
    }
    std::ostringstream report;
    report << worse << " pixels differ by up to " << largest << ", first at (" << first.x() << ", " << first.y()
           << ")";
    return report.str();
}

// The same drawings on both canvases, compared after each one.
class BothCanvases {
public:
    explicit BothCanvases(qreal dpr)
        : prepared_(make_canvas(dpr, CanvasRendering::prepared)), painted_(make_canvas(dpr, CanvasRendering::painted))
    {
    }

    template <typename Drawing>
    std::string draw(Drawing&& drawing)
    {
        drawing(*prepared_);
        drawing(*painted_);
        return compare(prepared_->image(), painted_->image());
    }

    std::string draw_board(BoardState& s, const CheckBoxValue& box)
    {
        BoardState copy = s;
        drawing_count_ = 0;
        return draw([&](ImageCanvas& canvas) {
            // Both canvases see the board as it stood before this drawing.
            BoardState& state = drawing_count_++ == 0 ? s : copy;
            draw_tavrel(state, canvas, box);
        });
    }

    ImageCanvas& prepared() { return *prepared_; }

private:
    std::unique_ptr<ImageCanvas> prepared_;
    std::unique_ptr<ImageCanvas> painted_;
    int drawing_count_ = 0;
};

class PreparedDrawing : public ::testing::TestWithParam<qreal> {};

// A continuous run in miniature: random boards, generations with the
// thresholds 2 and 3, the marking of dead cells on and off, the counters
// growing, a full board and an empty one.
TEST_P(PreparedDrawing, BoardsOfARunMatchCircleByCircleDrawing)
{
    BothCanvases canvases(GetParam());
    BoardState s = loaded_board();
    FakeCheckBox box;
    ASSERT_EQ(canvases.draw_board(s, box), "") << "the empty board";

    std::mt19937 random(7);
    for (int i = 2; i <= 24; ++i) {
        for (int j = 2; j <= 24; ++j) {
            s.cells.set(i, j, random() % 3 == 0 ? 1 : 0);
        }
    }
    for (int generation = 0; generation < 12; ++generation) {
        box.set(generation % 4 < 2 ? 1 : 0);
        s.birth_count = s.survive_count = (generation % 5 == 3) ? 3 : 2;
        s.heredity = s.birth_count;
        ASSERT_EQ(canvases.draw_board(s, box), "") << "generation " << generation;
        ASSERT_EQ(make_step(s), StepOutcome::advanced);
    }

    testing::fill_board(s);
    s.step_number = 32767;
    ASSERT_EQ(canvases.draw_board(s, box), "") << "the full board";
    ASSERT_EQ(canvases.draw_board(s, box), "") << "the full board again";
    box.set(1);
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            s.cells.set(i, j, 0);
        }
    }
    ASSERT_EQ(canvases.draw_board(s, box), "") << "every cell died";
}

// Anything else drawn over the board between two drawings is wiped by the
// next one in both ways, including pixels between the circles.
TEST_P(PreparedDrawing, DrawingOverTheBoardBetweenPassesIsWipedAlike)
{
    BothCanvases canvases(GetParam());
    BoardState s = loaded_board();
    testing::set_alive(s, {{12, 12}, {13, 12}, {1, 15}});
    FakeCheckBox box;
    ASSERT_EQ(canvases.draw_board(s, box), "");
    ASSERT_EQ(canvases.draw_board(s, box), "");
    ASSERT_EQ(canvases.draw([](ImageCanvas& canvas) {
        canvas.Line(200, 200, 260, 240, colour(255, 255, 255));
        canvas.PSet(75, 44);
        canvas.PSet(64, 100);
        canvas.Print({"a long line of text that runs over the board"});
    }),
              "");
    ASSERT_EQ(canvases.draw_board(s, box), "") << "the board drawn over the box, dot and text";
    ASSERT_EQ(canvases.draw_board(s, box), "");
}

// Other circles than the board's: more colours than a plan tells apart, a
// pass at other places, circles off whole pixels, an outline only, and the
// image asked for in the middle of a pass.
TEST_P(PreparedDrawing, OtherCirclesAndPassesMatchToo)
{
    BothCanvases canvases(GetParam());
    const auto ring = [](ImageCanvas& canvas, int colours, float shift) {
        for (int k = 0; k < 40; ++k) {
            const auto level = static_cast<std::uint8_t>(40 + 50 * (k % colours));
            canvas.FillStyle(0);
            canvas.FillColor(colour(level, 200, static_cast<std::uint8_t>(255 - level)));
            const int column = k % 10;
            const int row = k / 10;
            canvas.Circle(100 + 9 * static_cast<float>(column) + shift, 100 + 9 * static_cast<float>(row), 8,
                          colour(0, 55, 100));
        }
    };
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { ring(canvas, 3, 0); }), "") << "three colours";
        ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { canvas.DrawWidth(2); }), "");
        ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { ring(canvas, 6, 0); }), "") << "six colours";
        ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { canvas.DrawWidth(2); }), "");
    }
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { ring(canvas, 2, 30); }), "") << "moved";
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { canvas.DrawWidth(3); }), "");
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { ring(canvas, 2, 30.25F); }), "") << "off whole pixels";
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { canvas.DrawWidth(2); }), "");
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) {
        canvas.FillStyle(1);
        canvas.Circle(300, 300, 10, colour(0, 55, 100));
        canvas.FillStyle(0);
        canvas.Circle(318, 300, 10, colour(0, 55, 100));
    }),
              "")
        << "an outline only";
    ASSERT_EQ(canvases.draw([&](ImageCanvas& canvas) { canvas.DrawWidth(2); }), "");

    BoardState s = loaded_board();
    testing::set_alive(s, {{5, 5}, {6, 5}});
    FakeCheckBox box;
    ASSERT_EQ(canvases.draw_board(s, box), "");
    ASSERT_EQ(canvases.draw_board(s, box), "");
    ASSERT_EQ(canvases.draw([](ImageCanvas& canvas) {
        canvas.FillColor(colour(255, 240, 0));
        canvas.Circle(75, 27, 10, colour(0, 55, 100));
        (void)canvas.image();
        canvas.Circle(95, 27, 10, colour(0, 55, 100));
        canvas.Circle(85, 44, 10, colour(0, 55, 100));
    }),
              "")
        << "image() in the middle of a pass";
    ASSERT_EQ(canvases.draw_board(s, box), "") << "the board after the short pass";
    ASSERT_EQ(canvases.draw_board(s, box), "");
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, PreparedDrawing, ::testing::Values(1.0, 2.0, 1.5),
                         [](const ::testing::TestParamInfo<qreal>& info) {
                             return "Dpr" + std::to_string(static_cast<int>(info.param * 10));
                         });

} // namespace
} // namespace tavrel
