#include "display/draw_tavrel.h"
#include "display/tavrel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace tavrel {
namespace {

QColor to_qcolor(Rgb c)
{
    return {c.red, c.green, c.blue};
}

QPoint centre(int i, int j)
{
    return {(j % 2 == 0 ? 65 : 55) + 20 * i, 10 + 17 * j};
}

// Posts a full left click to `widget`, to be handled at the next yield.
void post_click(QWidget* widget, QPoint at = QPoint(5, 5), Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, local, global, button, button,
                                                        Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, local, global, button,
                                                        Qt::NoButton, Qt::NoModifier));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    const BoardState& state() const { return window.form().state; }
    QColor shown_at(QPoint p) { return window.grab().toImage().pixelColor(p); }

    Tavrel window;
};

TEST_F(WindowTest, StartsWithTheEmptyBoardAndItsSettings)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tavrel"));
    EXPECT_EQ(window.size(), QSize(580, 511));
    EXPECT_EQ(state().step_number, 0);
    EXPECT_EQ(state().live_count, 0);
    EXPECT_FALSE(window.Vew_last->isChecked());
    EXPECT_EQ(window.Vew_last->toolTip(), QStringLiteral("Vew_last"));
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : window.focusWidget(), window.Go);
    for (int i = 1; i <= 25; i += 6) {
        for (int j = 1; j <= 25; j += 4) {
            EXPECT_EQ(shown_at(centre(i, j)), to_qcolor(kDeadFill)) << i << ", " << j;
        }
    }
}

TEST_F(WindowTest, ControlsHaveTheirNamesCaptionsPlacesAndOrder)
{
    struct Expected {
        const char* name;
        const char* caption;
        QRect geometry;
    };
    const std::vector<Expected> expected{
        {"Vew_last", "Vewlast", {16, 312, 17, 25}},    {"New", "New", {8, 8, 33, 25}},
        {"Stop", "Stop", {8, 128, 33, 25}},            {"Exit", "Exit", {8, 344, 33, 25}},
        {"Go", "Go", {8, 48, 33, 25}},                 {"Run", "Run", {8, 88, 33, 25}},
        {"Метка2", "К-т наслед-я", {0, 160, 65, 17}}, {"Метка1", "Vew last", {0, 296, 49, 17}},
    };
    std::vector<QWidget*> controls;
    for (QObject* child : window.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            controls.push_back(widget);
        }
    }
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        QWidget* control = controls[k];
        EXPECT_EQ(control->objectName(), QString::fromUtf8(expected[k].name));
        EXPECT_EQ(control->geometry(), expected[k].geometry) << expected[k].name;
        EXPECT_TRUE(control->isEnabled());
        const QString caption = QString::fromUtf8(expected[k].caption);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), caption);
            EXPECT_TRUE(button->shortcut().isEmpty());
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
        if (auto* push = qobject_cast<QPushButton*>(control)) {
            EXPECT_FALSE(push->isDefault());
            EXPECT_FALSE(push->autoDefault());
        }
    }
}

TEST_F(WindowTest, TabMovesThroughTheButtonsAndTheCheckBox)
{
    QApplication::setActiveWindow(&window);
    window.Go->setFocus();
    const std::vector<QWidget*> order{window.Run, window.Stop, window.Exit, window.New, window.Vew_last, window.Go};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowTest, ButtonsRunTheirProcedures)
{
    QTest::mouseClick(window.New, Qt::LeftButton);
    EXPECT_EQ(state().step_number, 1);
    EXPECT_GE(state().live_count, 1);
    QTest::mouseClick(window.Go, Qt::LeftButton);
    EXPECT_EQ(state().step_number, 2);

    // Stop while idle changes nothing visible.
    const QImage before = window.grab().toImage();
    QTest::mouseClick(window.Stop, Qt::LeftButton);
    EXPECT_EQ(window.grab().toImage(), before);
    EXPECT_EQ(state().running, kFalse);
}

