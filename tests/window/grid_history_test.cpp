// SPDX-License-Identifier: GPL-3.0-or-later

// Typed work is never lost to a command: each command that replaces or
// clears the grid can be undone and redone, and a system that is in no
// file is asked about before a file takes its place or the window closes.

#include "window/shell/exercises.h"
#include "window/shell/grid_history.h"
#include "window/shell/system_files.h"

#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace cramer {
namespace {

using testing_support::TestWindow;
using SaveAnswer = MessageBoxes::SaveAnswer;

class GridHistoryTest : public testing_support::EnglishLocaleTest {
protected:
    void SetUp() override
    {
        EnglishLocaleTest::SetUp();
        file = folder.filePath("other.csv");
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("1,1,3\n1,-1,1\n");
        QSettings().setValue(QStringLiteral("files/recent"), QStringList { file });
    }
    void TearDown() override
    {
        QSettings().remove(QStringLiteral("files/recent"));
        EnglishLocaleTest::TearDown();
    }

    // A 9 × 9 typed by hand: 90 numbers.
    static void typeNineByNine(TestWindow& window)
    {
        window.layOut(9);
        std::vector<std::vector<QString>> rows(9);
        for (int row = 0; row < 9; ++row)
            for (int column = 0; column < 10; ++column)
                rows[row].push_back(QString::number(row == column ? 100 : row + column));
        window.type(rows);
    }

    QTemporaryDir folder;
    QString file;
};

void drop(TestWindow& window, const QString& path)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.form->cell(1, 1), &enter);
    QDropEvent event(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.form->cell(1, 1), &event);
}

TEST_F(GridHistoryTest, UndoAndRedoEveryCommandThatReplacesTheGrid)
{
    const struct {
        const char* command;
        std::function<void(TestWindow&, const QString&)> run;
    } kCommands[] = {
        { "open", [](TestWindow& window, const QString& path) { window.main->files().open(path); } },
        { "drop", drop },
        { "recent file",
            [](TestWindow& window, const QString&) { window.main->files().recentMenu()->actions().at(0)->trigger(); } },
        { "new exercise",
            [](TestWindow& window, const QString&) { window.main->exercises().newExerciseAction()->trigger(); } },
        { "ИЗЧИСТИ", [](TestWindow& window, const QString&) { QTest::mouseClick(window.form->command(2), Qt::LeftButton); } },
        { "ВЪВЕДИ  СИСТЕМАТА", [](TestWindow& window, const QString&) { window.layOut(4); } },
    };
    for (const auto& command : kCommands) {
        TestWindow window;
        typeNineByNine(window);
        const GridState typed = GridHistory::stateOf(*window.form);
        command.run(window, file);
        const GridState replaced = GridHistory::stateOf(*window.form);
        ASSERT_NE(replaced, typed) << command.command;
        QAction* undo = window.main->history().undoAction();
        QAction* redo = window.main->history().redoAction();
        ASSERT_TRUE(undo->isEnabled()) << command.command;
        EXPECT_FALSE(redo->isEnabled()) << command.command;
        undo->trigger();
        EXPECT_EQ(GridHistory::stateOf(*window.form), typed) << command.command;
        EXPECT_TRUE(window.form->holdsSystem()) << command.command;
        EXPECT_EQ(window.form->option(8)->isChecked(), true) << command.command;
        ASSERT_TRUE(redo->isEnabled()) << command.command;
        redo->trigger();
        EXPECT_EQ(GridHistory::stateOf(*window.form), replaced) << command.command;
        // The solve of a system brought back is the solve of what is shown.
        undo->trigger();
        window.solve();
        EXPECT_FALSE(window.form->label(121)->text().isEmpty()) << command.command;
    }
}

// Ctrl+Z undoes the focused cell's own typing first, then the command
// before it; typing after an Undo is kept by Redo and the next Undo.
TEST_F(GridHistoryTest, CtrlZGoesToTheCellFirstAndNothingTypedIsLost)
{
    TestWindow window;
    window.activate();
    window.layOut(2);
    window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
    const GridState typed = GridHistory::stateOf(*window.form);
    QTest::mouseClick(window.form->command(2), Qt::LeftButton); // ИЗЧИСТИ
    window.layOut(2);
    GridCell* cell = window.form->cell(1, 1);
    cell->setFocus();
    QTest::keyClicks(cell, "7");
    QTest::keySequence(window.main.get(), QKeySequence::Undo);
    EXPECT_EQ(cell->text(), "") << "the cell's own typing goes first";
    EXPECT_TRUE(window.form->cell(1, 1)->isEnabled());
    QTest::keyClicks(cell, "8");
    QTest::keySequence(cell, QKeySequence::Undo); // the 8
    QTest::keySequence(cell, QKeySequence::Undo); // ВЪВЕДИ  СИСТЕМАТА
    QTest::keySequence(cell, QKeySequence::Undo); // ИЗЧИСТИ
    EXPECT_EQ(GridHistory::stateOf(*window.form), typed);

    window.form->cell(2, 3)->setText("60"); // typed after Undo
    window.main->history().redoAction()->trigger();
    EXPECT_FALSE(GridHistory::stateOf(*window.form).laidOut);
    window.main->history().undoAction()->trigger();
    EXPECT_EQ(window.form->cell(2, 3)->text(), "60");
}

