// SPDX-License-Identifier: GPL-3.0-or-later

// Pasting blocks into the grid, moving with Enter, Up and Down, and copying
// the worked solution, through the real clipboard and keys.

#include "window_test_support.h"

#include "sheets/system_file.h"
#include "window/form/user_locale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
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

class GridClipboard : public testing_support::EnglishLocaleTest {
protected:
    void pasteInto(GridCell* cell, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        cell->setFocus();
        QTest::keySequence(cell, QKeySequence::Paste);
    }
};

TEST_F(GridClipboard, SystemBlockAtTheFirstCellLaysTheGridOutAndSolves)
{
    TestWindow window;
    Form1& form = *window.form;
    pasteInto(
        form.cell(1, 1), QStringLiteral("1\t0\t0\t0\t1\n0\t2\t0\t0\t4\n0\t0\t4\t0\t12\n0\t0\t0\t1\t-1\n"));

    EXPECT_TRUE(form.option(3)->isChecked());
    EXPECT_EQ(form.store().SystemSize, 4);
    EXPECT_EQ(window.texts(1, 5), (std::vector<QString> { "1", "0", "0", "0", "1" }));
    EXPECT_EQ(form.cell(4, 5)->text(), "-1");
    EXPECT_EQ(cellColour(form.cell(4, 5)), activeCellColour());
    EXPECT_EQ(cellColour(form.cell(5, 1)), inactiveCellColour());
    EXPECT_EQ(form.label(44)->text(), ".x4=");

    window.solve();
    EXPECT_EQ(form.label(125)->text(), "3"); // x3 = 12 / 4
    EXPECT_EQ(form.label(127)->text(), "-1");
}

TEST_F(GridClipboard, OtherBlocksFillFromTheCellAndChangeNothingElse)
{
    TestWindow window;
    Form1& form = *window.form;
    // Two rows of three would lay out a 2 × 2 system at (1, 1); at (2, 2)
    // they only fill.
    pasteInto(form.cell(2, 2), QStringLiteral("1;2;3\n4;5;6"));
    EXPECT_EQ(form.store().SystemSize, 2);
    EXPECT_EQ(
        window.texts(3, 4), (std::vector<QString> { "", "", "", "", "", "1", "2", "3", "", "4", "5", "6" }));
    EXPECT_EQ(cellColour(form.cell(3, 4)), inactiveCellColour());
    EXPECT_TRUE(window.boxes.shown.empty());
}

TEST_F(GridClipboard, DecimalCommasOfASpreadsheetTakeTheLocalesForm)
{
    TestWindow window;
    pasteInto(window.form->cell(1, 1), QStringLiteral("0,5\t0,25\t1\n\"0,25\"\t\"0,5\"\tx\n"));
    EXPECT_EQ(window.texts(2, 3), (std::vector<QString> { "0.5", "0.25", "1", "0.25", "0.5", "x" }));
}

// A system pasted at the first cell is read exactly as the same text
// opened as a file: a title, a header, comments, blank lines, a
// spreadsheet's empty cells at the rows' ends and quoted cells alike.
class PasteAsFile : public GridClipboard, public testing::WithParamInterface<const char*> { };

