#include "../board/board_helpers.h"
#include "../support/fake_check_box.h"
#include "display/draw_tavrel.h"
#include "display/image_canvas.h"
#include "display/tavrel.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace tavrel {
namespace {

using testing::FakeCheckBox;
using testing::loaded_board;
using testing::set_alive;

const QColor kBackground(239, 239, 239);
const QColor kText(0, 0, 0);

std::unique_ptr<ImageCanvas> make_canvas(qreal dpr = 1.0)
{
    auto canvas = std::make_unique<ImageCanvas>(QSize(580, 511), dpr, Tavrel::form_font(), kBackground, kText);
    canvas->DrawWidth(2);
    return canvas;
}

QColor to_qcolor(Rgb c)
{
    return {c.red, c.green, c.blue};
}

// Centre of cell (i, j) in logical pixels.
QPoint centre(int i, int j)
{
    return {(j % 2 == 0 ? 65 : 55) + 20 * i, 10 + 17 * j};
}

QColor at(const QImage& image, QPoint p, qreal dpr = 1.0)
{
    return image.pixelColor(static_cast<int>(p.x() * dpr), static_cast<int>(p.y() * dpr));
}

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(FormFont, TextLineIsThirteenPixels)
{
    const QFontMetrics metrics(Tavrel::form_font());
    EXPECT_EQ(metrics.lineSpacing(), 13);
    EXPECT_TRUE(metrics.inFontUcs4(0x2116U)) << "the numero sign";
    EXPECT_TRUE(metrics.inFontUcs4(0x041AU)) << "Cyrillic";
}

TEST(ImageCanvas, CellCentresShowTheirFills)
{
    BoardState s = loaded_board();
    set_alive(s, {{1, 1}, {13, 13}, {25, 25}, {6, 6}});
    FakeCheckBox box(1);
    auto canvas = make_canvas();
    draw_tavrel(s, *canvas, box);
    s.cells.set(6, 6, 0);
    draw_tavrel(s, *canvas, box);
    const QImage& image = canvas->image();

    EXPECT_EQ(at(image, centre(1, 1)), to_qcolor(kLiveFill));
    EXPECT_EQ(at(image, centre(13, 13)), to_qcolor(kLiveFill));
    EXPECT_EQ(at(image, centre(25, 25)), to_qcolor(kLiveFill));
    EXPECT_EQ(at(image, centre(6, 6)), to_qcolor(kDiedFill));
    EXPECT_EQ(at(image, centre(2, 1)), to_qcolor(kDeadFill));
    EXPECT_EQ(at(image, centre(25, 24)), to_qcolor(kDeadFill));

    // The outline ring, pen width 2 centred on the radius.
    const QPoint c = centre(13, 13);
    EXPECT_TRUE(near(at(image, c + QPoint(9, 0)), to_qcolor(kOutline), 40));
    EXPECT_TRUE(near(at(image, c - QPoint(10, 0)), to_qcolor(kOutline), 40));
    EXPECT_EQ(at(image, c + QPoint(7, 0)), to_qcolor(kLiveFill));

    // Nothing is painted between the circles or beyond the board.
    EXPECT_EQ(at(image, {62, 100}), kBackground);
    EXPECT_EQ(at(image, {578, 27}), kBackground);
    EXPECT_EQ(at(image, {300, 470}), kBackground);
}

TEST(ImageCanvas, SecondDrawingOfAnUnchangedBoardHasNoAmber)
{
    BoardState s = loaded_board();
    set_alive(s, {{12, 12}, {13, 12}});
    FakeCheckBox box(1);
    auto canvas = make_canvas();
    draw_tavrel(s, *canvas, box);
    draw_tavrel(s, *canvas, box);
    const QImage& image = canvas->image();
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            EXPECT_NE(at(image, centre(i, j)), to_qcolor(kDiedFill)) << i << ", " << j;
        }
    }
}

