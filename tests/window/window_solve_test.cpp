// SPDX-License-Identifier: GPL-3.0-or-later

// Solving in the window: matrices shown, announcements, results and errors.

#include "window_test_support.h"

#include "window/shell/exercises.h"
#include "window/shell/system_files.h"
#include "window/shell/working_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <QAction>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing::ElementsAre;
using testing_support::activeCellColour;
using testing_support::cellColour;
using testing_support::inactiveCellColour;
using testing_support::ShownMessage;
using testing_support::TestWindow;

const QString kAnnouncement = QString::fromUtf8("виж детерминантата:");

using SolveInWindow = testing_support::EnglishLocaleTest;

QStringList titles(const std::vector<ShownMessage>& shown)
{
    QStringList result;
    for (const auto& message : shown)
        result << message.title;
    return result;
}

QStringList messageTexts(const std::vector<ShownMessage>& shown)
{
    QStringList result;
    for (const auto& message : shown)
        result << message.text;
    return result;
}

QStringList resultRow(const Form1& form, int row)
{
    QStringList captions;
    for (int number : { row, 10 * row, 100 + 2 * row, 101 + 2 * row, 118 + 2 * row, 119 + 2 * row })
        captions << form.label(number)->text();
    return captions;
}

TEST_F(SolveInWindow, WalksThroughEachDeterminantAndFillsTheResultRows)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    QStringList headings;
    window.boxes.whileOpen = [&](const ShownMessage&) {
        const Form1& form = *window.form;
        headings << form.label(138)->text() + form.label(139)->text() + form.label(140)->text();
    };
    window.solve();
    EXPECT_EQ(titles(window.boxes.shown), QStringList({ kAnnouncement, kAnnouncement, kAnnouncement }));
    EXPECT_EQ(messageTexts(window.boxes.shown), QStringList({ "det=9", "det=3", "det=6" }));
    EXPECT_EQ(headings, QStringList({ "d=", "d1=", "d2=" }));
    EXPECT_EQ(resultRow(*window.form, 1), QStringList({ "x1=d1/d=", "3", "/", "9", "=", "0.333" }));
    EXPECT_EQ(resultRow(*window.form, 2), QStringList({ "x2=d2/d=", "6", "/", "9", "=", "0.667" }));
    for (int row = 3; row <= 9; ++row)
        EXPECT_EQ(resultRow(*window.form, row), QStringList({ "", "", "", "", "", "" })) << row;
    EXPECT_THAT(window.texts(2, 3), ElementsAre("3", "0", "1", "0", "3", "2"));
    EXPECT_EQ(cellColour(window.form->cell(2, 3)), activeCellColour());
    EXPECT_EQ(window.form->label(22)->text(), ".x2=");
    EXPECT_TRUE(window.form->label(138)->text().isEmpty());
    EXPECT_FALSE(window.form->line(3)->isDrawn());
}

TEST_F(SolveInWindow, ShowsTheMatrixOfEachDeterminantWhileItsBoxIsOpen)
{
    TestWindow window;
    window.layOut(3);
    window.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
    std::vector<std::vector<QString>> pictures;
    window.boxes.whileOpen = [&](const ShownMessage&) {
        pictures.push_back(window.texts(3, 4));
        const Form1& form = *window.form;
        EXPECT_TRUE(form.line(3)->isDrawn());
        EXPECT_EQ(form.line(3)->x1(), 4320);
        EXPECT_EQ(form.line(1)->y2(), 1680);
        EXPECT_EQ(form.label(138)->y(), 720 / 15);
        EXPECT_EQ(form.label(139)->y(), 960 / 15);
        EXPECT_EQ(cellColour(form.cell(3, 3)), activeCellColour());
        EXPECT_EQ(cellColour(form.cell(3, 4)), inactiveCellColour());
        EXPECT_TRUE(form.label(11)->text().isEmpty());
    };
    window.solve();
    ASSERT_EQ(pictures.size(), 4u);
    // d_2: column 2 holds the right-hand sides, column 4 stays empty.
    EXPECT_THAT(pictures[2], ElementsAre("2", "4", "1", "", "1", "6", "2", "", "1", "1", "0", ""));
    EXPECT_EQ(window.boxes.shown[0].text, "det=-0.9999999");
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(resultRow(*window.form, row),
            QStringList({ QStringLiteral("x%1=d%1/d=").arg(row), "-1", "/", "-1", "=", "1" }));
}