TEST_P(PasteAsFile, ReadsTheSystemAFileWouldHold)
{
    const QString text = QString::fromUtf8(GetParam());
    TestWindow window;
    pasteInto(window.form->cell(1, 1), text);
    const ReadSystem read = readSystemText(text.toStdString(), userNumberLocale());
    ASSERT_TRUE(read.system);
    EXPECT_EQ(window.form->typedSystem(), *read.system);
    EXPECT_TRUE(window.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteAsFile,
    testing::Values("x1,x2,b\n2,1,5\n1,-3,-8\n", "# Система 1\n2;1;5\n\n1;-3;-8\n",
        "Уравнения\t\t\n2\t1\t5\t\t\n1\t-3\t-8\t\t\n", "\"2.5\",1,5\n1,-3,\"-8\"\n",
        "1 1 1 6\n1 -1 0 0\n0 1 -1 -1\n"));

struct RefusedCase {
    const char* name;
    int row;
    int column;
    const char* block;
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedPaste : public GridClipboard, public testing::WithParamInterface<RefusedCase> { };

TEST_P(RefusedPaste, SaysWhyAndChangesNothing)
{
    const RefusedCase& c = GetParam();
    TestWindow window;
    window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
    const std::vector<QString> before = window.texts(9, 10);
    pasteInto(window.form->cell(c.row, c.column), QString::fromUtf8(c.block));

    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("Поставяне на числа"));
    EXPECT_TRUE(window.boxes.shown[0].text.startsWith(QString::fromUtf8(c.message)))
        << window.boxes.shown[0].text.toStdString();
    EXPECT_EQ(window.texts(9, 10), before);
    EXPECT_EQ(window.form->store().SystemSize, 2);
}

INSTANTIATE_TEST_SUITE_P(Blocks, RefusedPaste,
    testing::Values(
        RefusedCase { "TooWide", 1, 8, "1 2 3 4",
            "Блокът в клипборда има 1 ред по 4 клетки, а от ред 1, колона 8 надясно и надолу в таблицата се "
            "побират 9 реда по 3 клетки." },
        RefusedCase { "TooTall", 7, 1, "1\n2\n3\n4",
            "Блокът в клипборда има 4 реда по 1 клетка, а от ред 7, колона 1" },
        RefusedCase { "RaggedSystem", 1, 1, "1 2 3 4\n5 6 7\n8 9 10 11",
            "Редовете на блока в клипборда имат различен брой клетки (от 3 до 4). Система с 3 уравнения се "
            "поставя като 3 реда по 4 клетки." }),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST_F(GridClipboard, OneCellAndTheContextMenuPasteAsBefore)
{
    TestWindow window;
    GridCell* cell = window.form->cell(1, 1);
    cell->setText("12");
    cell->setCursorPosition(1);
    pasteInto(cell, QStringLiteral("7\n"));
    EXPECT_EQ(cell->text(), "172");

    // The context menu's Paste takes a block the same way.
    QApplication::clipboard()->setText(QStringLiteral("5 6\n7 8"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), cell->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(window.form->cell(3, 3), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        entries << action->text();
        if (action->text().startsWith(QString::fromUtf8("&Поставяне\t")))
            paste = action;
    }
    EXPECT_TRUE(entries.contains(QString::fromUtf8("Копирай решението")));
    // Qt's own entries in Bulgarian too, whatever the locale.
    EXPECT_TRUE(entries.filter(QStringLiteral("Paste")).isEmpty()) << entries.join(", ").toStdString();
    ASSERT_NE(paste, nullptr) << entries.join(", ").toStdString();
    paste->trigger();
    menu->close();
    EXPECT_EQ(window.texts(4, 4).back(), "8");
}

struct MoveCase {
    const char* name;
    int size;
    int row;
    int column;
    Qt::Key key;
    int toRow;
    int toColumn;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MovesBetweenCells : public testing::TestWithParam<MoveCase> { };

TEST_P(MovesBetweenCells, SelectingTheTextItReaches)
{
    const MoveCase& c = GetParam();
    TestWindow window;
    window.layOut(c.size);
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 10; ++column)
            window.form->cell(row, column)->setText(QStringLiteral("%1").arg(10 * row + column));
    QApplication::setActiveWindow(window.main.get());
    GridCell* from = window.form->cell(c.row, c.column);
    from->setFocus();
    QTest::keyClick(from, c.key);

    GridCell* to = window.form->cell(c.toRow, c.toColumn);
    EXPECT_TRUE(to->hasFocus());
    if (to != from) {
        EXPECT_EQ(to->selectedText(), to->text());
    }
    EXPECT_EQ(from->text(), QStringLiteral("%1").arg(10 * c.row + c.column));
    EXPECT_TRUE(window.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, MovesBetweenCells,
    testing::Values(MoveCase { "EnterAlongTheRow", 3, 2, 1, Qt::Key_Return, 2, 2 },
        MoveCase { "EnterFromTheRightHandSide", 3, 1, 4, Qt::Key_Enter, 2, 1 },
        MoveCase { "EnterFromTheLastCellWraps", 3, 3, 4, Qt::Key_Return, 1, 1 },
        MoveCase { "EnterOutsideTheSystemStays", 3, 4, 1, Qt::Key_Return, 4, 1 },
        MoveCase { "DownInTheColumn", 2, 3, 7, Qt::Key_Down, 4, 7 },
        MoveCase { "UpAtTheTopStays", 2, 1, 2, Qt::Key_Up, 1, 2 },
        MoveCase { "DownAtTheBottomStays", 2, 9, 10, Qt::Key_Down, 9, 10 }),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(GridClipboard, CopiesTheWorkedSolutionOnlyWhileResultsAreShown)
{
    TestWindow window;
    Form1& form = *window.form;
    const MainWindow::Actions& actions = window.main->actions();
    window.activate(); // shortcuts work in a visible, active window
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    QTest::keyClick(form.cell(1, 1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(actions.copySolution->isEnabled());
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");

    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    ASSERT_TRUE(actions.copySolution->isEnabled());
    QTest::keyClick(form.cell(1, 1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains(QString::fromUtf8("x1 − 3·x2 = −8\n")));
    EXPECT_TRUE(copied->text().contains(QString::fromUtf8("x2 = d2/d = −21 / −7 = 3\n")));
    EXPECT_TRUE(copied->html().contains(
        QString::fromUtf8("&nbsp;= <span style=\"white-space:nowrap\">−21</span></td>")));

    actions.copySolutionAsLatex->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains("\\begin{vmatrix}"));

    QTest::mouseClick(form.command(2), Qt::LeftButton);
    EXPECT_FALSE(actions.copySolution->isEnabled());
    EXPECT_FALSE(actions.copySolutionAsLatex->isEnabled());
}

} // namespace
} // namespace cramer