// Pixels that differ between two images within `area`, as a bounding rectangle.
QRect differing(const QImage& a, const QImage& b, const QRect& area = QRect(0, 0, 580, 511))
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QImage drawn(BoardState s)
{
    FakeCheckBox box;
    auto canvas = make_canvas();
    draw_tavrel(s, *canvas, box);
    return canvas->image();
}

TEST(ImageCanvas, StatusNumbersSitInsideTheirBoxes)
{
    BoardState base = loaded_board();
    set_alive(base, {{3, 3}});
    base.step_number = 1;
    base.heredity = 2;

    // Each box widened by half the pen width, as the canvas fills it.
    BoardState step = base;
    step.step_number = 28;
    const QRect step_change = differing(drawn(base), drawn(step));
    EXPECT_FALSE(step_change.isEmpty());
    EXPECT_TRUE(QRect(QPoint(20, 232), QPoint(45, 246)).contains(step_change)) << step_change.x() << ","
                                                                               << step_change.y();

    BoardState count = base;
    set_alive(count, {{5, 5}, {7, 7}, {9, 9}, {11, 11}, {13, 13}, {15, 15}, {17, 17}, {19, 19}, {21, 21}});
    // The circles differ too; look only at the status column.
    const QRect count_change = differing(drawn(base), drawn(count), QRect(0, 0, 60, 511));
    EXPECT_FALSE(count_change.isEmpty());
    EXPECT_TRUE(QRect(QPoint(12, 271), QPoint(32, 285)).contains(count_change));

    BoardState threshold = base;
    threshold.heredity = 3;
    const QRect threshold_change = differing(drawn(base), drawn(threshold));
    EXPECT_FALSE(threshold_change.isEmpty());
    EXPECT_TRUE(QRect(QPoint(14, 177), QPoint(35, 195)).contains(threshold_change));
}

// Drawing again over the kept image gives the image of a single drawing:
// the boxes wipe the old numbers and no edge is blended twice.
TEST(ImageCanvas, RepeatedDrawingsLookLikeOne)
{
    BoardState s = loaded_board();
    s.step_number = 29;
    s.heredity = 3;
    set_alive(s, {{12, 12}, {13, 12}});
    FakeCheckBox box;
    auto canvas = make_canvas();
    for (int n = 0; n < 5; ++n) {
        draw_tavrel(s, *canvas, box);
    }
    s.step_number = 1;
    s.heredity = 2;
    draw_tavrel(s, *canvas, box);
    const QRect left_over = differing(canvas->image(), drawn(s));
    EXPECT_TRUE(left_over.isEmpty()) << left_over.left() << "," << left_over.top() << " " << left_over.right()
                                     << "," << left_over.bottom();
}

TEST(ImageCanvas, HonoursTheDevicePixelRatio)
{
    BoardState s = loaded_board();
    set_alive(s, {{13, 13}});
    FakeCheckBox box;
    auto canvas = make_canvas(2.0);
    draw_tavrel(s, *canvas, box);
    const QImage& image = canvas->image();
    EXPECT_EQ(image.size(), QSize(1160, 1022));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(at(image, centre(13, 13), 2.0), to_qcolor(kLiveFill));
    EXPECT_EQ(at(image, centre(12, 13), 2.0), to_qcolor(kDeadFill));
    // In device pixels the ring runs from 18 to 22 away from the centre.
    const QPoint c(2 * centre(13, 13).x(), 2 * centre(13, 13).y());
    EXPECT_EQ(image.pixelColor(c + QPoint(16, 0)), to_qcolor(kLiveFill));
    EXPECT_TRUE(near(image.pixelColor(c + QPoint(19, 0)), to_qcolor(kOutline), 8));
    EXPECT_TRUE(near(image.pixelColor(c + QPoint(20, 0)), to_qcolor(kOutline), 8));

    if (const char* dir = std::getenv("TAVREL_PNG_DIR")) {
        image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/board-dpr2.png"));
    }
}

} // namespace
} // namespace tavrel