TEST_F(SolveInWindow, SingularSystemGetsTheTwoReportsAndKeepsTheScreen)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    const QStringList earlierRow = resultRow(*window.form, 1);
    window.boxes.shown.clear();
    window.type({ { "1", "2", "5" }, { "2", "4", "6" } });
    window.solve();
    const QString solution = QString::fromUtf8("РЕШЕНИЕ:");
    EXPECT_EQ(titles(window.boxes.shown), QStringList({ solution, solution }));
    EXPECT_EQ(messageTexts(window.boxes.shown),
        QStringList({ QString::fromUtf8("d=0 =>системата или има безброй решения или няма решение!!!"),
            QString::fromUtf8("КОМПЮТЪРА НЕ РЕШАВА ТАКИВА СИСТЕМИ!!! бутон <ИЗЧИСТИ>") }));
    EXPECT_EQ(resultRow(*window.form, 1), earlierRow);
    EXPECT_THAT(window.texts(2, 3), ElementsAre("1", "2", "5", "2", "4", "6"));
}

TEST_F(SolveInWindow, SmallerSystemAfterNineEmptiesTheOtherRows)
{
    TestWindow window;
    window.layOut(9);
    std::vector<std::vector<QString>> rows(9, std::vector<QString>(10, "0"));
    for (int row = 0; row < 9; ++row) {
        rows[row][row] = "2";
        rows[row][9] = QString::number(row + 1);
    }
    window.type(rows);
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 10u);
    EXPECT_EQ(resultRow(*window.form, 9), QStringList({ "x9=d9/d=", "2304", "/", "512", "=", "4.5" }));
    EXPECT_EQ(window.form->cell(9, 10)->text(), "9");

    window.layOut(2);
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    for (int row = 3; row <= 9; ++row)
        EXPECT_TRUE(window.form->label(10 * row)->text().isEmpty()) << row;
    // A caption is shown exactly when it has text or paints a background.
    window.main->show();
    for (const CaptionLabel* label : window.form->findChildren<CaptionLabel*>())
        EXPECT_EQ(label->isVisible(), !label->text().isEmpty() || label->autoFillBackground())
            << label->objectName().toStdString();
}

TEST_F(SolveInWindow, UsesTheLaidOutSizeNotTheSelectedOption)
{
    TestWindow window;
    window.layOut(3);
    window.type({ { "1", "0", "0", "1" }, { "0", "1", "0", "2" }, { "0", "0", "1", "3" } });
    window.form->option(1)->setChecked(true);
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 4u);
    EXPECT_EQ(resultRow(*window.form, 3), QStringList({ "x3=d3/d=", "3", "/", "1", "=", "3" }));
    EXPECT_EQ(window.form->store().SystemSize, 3);
}

TEST_F(SolveInWindow, DividesByTheUnroundedDeterminant)
{
    TestWindow window;
    window.type({ { "0.5", "0.25", "1" }, { "0.25", "0.5", "1" } });
    window.solve();
    EXPECT_EQ(resultRow(*window.form, 1), QStringList({ "x1=d1/d=", "0.25", "/", "0.19", "=", "1.333" }));
    EXPECT_EQ(resultRow(*window.form, 2), QStringList({ "x2=d2/d=", "0.25", "/", "0.19", "=", "1.333" }));
}

TEST_F(SolveInWindow, FullValuesStandBehindRoundedOnesAndSqueezedCells)
{
    TestWindow window;
    window.type({ { "0.5", "0.25", "1" }, { "0.25", "0.5", "1" } });
    QString behindCell;
    window.boxes.whileOpen = [&](const ShownMessage&) {
        if (behindCell.isEmpty())
            behindCell = window.form->cell(1, 2)->toolTip();
    };
    window.solve();
    EXPECT_EQ(behindCell, "0.25");
    auto behind = [&](int number) {
        const CaptionLabel* shown = window.form->label(number);
        EXPECT_EQ(shown->toolTip(), shown->accessibleDescription());
        return shown->text() + " " + shown->toolTip();
    };
    EXPECT_EQ(behind(103), "0.19 0.1875"); // d
    EXPECT_EQ(behind(10), "0.25 0.25"); // d_1
    EXPECT_EQ(behind(121), "1.333 1.333333"); // x_1
    QTest::mouseClick(window.form->command(2), Qt::LeftButton);
    EXPECT_TRUE(window.form->label(121)->toolTip().isEmpty());
    EXPECT_TRUE(window.form->cell(1, 2)->toolTip().isEmpty());
}

TEST_F(SolveInWindow, SecondSolveGivesTheSameResults)
{
    TestWindow window;
    window.type({ { "1", "1", "3" }, { "1", "-1", "1" } });
    window.solve();
    const QStringList first = resultRow(*window.form, 1) + resultRow(*window.form, 2);
    window.solve();
    EXPECT_EQ(resultRow(*window.form, 1) + resultRow(*window.form, 2), first);
    EXPECT_EQ(first[5], "2");
    EXPECT_EQ(window.boxes.shown.size(), 6u);
}