// Opening a file (from the dialog, the recent files or a drop) asks about numbers that are in no file;
// closing never asks.
TEST_F(GridHistoryTest, NumbersInNoFileAreAskedAboutBeforeTheyGo)
{
    const QString own = folder.filePath("own.csv");
    enum class Start { Typed, FromFile, FromFileChanged, Empty };
    const struct {
        Start start;
        SaveAnswer answer;
        bool askedOnOpen;
        bool opened;
    } kCases[] = {
        { Start::Typed, SaveAnswer::Cancel, true, false },
        { Start::Typed, SaveAnswer::Discard, true, true },
        { Start::FromFile, SaveAnswer::Cancel, false, true },
        { Start::FromFileChanged, SaveAnswer::Cancel, true, false },
        { Start::FromFileChanged, SaveAnswer::Save, true, true },
        { Start::Empty, SaveAnswer::Cancel, false, true },
    };
    for (const auto& test : kCases) {
        const auto context = ::testing::Message() << "case " << static_cast<int>(test.start) << "/"
                                                  << static_cast<int>(test.answer);
        QFile::remove(own);
        TestWindow window;
        window.boxes.saveAnswer = test.answer;
        window.layOut(2);
        if (test.start == Start::Typed)
            window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
        if (test.start == Start::FromFile || test.start == Start::FromFileChanged) {
            window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
            ASSERT_TRUE(window.main->files().saveTo(own)) << context;
        }
        if (test.start == Start::FromFileChanged)
            window.form->cell(1, 1)->setText("9");
        const GridState before = GridHistory::stateOf(*window.form);

        window.main->show();
        window.boxes.shown.clear();
        EXPECT_TRUE(window.main->close()) << context;
        EXPECT_TRUE(window.boxes.shown.empty()) << context;

        window.boxes.shown.clear();
        EXPECT_EQ(window.main->files().open(file), test.opened) << context;
        EXPECT_EQ(window.boxes.shown.size(), test.askedOnOpen ? 1U : 0U) << context;
        if (test.opened)
            EXPECT_EQ(window.form->typedSystem().texts, std::vector<std::string>({ "1", "1", "3", "1", "-1", "1" }))
                << context;
        else
            EXPECT_EQ(GridHistory::stateOf(*window.form), before) << context;
        if (test.answer == SaveAnswer::Save) {
            QFile saved(own);
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_EQ(saved.readAll(), QByteArray("9,2,3\n4,5,6\n")) << context;
        }
    }
}

// Closing keeps the grid: the next start shows the form as it always
// starts, says once that the grid is kept, and Undo brings it back with
// the file it came from.
TEST_F(GridHistoryTest, TheGridClosedWithIsOneUndoAwayAtTheNextStart)
{
    const QString own = folder.filePath("own.csv");
    GridState closedWith;
    {
        TestWindow window;
        window.layOut(2);
        window.type({ { "1", "2", "3" }, { "4", "5", "6" } });
        ASSERT_TRUE(window.main->files().saveTo(own));
        window.form->cell(2, 3)->setText("7,5");
        closedWith = GridHistory::stateOf(*window.form);
        window.main->show();
        ASSERT_TRUE(window.main->close());
        EXPECT_TRUE(window.boxes.shown.empty());
    }
    TestWindow restarted(TestWindow::Start::AfterClosing);
    EXPECT_EQ(restarted.main->statusBar()->currentMessage().toStdString(),
        "Системата, с която затвори прозореца, е запазена: „Редактиране → Отмени“ (Ctrl+Z) я връща.");
    EXPECT_NE(GridHistory::stateOf(*restarted.form), closedWith) << "the form starts as it always starts";
    restarted.main->history().undoAction()->trigger();
    EXPECT_EQ(GridHistory::stateOf(*restarted.form), closedWith);
    EXPECT_EQ(restarted.main->files().saveTarget(), own);
    EXPECT_TRUE(restarted.main->files().changedSinceFile());
    EXPECT_TRUE(restarted.main->statusBar()->currentMessage().isEmpty()) << "said once";

    // A window closed with an empty grid leaves the kept one alone.
    restarted.main->history().redoAction()->trigger();
    restarted.main->show();
    ASSERT_TRUE(restarted.main->close());
    TestWindow again(TestWindow::Start::AfterClosing);
    again.main->history().undoAction()->trigger();
    EXPECT_EQ(GridHistory::stateOf(*again.form), closedWith);
}

QAbstractButton* button(const QMessageBox& box, const char* text)
{
    for (QAbstractButton* button : box.buttons())
        if (button->text() == QString::fromUtf8(text))
            return button;
    ADD_FAILURE() << "no button " << text;
    return box.buttons().at(0);
}

// The real question box: Enter and Escape keep things as they are (Cancel);
// each button gives its answer.
TEST(SaveQuestion, EnterAndEscapeCancelAndEachButtonAnswers)
{
    const struct {
        std::function<void(QMessageBox&)> press;
        SaveAnswer answer;
    } kPresses[] = {
        { [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, SaveAnswer::Cancel },
        { [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, SaveAnswer::Cancel },
        { [](QMessageBox& box) { button(box, "&Запази")->click(); }, SaveAnswer::Save },
        { [](QMessageBox& box) { button(box, "&Не запазвай")->click(); }, SaveAnswer::Discard },
    };
    for (const auto& press : kPresses) {
        ModalMessageBoxes boxes;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            press.press(*box);
        });
        EXPECT_EQ(boxes.askToSave(nullptr, "title", "text"), press.answer);
    }
}

} // namespace
} // namespace cramer