TEST_F(WindowTest, RunOnAnEmptyBoardComputesOneGeneration)
{
    QTest::mouseClick(window.Run, Qt::LeftButton);
    EXPECT_EQ(state().step_number, 1);
    EXPECT_EQ(state().live_count, 0);
}

TEST_F(WindowTest, StopQueuedDuringARunEndsItAfterThePass)
{
    // An even-row pair oscillates for as long as the threshold stays 2.
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    post_click(window.Stop);
    QTest::mouseClick(window.Run, Qt::LeftButton);
    EXPECT_EQ(state().step_number, 1);
    EXPECT_EQ(state().running, kFalse);
}

TEST_F(WindowTest, NewAfterStopInTheSameBatchKeepsTheRunGoing)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    post_click(window.Stop);
    post_click(window.New);
    QTimer stopper;
    stopper.setInterval(50);
    QObject::connect(&stopper, &QTimer::timeout, [&] { QTest::mouseClick(window.Stop, Qt::LeftButton); });
    stopper.start();
    QTest::mouseClick(window.Run, Qt::LeftButton);
    // New shows generation 1; had the run ended with the Stop before it, the
    // count would still be 1.
    EXPECT_GE(state().step_number, 2);
}

TEST_F(WindowTest, NestedRunEndsWithTheOuterOnOneStop)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    post_click(window.Run); // handled in the first pass: a run inside the run
    QTimer::singleShot(30, window.Stop, [this] { QTest::mouseClick(window.Stop, Qt::LeftButton); });
    QTest::mouseClick(window.Run, Qt::LeftButton);
    EXPECT_EQ(state().running, kFalse);
    EXPECT_GE(state().step_number, 2);
}

TEST_F(WindowTest, PressDuringARunEditsTheBoard)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    post_click(&window, centre(20, 20), Qt::RightButton);
    post_click(window.Stop);
    QTest::mouseClick(window.Run, Qt::LeftButton);
    EXPECT_EQ(state().cells.at(20, 20), 1);
    EXPECT_EQ(state().step_number, 0) << "the press came after the pass and reset the count";
}

TEST_F(WindowTest, PressesOnControlsAndLabelsDoNotReachTheBoard)
{
    QTest::mouseClick(window.Go, Qt::LeftButton);
    QTest::mouseClick(window.Go, Qt::LeftButton);
    ASSERT_EQ(state().step_number, 2);
    for (QWidget* control : std::vector<QWidget*>{window.Метка1, window.Метка2}) {
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(control, Qt::RightButton, {}, QPoint(30, 10));
    }
    QTest::mousePress(window.Vew_last, Qt::RightButton, {}, QPoint(15, 22));
    QTest::mousePress(window.Exit, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(state().step_number, 2);

    // The free part of the left column does reach it: cell (0, 23).
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(50, 400));
    EXPECT_EQ(state().step_number, 0);
    EXPECT_EQ(state().cells.at(0, 23), 1);
}

TEST_F(WindowTest, MousePressTogglesWithAnyButtonAndModifier)
{
    QTest::mouseClick(&window, Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, {125, 87});
    EXPECT_EQ(state().cells.at(4, 5), 1);
    EXPECT_EQ(shown_at(centre(4, 5)), to_qcolor(kLiveFill));
    QTest::mouseClick(&window, Qt::RightButton, Qt::AltModifier, {125, 87});
    EXPECT_EQ(state().cells.at(4, 5), 0);
    QTest::mouseClick(&window, Qt::LeftButton, {}, {74, 44});
    EXPECT_EQ(state().cells.at(0, 2), 1);
}

TEST_F(WindowTest, DoubleClickTogglesACellOnceAndClicksAButtonTwice)
{
    // Through the window system, as a user's double click comes: press,
    // release, double click, release.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre(13, 13));
    EXPECT_EQ(state().cells.at(13, 13), 1);
    EXPECT_EQ(state().step_number, 0);
    EXPECT_EQ(shown_at(centre(13, 13)), to_qcolor(kLiveFill));
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, window.Go->geometry().center());
    EXPECT_EQ(state().step_number, 2);
}

