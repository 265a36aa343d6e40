#include "board/make_step.h"
#include "display/draw_tavrel.h"
#include "display/form_look.h"
#include "display/tavrel.h"
#include "support/fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    const BoardState& state() const { return window.form().state; }
    QColor shown_at(QPoint p) { return window.grab().toImage().pixelColor(p); }
    void press(QPoint at) { QTest::mouseClick(&window, Qt::LeftButton, {}, at); }

    Tavrel window;
};

TEST_F(WindowTest, TooltipIconFocusAndTabOrder)
{
    EXPECT_EQ(window.Vew_last->toolTip(), QStringLiteral("Vew_last"));
    EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    // Laid out in fixed pixels: never mirrored, whatever the application says.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const bool mirrored = Tavrel().Метка2->layoutDirection() == Qt::RightToLeft;
    QApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_FALSE(mirrored);
    // Focus starts on Go; Tab goes round the buttons and the check box.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.Go);
    for (QWidget* next : std::initializer_list<QWidget*>{window.Run, window.Stop, window.Exit, window.New, window.Vew_last, window.Go}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowTest, FontHasThe13PixelLineAndEveryTextFits)
{
    const QFontMetrics metrics(window.font());
    EXPECT_EQ(std::tuple(metrics.height(), metrics.lineSpacing()), std::tuple(13, 13));
    for (auto* control : window.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QPushButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const QString caption = button ? button->text() : label ? label->text() : QString();
        // Buttons keep room for their frame.
        EXPECT_LE(metrics.tightBoundingRect(caption).right(), control->width() - (button ? 5 : 1)) << caption.toStdString();
    }
}

// Right of x 62 the kept drawing holds only circles, later ones over earlier
// ones, as if each were painted with QPainter on an empty image; so also no
// status text reaches the circles of column 1. A canvas that made its first
// drawing at another device pixel ratio (a window moved to another screen)
// holds the same from its next drawing on.
TEST_F(WindowTest, KeptDrawingIsPaintingEachCircleWithQPainter)
{
    const QColor background = window.palette().color(QPalette::Window);
    for (const qreal dpr : {1.0, 2.0, 1.5}) {
        ImageCanvas canvas({580, 511}, dpr, form_font(), form_palette());
        ImageCanvas moved({580, 511}, dpr == 1.0 ? 2.0 : 1.0, form_font(), form_palette());
        canvas.DrawWidth(2);
        moved.DrawWidth(2);
        testing::TestForm t; // the boards and their circles
        for (int board = 0; board < 4; ++board) {
            t.runtime.ticked = board == 2 ? 1 : 0;
            if (board == 1) {
                testing::set_alive(t.s, {{12, 12}, {13, 12}, {14, 12}, {14, 13}, {2, 2}});
            } else if (board == 2) {
                (void)make_step(t.s);
            } else if (board == 3) { // the widest status over a full board
                testing::set_alive(t.s, testing::cells_in(1, 25, 1, 25));
                t.s.step_number = 32767;
                t.s.heredity = 3;
            }
            BoardState copy = t.s;
            draw_tavrel(copy, canvas, t.runtime);
            copy = t.s;
            draw_tavrel(copy, moved, t.runtime);
            const QRect board_area(static_cast<int>(62 * dpr), 0, canvas.image().width(), canvas.image().height());
            if (board == 0) {
                EXPECT_TRUE(moved.set_device_pixel_ratio(dpr));
            } else {
                EXPECT_TRUE(moved.image().copy(board_area) == canvas.image().copy(board_area)) << dpr << ", board " << board;
            }
            draw_tavrel(t.s, t.canvas, t.runtime);
            QImage painted(QSize(580, 511) * dpr, QImage::Format_RGB32);
            painted.setDevicePixelRatio(dpr);
            painted.fill(background);
            QPainter p(&painted);
            p.setRenderHint(QPainter::Antialiasing);
            for (auto c = t.canvas.circles.end() - 625; c != t.canvas.circles.end(); ++c) {
                p.setPen(QPen(QColor(c->outline.red, c->outline.green, c->outline.blue), 2));
                p.setBrush(QColor(c->fill.red, c->fill.green, c->fill.blue));
                p.drawEllipse(QPointF(c->x, c->y), c->radius, c->radius);
            }
            p.end();
            const QImage& kept = canvas.image();
            int worst = 0;
            for (int y = 0; y < kept.height(); ++y) {
                for (int x = static_cast<int>(62 * dpr); x < kept.width(); ++x) {
                    const QRgb a = kept.pixel(x, y);
                    const QRgb b = painted.pixel(x, y);
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            }
            EXPECT_LE(worst, 1) << "device pixel ratio " << dpr << ", board " << board;
        }
    }
}

TEST_F(WindowTest, PressesReachTheBoardOutsideTheControls)
{
    // The label's right end lies over cell (0, 9); a press there stays with it.
    QTest::mouseClick(window.Метка2, Qt::LeftButton, {}, QPoint(60, 8));
    EXPECT_EQ(state().cells.at(0, 9), 0);
    // Any button and modifier toggles, and so does a press on the free column.
    QTest::mouseClick(&window, Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier, {125, 87});
    press({50, 400});
    EXPECT_EQ(std::tuple(state().cells.at(4, 5), state().cells.at(0, 23)), std::tuple(1, 1));
    window.Vew_last->click(); // ticked: pressed again, (4, 5) dies in amber
    press({125, 87});
    // An enlarged window keeps the board; the new canvas takes presses.
    window.resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown_at({135, 95}), QColor(180, 120, 0)); // (4, 5)
    EXPECT_EQ(shown_at({700, 600}), window.palette().color(QPalette::Window));
    press({700, 600}); // outside cell (32, 35)
    EXPECT_EQ(state().cells.at(32, 35), 1);
    QTest::mouseClick(window.Exit, Qt::LeftButton); // and nothing runs after Exit
    QTest::mouseClick(window.Go, Qt::LeftButton);
    EXPECT_EQ(std::tuple(window.form().ended, window.isVisible(), state().step_number), std::tuple(true, false, 0));
}

// Qt makes a double click of two quick, near presses anywhere in the window;
// only two on the board make one, and it is one press.
TEST_F(WindowTest, APressAfterOneOnAControlIsAPress)
{
    QWindow* handle = window.windowHandle();
    int time = 100000;
    const auto press_at = [&](QPoint at, int after_ms) {
        time += after_ms;
        const QPointF global = handle->mapToGlobal(QPointF(at));
        qt_handleMouseEvent(handle, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, time);
        qt_handleMouseEvent(handle, at, global, {}, Qt::LeftButton, QEvent::MouseButtonRelease, {}, time);
        QCoreApplication::processEvents();
    };
    press_at({62, 165}, 0); // the label "К-т наслед-я", then cell (1, 9)
    press_at({67, 165}, 10);
    EXPECT_EQ(state().cells.at(1, 9), 1);
    press_at({40, 20}, 1000); // New, then the outside cell (0, 1)
    press_at({45, 20}, 10);
    EXPECT_EQ(std::tuple(state().step_number, state().cells.at(0, 1)), std::tuple(0, 1));
    press_at({67, 165}, 1000); // a double click on cell (1, 9), which New cleared
    press_at({67, 165}, 10);
    EXPECT_EQ(state().cells.at(1, 9), 1);
    press_at({40, 60}, 1000); // a double click on Go: two generations
    press_at({40, 60}, 10);
    EXPECT_EQ(state().step_number, 2);
}

} // namespace
} // namespace tavrel
