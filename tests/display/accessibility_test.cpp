#include "display/tavrel.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavrel {
namespace {

QPoint centre(int i, int j)
{
    return {(j % 2 == 0 ? 65 : 55) + 20 * i, 10 + 17 * j};
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    const BoardState& state() const { return window.form().state; }
    QString description() { return accessible(&window)->text(QAccessible::Description); }

    // The generation and live count that the description announces.
    std::pair<int, int> announced()
    {
        static const QRegularExpression numbers(QStringLiteral("Generation (\\d+), (\\d+) live cells?\\."));
        const QRegularExpressionMatch match = numbers.match(description());
        if (!match.hasMatch()) {
            ADD_FAILURE() << "no generation and live count in: " << description().toStdString();
            return {-1, -1};
        }
        return {match.captured(1).toInt(), match.captured(2).toInt()};
    }
    std::pair<int, int> shown() const { return {state().step_number, state().live_count}; }

    Tavrel window;
};

TEST_F(AccessibilityTest, EveryControlAnnouncesItsNameAndRole)
{
    struct Expected {
        QWidget* control;
        const char* name;
        QAccessible::Role role;
    };
    const std::vector<Expected> expected{
        {window.New, "New", QAccessible::Button},         {window.Go, "Go", QAccessible::Button},
        {window.Run, "Run", QAccessible::Button},         {window.Stop, "Stop", QAccessible::Button},
        {window.Exit, "Exit", QAccessible::Button},       {window.Vew_last, "Vew last", QAccessible::CheckBox},
        {window.Метка1, "Vew last", QAccessible::StaticText},
        {window.Метка2, "К-т наслед-я", QAccessible::StaticText},
    };
    QAccessibleInterface* board = accessible(&window);
    ASSERT_NE(board, nullptr);
    for (const Expected& e : expected) {
        QAccessibleInterface* control = accessible(e.control);
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(e.name));
        EXPECT_EQ(control->role(), e.role) << e.name;
        EXPECT_FALSE(control->state().invisible) << e.name;
        // A screen reader reaches each control from the window.
        EXPECT_GE(board->indexOfChild(control), 0) << e.name;
    }
    EXPECT_FALSE(accessible(window.Метка2)->text(QAccessible::Description).isEmpty());
}

TEST_F(AccessibilityTest, CheckBoxReportsWhetherItIsTicked)
{
    QAccessibleInterface* box = accessible(window.Vew_last);
    EXPECT_FALSE(box->state().checked);
    window.Vew_last->click();
    EXPECT_TRUE(box->state().checked);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Vew last"));
}

TEST_F(AccessibilityTest, BoardIsNamedAndDescribedAfterLoad)
{
    QAccessibleInterface* board = accessible(&window);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Tavrel board"));
    EXPECT_TRUE(description().contains(QStringLiteral("25 by 25")));
    EXPECT_TRUE(description().contains(QStringLiteral("Generation 0, 0 live cells.")));
}

TEST_F(AccessibilityTest, DescriptionFollowsEveryCommandAndPress)
{
    QTest::mouseClick(window.New, Qt::LeftButton);
    ASSERT_EQ(state().step_number, 1);
    EXPECT_EQ(announced(), shown());
    QTest::mouseClick(window.Go, Qt::LeftButton);
    EXPECT_EQ(announced(), shown());
    EXPECT_EQ(announced().first, 2);

    // A press resets the generation; a lone cell is one cell, not "cells".
    QTest::mouseClick(window.New, Qt::LeftButton);
    for (int i = 1; i <= 25; ++i) {
        for (int j = 1; j <= 25; ++j) {
            if (state().cells.at(i, j) == 1) {
                QTest::mouseClick(&window, Qt::LeftButton, {}, centre(i, j));
            }
        }
    }
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(5, 5));
    EXPECT_EQ(shown(), std::make_pair(0, 1));
    EXPECT_TRUE(description().endsWith(QStringLiteral("Generation 0, 1 live cell."))) << description().toStdString();
}

TEST_F(AccessibilityTest, DescriptionIsCurrentAtEveryYieldOfARun)
{
    // An even-row pair oscillates for as long as the threshold stays 2.
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(12, 12));
    QTest::mouseClick(&window, Qt::LeftButton, {}, centre(13, 12));
    int yields_seen = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        EXPECT_EQ(announced(), shown());
        if (++yields_seen == 5) {
            QTest::mouseClick(window.Stop, Qt::LeftButton);
        }
    });
    probe.start();
    QTest::mouseClick(window.Run, Qt::LeftButton);
    probe.stop();
    EXPECT_GE(yields_seen, 5);
    EXPECT_GE(state().step_number, 2);
    EXPECT_EQ(announced(), shown());
}

} // namespace
} // namespace tavrel