TEST_F(SolveInWindow, NoOtherCommandRunsWhileABoxIsOpen)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    int nested = 0;
    window.boxes.whileOpen = [&](const ShownMessage&) {
        window.form->option(4)->setChecked(true);
        window.form->Command1_Click();
        window.form->Command2_Click();
        if (nested++ == 0)
            window.form->Command3_Click();
    };
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 3u);
    EXPECT_EQ(window.form->store().SystemSize, 2);
    EXPECT_EQ(resultRow(*window.form, 2)[5], "0.667");
}

TEST_F(SolveInWindow, EveryCommandOfTheWindowWaitsForTheBox)
{
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    QStringList openWhileBusy;
    window.boxes.whileOpen = [&](const ShownMessage&) {
        for (QAction* action : window.main->QWidget::actions())
            if (action->isEnabled())
                openWhileBusy << action->text();
        window.main->exercises().newExerciseAction()->trigger();
    };
    window.solve();
    EXPECT_TRUE(openWhileBusy.isEmpty()) << openWhileBusy.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(resultRow(*window.form, 2)[5], "0.667") << "no new exercise replaced the system";
    // Afterwards each command is as its owner wants it.
    EXPECT_TRUE(window.main->actions().copySolution->isEnabled());
    EXPECT_TRUE(window.main->files().saveAction()->isEnabled());
    EXPECT_TRUE(window.main->actions().zoomIn->isEnabled());
}

struct BadCellCase {
    const char* name;
    int row;
    int column;
    const char* text;
    const char* expectedPart;
};

void PrintTo(const BadCellCase& c, std::ostream* os) { *os << c.name; }

class BadCell : public SolveInWindow, public testing::WithParamInterface<BadCellCase> { };

TEST_P(BadCell, GetsOneMessageThatNamesItAndKeepsTheSystem)
{
    const BadCellCase& c = GetParam();
    TestWindow window;
    window.activate();
    window.layOut(3);
    window.type({ { "1", "2", "3", "4" }, { "5", "6", "7", "8" }, { "9", "1", "2", "3" } });
    window.form->cell(c.row, c.column)->setText(QString::fromUtf8(c.text));
    const std::vector<QString> typed = window.texts(9, 10);
    window.solve();

    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("Грешка във въвеждането"));
    EXPECT_TRUE(window.boxes.shown[0].text.contains(QString::fromUtf8(c.expectedPart)))
        << window.boxes.shown[0].text.toStdString();
    EXPECT_EQ(window.texts(9, 10), typed);
    EXPECT_FALSE(window.form->line(3)->isDrawn());
    EXPECT_EQ(QApplication::focusWidget(), window.form->cell(c.row, c.column));
    EXPECT_EQ(window.form->cell(c.row, c.column)->selectedText(), window.form->cell(c.row, c.column)->text());

    window.form->cell(c.row, c.column)->setText("1");
    window.boxes.shown.clear();
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 4u) << "the corrected system solves";
}

INSTANTIATE_TEST_SUITE_P(Messages, BadCell,
    testing::Values(BadCellCase { "Empty", 1, 2, "", "коефициента пред x2 в уравнение 1 е празна" },
        BadCellCase { "Letters", 2, 3, "12abc", "„12abc“, а това не е число" },
        BadCellCase { "FreeTerm", 3, 4, "x", "свободния член на уравнение 3" },
        BadCellCase { "OutOfRange", 2, 1, "1e39", "твърде голямо" },
        BadCellCase { "CommaUnderEnglish", 1, 1, "1,5", "„1,5“" },
        BadCellCase { "DecimalCommaTakenForGrouping", 2, 2, "0,125", "„0,125“, а това не е число" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolveInWindow, OverflowNamesTheValueAndGivesTheTypedSystemBack)
{
    TestWindow window;
    window.type({ { "1e20", "0", "1" }, { "0", "1e20", "1" } });
    window.solve();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("Твърде голямо число"));
    EXPECT_TRUE(window.boxes.shown[0].text.startsWith(QString::fromUtf8("Детерминантата d ")));
    EXPECT_THAT(window.texts(2, 3), ElementsAre("1e20", "0", "1", "0", "1e20", "1"));

    window.boxes.shown.clear();
    window.type({ { "1e-5", "0", "1e35" }, { "0", "1e-5", "1" } });
    window.solve();
    ASSERT_EQ(window.boxes.shown.size(), 3u);
    EXPECT_TRUE(window.boxes.shown[2].text.startsWith(QString::fromUtf8("Неизвестното x1 = d1/d")));
    EXPECT_THAT(window.texts(2, 3), ElementsAre("1e-5", "0", "1e35", "0", "1e-5", "1"));
    EXPECT_EQ(cellColour(window.form->cell(2, 3)), activeCellColour());
    EXPECT_EQ(window.form->label(12)->text(), ".x2=");
    EXPECT_FALSE(window.form->line(3)->isDrawn());

    window.boxes.shown.clear();
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 3u);
}