TEST_F(WindowTest, FontHasThe13PixelLineAndEveryTextFits)
{
    const QFontMetrics metrics(window.font());
    EXPECT_EQ(metrics.height(), 13);
    EXPECT_EQ(metrics.lineSpacing(), 13);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            caption = label->text();
        }
        const QRect ink = QFontMetrics(control->font()).tightBoundingRect(caption);
        if (control != window.Vew_last) { // its caption is cut off on purpose
            EXPECT_LE(ink.right(), control->width() - 1) << caption.toStdString();
        }
    }
    // The widest status lines end left of the circles of column 1 (x 64).
    for (const char* line : {"   \u2116 32767 ", "   625 ", "Num of cells", "      Step "}) {
        EXPECT_LT(metrics.tightBoundingRect(QString::fromUtf8(line)).right(), 64) << line;
    }

    // And so in the kept image: no text pixel on a circle of column 1.
    BoardState widest;
    widest.cell_size = 10;
    widest.grid_size = 25;
    widest.step_number = 32767;
    widest.heredity = 3;
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            widest.cells.set(i, j, 1);
        }
    }
    const QColor text = window.palette().color(QPalette::WindowText);
    ImageCanvas canvas({580, 511}, 1.0, Tavrel::form_font(), window.palette().color(QPalette::Window), text);
    canvas.DrawWidth(2);
    const struct : CheckBoxValue { [[nodiscard]] int value() const override { return 0; } } clear;
    draw_tavrel(widest, canvas, clear);
    const QImage kept = canvas.image();
    for (int j = 1; j <= 25; ++j) {
        const QPoint c = centre(1, j);
        for (int y = c.y() - 11; y <= c.y() + 11; ++y) {
            for (int x = c.x() - 11; x <= c.x() + 11; ++x) {
                if ((x - c.x()) * (x - c.x()) + (y - c.y()) * (y - c.y()) <= 121) {
                    ASSERT_NE(kept.pixelColor(x, y), text) << x << ", " << y;
                }
            }
        }
    }
}

TEST_F(WindowTest, LayoutStaysLeftToRightUnderAMirroredApplication)
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Tavrel mirrored;
    const bool check_box = mirrored.Vew_last->layoutDirection() == Qt::LeftToRight;
    const bool label = mirrored.Метка2->layoutDirection() == Qt::LeftToRight;
    QApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_TRUE(check_box);
    EXPECT_TRUE(label);
}

TEST_F(WindowTest, TickingTheBoxShowsOnlyAtTheNextDrawing)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 13));
    const QImage before = window.drawing().copy();
    window.Vew_last->click();
    EXPECT_TRUE(window.Vew_last->isChecked());
    EXPECT_EQ(window.drawing(), before);
    QTest::mouseClick(window.Go, Qt::LeftButton); // the lone cell dies
    EXPECT_EQ(shown_at(centre(13, 13)), to_qcolor(kDiedFill));
}

TEST_F(WindowTest, EnlargingKeepsTheBoardAndNewCanvasTakesPresses)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 13));
    window.resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown_at(centre(13, 13)), to_qcolor(kLiveFill));
    EXPECT_EQ(shown_at(centre(1, 1)), to_qcolor(kDeadFill));
    EXPECT_EQ(window.Exit->geometry(), QRect(8, 344, 33, 25));
    QTest::mouseClick(&window, Qt::LeftButton, {}, {700, 600}); // outside cell (32, 35)
    EXPECT_EQ(state().cells.at(32, 35), 1);
    EXPECT_EQ(state().live_count, 1);
}

TEST_F(WindowTest, ExitEndsAndNothingRunsAfterIt)
{
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    post_click(window.Run);  // a nested run
    post_click(window.Exit); // then Exit inside it
    post_click(window.Go);   // queued after Exit: must not run
    QTest::mouseClick(window.Run, Qt::LeftButton);
    EXPECT_TRUE(window.form().ended);
    EXPECT_FALSE(window.isVisible());
    const int steps = state().step_number;
    QTest::mouseClick(window.Go, Qt::LeftButton);
    EXPECT_EQ(state().step_number, steps);
}

} // namespace
} // namespace tavrel
