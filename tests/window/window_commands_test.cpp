// SPDX-License-Identifier: GPL-3.0-or-later

// Laying the grid out for 2 … 9 equations and clearing it.

#include "window_test_support.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::activeCellColour;
using testing_support::cellColour;
using testing_support::inactiveCellColour;
using testing_support::TestWindow;

// The grid and labels as a layout for n leaves them.
void expectLaidOutFor(const Form1& form, int n)
{
    EXPECT_EQ(form.store().SystemSize, n);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 10; ++column) {
            const bool active = row <= n && column <= n + 1;
            EXPECT_TRUE(form.cell(row, column)->text().isEmpty()) << row << "," << column;
            EXPECT_EQ(cellColour(form.cell(row, column)), active ? activeCellColour() : inactiveCellColour())
                << "n=" << n << " cell " << row << "," << column;
        }
        for (int column = 1; column <= 9; ++column) {
            QString expected;
            if (row <= n && column <= n)
                expected = QStringLiteral(".x%1%2").arg(column).arg(column < n ? "+" : "=");
            EXPECT_EQ(form.label(10 * row + column)->text(), expected) << "Label" << 10 * row + column;
        }
    }
    for (int number = 102; number <= 140; ++number)
        EXPECT_TRUE(form.label(number)->text().isEmpty()) << "Label" << number;
    for (int row = 1; row <= 9; ++row) {
        EXPECT_TRUE(form.label(row)->text().isEmpty());
        EXPECT_TRUE(form.label(10 * row)->text().isEmpty());
    }
    EXPECT_EQ(form.line(1)->y2(), 3840);
    EXPECT_FALSE(form.line(3)->isDrawn());
}

class LayOut : public testing::TestWithParam<int> { };

TEST_P(LayOut, ColoursTheActiveBlockAndCaptionsItsOperators)
{
    TestWindow window;
    window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
    window.layOut(GetParam());
    expectLaidOutFor(*window.form, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EverySize, LayOut, testing::Range(2, 10));

TEST(LayOut, FromNineBackToThree)
{
    TestWindow window;
    window.layOut(9);
    window.form->cell(9, 10)->setText("5");
    window.layOut(3);
    expectLaidOutFor(*window.form, 3);
    EXPECT_EQ(window.form->label(13)->text(), ".x3=");
}

TEST(LayOut, SameSizeAgainErasesTypingAndResults)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    ASSERT_FALSE(window.form->label(121)->text().isEmpty());
    window.layOut(2);
    expectLaidOutFor(*window.form, 2);
}

TEST(LayOut, SelectingAnOptionAloneChangesNothing)
{
    TestWindow window;
    window.form->cell(1, 1)->setText("7");
    window.form->option(5)->setChecked(true);
    EXPECT_EQ(window.form->store().SystemSize, 2);
    EXPECT_EQ(window.form->cell(1, 1)->text(), "7");
    EXPECT_EQ(cellColour(window.form->cell(3, 3)), inactiveCellColour());
}

TEST(Clear, EmptiesEverythingButKeepsTheSize)
{
    TestWindow window;
    window.layOut(5);
    window.form->cell(1, 1)->setText("1");
    window.form->cell(9, 10)->setText("outside");
    QTest::mouseClick(window.form->command(2), Qt::LeftButton);
    const Form1& form = *window.form;
    EXPECT_EQ(form.store().SystemSize, 5);
    EXPECT_TRUE(form.option(4)->isChecked());
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 10; ++column) {
            EXPECT_TRUE(form.cell(row, column)->text().isEmpty());
            EXPECT_EQ(cellColour(form.cell(row, column)), inactiveCellColour());
        }
    }
    for (int number = 1; number <= 140; ++number) {
        if (number != 100 && number != 101) {
            EXPECT_TRUE(form.label(number)->text().isEmpty()) << "Label" << number;
        }
    }
    EXPECT_EQ(form.label(100)->text(), QString::fromUtf8("РЕШЕНИЕ"));
    EXPECT_FALSE(form.label(101)->text().isEmpty());
}

TEST(Clear, TwiceIsTheSameAsOnceAndPutsTheBarsToRest)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    // Leave the bars where a determinant put them.
    window.form->pokajideterminanta(window.form->store().SystemMatrix, 2);
    ASSERT_TRUE(window.form->line(3)->isDrawn());
    ASSERT_EQ(window.form->line(1)->y2(), 1320);
    const QString attribution = window.form->label(101)->text();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(window.form->command(2), Qt::LeftButton);
        EXPECT_EQ(window.form->line(1)->y2(), 3840);
        EXPECT_EQ(window.form->line(1)->y1(), 240);
        EXPECT_FALSE(window.form->line(3)->isDrawn());
        EXPECT_EQ(window.form->label(101)->text(), attribution);
    }
}

TEST(Clear, InactiveCellsStillTakeTyping)
{
    TestWindow window;
    GridCell* outside = window.form->cell(8, 8);
    EXPECT_TRUE(outside->isEnabled());
    EXPECT_FALSE(outside->isReadOnly());
    QTest::keyClicks(outside, "42");
    EXPECT_EQ(outside->text(), "42");
}

} // namespace
} // namespace cramer