TEST_F(SolveInWindow, NumbersFollowTheUserLocale)
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "1.5", "0,5" } });
    window.solve();
    EXPECT_EQ(messageTexts(window.boxes.shown), QStringList({ "det=4,5", "det=1,5", "det=1,5" }));
    EXPECT_EQ(resultRow(*window.form, 1)[5], "0,333");
    EXPECT_EQ(resultRow(*window.form, 2)[3], "4,5");
    EXPECT_THAT(window.texts(2, 3), ElementsAre("3", "0", "1", "0", "1,5", "0,5"));
}

TEST_F(SolveInWindow, RealModalBoxHasTheTextAndClosesWithEnter)
{
    ModalMessageBoxes boxes;
    MainWindow window(boxes);
    Form1& form = *window.form();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    form.cell(1, 1)->setText("3");
    form.cell(1, 2)->setText("0");
    form.cell(1, 3)->setText("1");
    form.cell(2, 1)->setText("0");
    form.cell(2, 2)->setText("3");
    form.cell(2, 3)->setText("2");

    QStringList seen;
    QString gridUnderFirstBox;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        if (seen.isEmpty()) {
            gridUnderFirstBox = form.cell(1, 1)->text() + form.cell(2, 2)->text();
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_TRUE(box->isModal());
            // The window takes no command while the box is up.
            QTest::mouseClick(form.command(2), Qt::LeftButton);
            EXPECT_EQ(form.cell(1, 1)->text(), "3") << "the clear button ran under the box";
            // Nor a menu command.
            QApplication::clipboard()->setText(QStringLiteral("7"));
            window.actions().paste->trigger();
            EXPECT_EQ(form.cell(1, 1)->text(), "3") << "a paste from the menu ran under the box";
        }
        seen << box->windowTitle() + "|" + box->text() + "|" + box->accessibleDescription();
        QTest::keyClick(box, seen.size() == 2 ? Qt::Key_Escape : Qt::Key_Return);
        if (seen.size() < 3)
            QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(10, answer);
    form.Command3_Click();

    // A screen reader hears which determinant each box shows.
    EXPECT_EQ(seen,
        QStringList({ kAnnouncement + QString::fromUtf8("|det=9|главната детерминанта d"),
            kAnnouncement + QString::fromUtf8("|det=3|d1: колона 1 е заменена със свободните членове"),
            kAnnouncement + QString::fromUtf8("|det=6|d2: колона 2 е заменена със свободните членове") }));
    EXPECT_EQ(gridUnderFirstBox, "33");
    EXPECT_EQ(form.label(121)->text(), "0.333");
}

// Answers each real box with Enter, as it comes, until `count` have been answered.
class EnterAnswers {
public:
    explicit EnterAnswers(int count)
        : left_(count)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QTest::keyClick(box, Qt::Key_Return);
                if (--left_ == 0)
                    timer_.stop();
            }
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
    int left_;
};

TEST_F(SolveInWindow, TheKeyboardIsBackInTheFormAfterTheBoxesWithTheWorkingOpen)
{
    ModalMessageBoxes boxes;
    MainWindow window(boxes);
    Form1& form = *window.form();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::vector<std::pair<int, QString>> system { { 1, "3" }, { 2, "0" }, { 3, "1" } };
    for (int row = 1; row <= 2; ++row)
        for (const auto& [column, text] : system)
            form.cell(row, column)->setText(row == 2 && column == 2 ? "2" : text);
    {
        const EnterAnswers answers(3);
        form.Command3_Click();
    }
    window.solution().showWorking();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.solution().workingWindow()));

    // Back in the form, a cell is clicked and the system solved again.
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    form.cell(2, 3)->setFocus(Qt::MouseFocusReason);
    form.cell(2, 3)->setText("5");
    {
        const EnterAnswers answers(3);
        form.Command3_Click();
    }
    QApplication::processEvents();

    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), form.cell(2, 3));
    EXPECT_TRUE(window.solution().workingWindow()->isVisible()) << "the working stays open beside the form";
    EXPECT_FALSE(window.solution().workingWindow()->isActiveWindow());
}

} // namespace
} // namespace cramer
