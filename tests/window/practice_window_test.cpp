// SPDX-License-Identifier: GPL-3.0-or-later

// Practice from the menu to its summary, with the keyboard.

#include "window/form/announcer.h"
#include "window/shell/exercises.h"
#include "window/shell/figure_view.h"
#include "window/shell/matrix_view.h"
#include "window/shell/practice.h"
#include "window/shell/practice_window.h"
#include "window/shell/working_window.h"

#include "window_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::EnglishLocaleTest;
using testing_support::TestWindow;

class PracticeInWindow : public EnglishLocaleTest { };

TEST_F(PracticeInWindow, WalksA2x2ToItsSummary)
{
    TestWindow window;
    window.activate();
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    QTest::keyClick(window.form->cell(1, 1), Qt::Key_R, Qt::ControlModifier);
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    ASSERT_EQ(practice->stepCount(), 5); // d, d1, d2, x1, x2
    window.main->practice().startAction()->trigger();
    EXPECT_EQ(window.main->practice().window(), practice) << "one practice of one system";
    EXPECT_EQ(window.main->findChildren<PracticeWindow*>().size(), 1);
    // Each step's buttons are named with their step for a screen reader.
    QStringList names;
    for (const QPushButton* button : practice->findChildren<QPushButton*>())
        names << button->accessibleName();
    EXPECT_TRUE(names.contains(QString::fromUtf8("Провери d₁")))
        << names.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(names.contains(QString::fromUtf8("Подсказка x₂")));
    // The matrices as the working sets them, and in words row by row.
    const QList<MatrixView*> matrices = practice->findChildren<MatrixView*>();
    ASSERT_EQ(matrices.size(), 3);
    EXPECT_EQ(matrices[1]->accessibleName(), QString::fromUtf8("d₁"));
    EXPECT_EQ(matrices[1]->accessibleDescription(),
        QString::fromUtf8("ред 1: 5, 1; ред 2: −8, −3. Колона 1 е заменена със свободните членове."));

    auto answer = [&](int step, const char* text) {
        QLineEdit* field = practice->answerField(step);
        field->setText(QString::fromUtf8(text));
        QTest::keyClick(field, Qt::Key_Return);
        return practice->feedback(step);
    };
    EXPECT_TRUE(answer(0, "пет").contains(QString::fromUtf8("не е число"))) << "not counted, says why";
    EXPECT_TRUE(answer(0, "7").contains(QString::fromUtf8("диагоналите са разменени")));
    EXPECT_EQ(answer(0, "-7"), QString::fromUtf8("Вярно."));
    EXPECT_EQ(practice->focusWidget(), practice->answerField(1)) << "the keyboard moves on";
    practice->hint(1);
    EXPECT_TRUE(practice->feedback(1).contains(QString::fromUtf8("2 × 2")));
    EXPECT_TRUE(answer(1, "-21").contains(QString::fromUtf8("колона 2, а трябва колона 1")));
    answer(1, "-7");
    answer(2, "-21");
    // The pictures show what has been found, and no more.
    const QList<FigureView*> figures = practice->findChildren<FigureView*>();
    ASSERT_EQ(figures.size(), 2);
    EXPECT_TRUE(figures[0]->description().contains(QString::fromUtf8("(?; ?)")));
    EXPECT_TRUE(figures[1]->description().contains(QString::fromUtf8("d = −7, d₁ = −7, d₂ = −21")));
    EXPECT_TRUE(answer(3, "-1").contains(QString::fromUtf8("знакът е обратен")));
    answer(3, "1");
    EXPECT_TRUE(answer(4, "1/3").contains(QString::fromUtf8("d/d₂")));
    EXPECT_TRUE(practice->summary().isEmpty());
    EXPECT_TRUE(figures[0]->description().contains(QString::fromUtf8("(?; ?)"))) << "x₂ still to find";
    answer(4, "3");
    EXPECT_TRUE(figures[0]->description().contains(QString::fromUtf8("точката (1; 3)")));

    const QString summary = practice->summary();
    EXPECT_TRUE(summary.contains(QString::fromUtf8("d = −7: вярно след 2 опита, подсказки: 0")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QString::fromUtf8("d₁ = −7: вярно след 2 опита, подсказки: 1")));
    EXPECT_TRUE(summary.contains(QString::fromUtf8("d₂ = −21: вярно от първия опит, подсказки: 0")));
    EXPECT_TRUE(window.boxes.shown.empty());

    practice->findChild<QPushButton*>("copySummary")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), summary);
    QTemporaryDir folder;
    ASSERT_TRUE(practice->saveSummaryTo(folder.filePath("summary.html")));
    QFile saved(folder.filePath("summary.html"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // The summary's document as HTML: its words once the tags are gone.
    const QString page
        = QString::fromUtf8(saved.readAll()).remove(QRegularExpression(QStringLiteral("<[^>]+>")));
    EXPECT_TRUE(page.contains(QString::fromUtf8("d2 = −21: вярно от първия опит"))) << page.toStdString();
    EXPECT_FALSE(practice->saveSummaryTo(folder.filePath("missing/summary.txt")));
    ASSERT_EQ(window.boxes.shown.size(), 1u) << "a file that cannot be written is named in a message";
    EXPECT_TRUE(window.boxes.shown[0].text.contains(QString::fromUtf8("няма такъв файл или папка")))
        << window.boxes.shown[0].text.toStdString();
    // A name typed without its suffix gets the one of the type chosen.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(folder.filePath(QString::fromUtf8("итог")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    practice->findChild<QPushButton*>("saveSummary")->click();
    EXPECT_TRUE(QFile::exists(folder.filePath(QString::fromUtf8("итог.txt"))));
    // The next exercise of the same size, in a practice of its own.
    window.main->exercises().setSeed(5);
    practice->findChild<QPushButton*>("newExercise")->click();
    PracticeWindow* next = window.main->practice().window();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, practice);
    EXPECT_EQ(next->stepCount(), 5);
    EXPECT_NE(window.form->cell(1, 1)->text(), QStringLiteral("2")) << "a new system in the grid";
}

// One practice at a time, following the grid: a changed system is practised
// only when the student says so, and "Нова задача" keeps the practice's
// size and asks before it replaces a system typed by hand.
TEST_F(PracticeInWindow, FollowsTheGridAndAsksBeforeReplacingIt)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.main->practice().start();
    PracticeWindow* first = window.main->practice().window();
    ASSERT_NE(first, nullptr);
    window.type({ { "1", "1", "3" }, { "1", "-1", "1" } });

    window.boxes.answer = false;
    window.main->practice().start();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_TRUE(window.boxes.shown.back().text.contains(QString::fromUtf8("променена")));
    EXPECT_EQ(window.main->practice().window(), first) << "the student kept the old one";

    window.boxes.answer = true;
    window.main->practice().start();
    PracticeWindow* second = window.main->practice().window();
    ASSERT_NE(second, first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.main->findChildren<PracticeWindow*>().size(), 1) << "one practice at a time";

    // The grid holds a system typed by hand: replaced only on yes.
    window.boxes.answer = false;
    second->findChild<QPushButton*>("newExercise")->click();
    EXPECT_EQ(window.boxes.shown.size(), 3u);
    EXPECT_EQ(window.form->cell(1, 1)->text(), QStringLiteral("1")) << "the typed system stays";
    EXPECT_EQ(window.main->practice().window(), second);

    // With three equations selected, the next exercise still has two.
    window.layOut(3);
    window.boxes.answer = true;
    window.main->exercises().setSeed(5);
    second->findChild<QPushButton*>("newExercise")->click();
    PracticeWindow* third = window.main->practice().window();
    ASSERT_NE(third, second);
    EXPECT_EQ(third->stepCount(), 5) << "d, d1, d2, x1, x2";
}

// The practice opens beside the form where the screen has room, else at
// the screen's edge on the roomier side, within the screen either way.
TEST_F(PracticeInWindow, OpensBesideTheForm)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    const QRect screen = window.main->screen()->availableGeometry();
    for (const int formWidth : { screen.width() / 4, screen.width() - 40 }) {
        window.main->setGeometry(screen.left(), screen.top(), formWidth, screen.height() / 2);
        window.main->practice().start();
        PracticeWindow* practice = window.main->practice().window();
        ASSERT_NE(practice, nullptr);
        const QRect placed = practice->frameGeometry();
        EXPECT_TRUE(screen.contains(placed)) << formWidth;
        if (screen.width() - formWidth >= placed.width()) {
            EXPECT_FALSE(placed.intersects(window.main->frameGeometry())) << "beside, not over the grid";
        } else {
            EXPECT_EQ(placed.right(), screen.right()) << "at the edge where it hides the least";
        }
        practice->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

struct KeyboardCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
};

void PrintTo(const KeyboardCase& c, std::ostream* os) { *os << c.name; }

class PracticeByKeyboard : public EnglishLocaleTest, public testing::WithParamInterface<KeyboardCase> { };

// Keys alone, from the form and back: Ctrl+R opens, each answer typed and
// checked with Enter, one wrong, one hint by Ctrl+H, Ctrl+W closes.
TEST_P(PracticeByKeyboard, FromTheFormToTheSummaryAndBack)
{
    const KeyboardCase& c = GetParam();
    const int n = static_cast<int>(c.rows.size());
    TestWindow window;
    window.layOut(n);
    std::vector<std::vector<QString>> typed;
    for (const auto& row : c.rows) {
        typed.emplace_back();
        for (const std::string& text : row)
            typed.back().push_back(QString::fromStdString(text));
    }
    window.type(typed);
    window.activate();
    QLineEdit* cell = window.form->cell(2, 1);
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_R, Qt::ControlModifier);
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == practice; }));
    const WorkedSolution solution = testing_support::workedSolutionOf(c.rows, kCLocale);
    std::vector<PracticeStep> steps;
    for (int i = 0; i <= n; ++i)
        steps.push_back({ PracticeStep::Kind::Determinant, i });
    for (int i = 1; i <= n; ++i)
        steps.push_back({ PracticeStep::Kind::Unknown, i });
    ASSERT_EQ(practice->stepCount(), static_cast<int>(steps.size()));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, practice->answerField(static_cast<int>(i)))
            << "step " << i << ": " << (focus ? focus->metaObject()->className() : "nothing");
        if (i == 0) {
            QTest::keyClicks(focus, QStringLiteral("12345"));
            QTest::keyClick(focus, Qt::Key_Return);
            EXPECT_TRUE(practice->feedback(0).startsWith(QString::fromUtf8("Не е вярно")));
            EXPECT_EQ(focus->accessibleDescription(), practice->feedback(0))
                << "read out where the keyboard is";
            EXPECT_EQ(QAccessible::queryAccessibleInterface(practice)->role(), QAccessible::Window)
                << "a window of its own to a screen reader, not a filler";
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        }
        if (i == 1) {
            QTest::keyClick(focus, Qt::Key_H, Qt::ControlModifier);
            EXPECT_FALSE(practice->feedback(1).isEmpty()) << "a hint";
        }
        const std::string value = expectedValue(solution.exact(), steps[i]).fraction();
        QTest::keyClicks(focus, QString::fromStdString(value));
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_TRUE(practice->feedback(static_cast<int>(i)).startsWith(QString::fromUtf8("Вярно"))) << value;
    }
    const QString summary = practice->summary();
    EXPECT_TRUE(
        summary.contains(QString::fromUtf8("d = ")) && summary.contains(QString::fromUtf8("подсказки: 1")))
        << summary.toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(window.main->practice().window(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.main.get(); }));
    EXPECT_EQ(QApplication::focusWidget(), cell) << "back at the cell it left";
}

INSTANTIATE_TEST_SUITE_P(Systems, PracticeByKeyboard,
    testing::Values(KeyboardCase { "TwoByTwo", { { "2", "1", "5" }, { "1", "-3", "-8" } } },
        KeyboardCase {
            "ThreeByThree", { { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } } },
        KeyboardCase { "FourByFour",
            { { "1", "2", "0", "1", "4" }, { "0", "1", "3", "1", "5" }, { "2", "0", "1", "1", "4" },
                { "1", "1", "1", "0", "3" } } }),
    [](const auto& info) { return std::string(info.param.name); });

// The messages that name a product or a column, on the 3 × 3 worked example
// (d = 2·3·0 + 1·2·1 + 1·1·0 − 1·3·1 − 2·2·0 − 1·1·0 = −1).
TEST_F(PracticeInWindow, NamesTheProductOrTheColumnThatWentWrong)
{
    TestWindow window;
    window.layOut(3);
    window.type({ { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } });
    window.main->practice().start();
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    auto answer = [&](int step, const char* text) {
        practice->answerField(step)->setText(QString::fromUtf8(text));
        practice->check(step);
        return practice->feedback(step).toStdString();
    };
    EXPECT_EQ(answer(0, "-3"), "Не е вярно: липсва произведението 1·2·1 (със знак +).");
    EXPECT_EQ(answer(0, "5"), "Не е вярно: произведението 1·3·1 е взето със знак +, а трябва −.");
    EXPECT_EQ(answer(0, "0.3"), "Не е вярно: отговорът се различава от верния с около 130 %.");
    EXPECT_EQ(answer(0, "-1.2"), "Не е вярно: отговорът се различава от верния с около 20 %.");
    EXPECT_EQ(answer(0, "-1.0007"), "Почти, но не е вярно: отговорът се различава от верния с около 0.07 %.");
}

// Worked by Enter alone in a window too low for all of it: the field with
// the keyboard, and at the end the summary, are always in view.
TEST_F(PracticeInWindow, KeepsTheKeyboardInView)
{
    const std::vector<std::vector<std::string>> rows { { "2", "1", "0", "1", "4" },
        { "1", "3", "1", "0", "5" }, { "0", "1", "4", "1", "6" }, { "1", "0", "1", "5", "7" } };
    TestWindow window;
    window.activate();
    window.layOut(4);
    std::vector<std::vector<QString>> typed;
    for (const auto& row : rows) {
        typed.emplace_back();
        for (const std::string& text : row)
            typed.back().push_back(QString::fromStdString(text));
    }
    window.type(typed);
    window.main->practice().start();
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    practice->resize(520, 360);
    QScrollArea* scroll = practice->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    auto inView = [scroll](const QWidget* widget) {
        const QRect place(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
        return scroll->viewport()->rect().contains(place);
    };
    const WorkedSolution solution = testing_support::workedSolutionOf(rows, kCLocale);
    std::vector<PracticeStep> steps;
    for (int i = 0; i <= 4; ++i)
        steps.push_back({ PracticeStep::Kind::Determinant, i });
    for (int i = 1; i <= 4; ++i)
        steps.push_back({ PracticeStep::Kind::Unknown, i });
    ASSERT_EQ(practice->stepCount(), static_cast<int>(steps.size()));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QLineEdit* field = practice->answerField(static_cast<int>(i));
        field->setText(QString::fromStdString(expectedValue(solution.exact(), steps[i]).fraction()));
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_EQ(practice->feedback(static_cast<int>(i)), QString::fromUtf8("Вярно.")) << i;
        const QWidget* focused = practice->focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(inView(focused)) << "after step " << i << ", " << focused->objectName().toStdString();
    }
    const QLabel* summary = practice->findChild<QLabel*>("practiceSummary");
    ASSERT_TRUE(summary && summary->isVisible());
    const QRect shown(summary->mapTo(scroll->viewport(), QPoint(0, 0)), summary->size());
    EXPECT_TRUE(scroll->viewport()->rect().intersects(shown)) << "the summary is in view";
}

// Exactly d = 0: the student finds d, then chooses how many solutions
// there are; the ranks are the hints; Enter on a choice checks it.
struct SingularCase {
    const char* name;
    std::vector<std::vector<QString>> rows;
    ExactVerdict verdict;
    const char* right; // the verdict on the right choice
    const char* note; // beginning of the note on single precision, or nothing
};

void PrintTo(const SingularCase& c, std::ostream* os) { *os << c.name; }

class SingularPractice : public PracticeInWindow, public testing::WithParamInterface<SingularCase> { };

TEST_P(SingularPractice, FindsDThenChoosesHowManySolutions)
{
    const SingularCase& c = GetParam();
    TestWindow window;
    window.layOut(static_cast<int>(c.rows.size()));
    window.type(c.rows);
    window.activate();
    window.main->practice().start();
    EXPECT_TRUE(window.boxes.shown.empty());
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == practice; }));
    ASSERT_EQ(practice->stepCount(), 2);
    const QLabel* note = practice->findChild<QLabel*>("singleFailedNote");
    EXPECT_EQ(note ? note->text().toStdString().substr(0, std::strlen(c.note)) : "", c.note);
    practice->answerField(0)->setText(QStringLiteral("0"));
    practice->check(0);
    EXPECT_EQ(practice->feedback(0).toStdString(), "Вярно.");

    ASSERT_EQ(QApplication::focusWidget(), practice->choice(1, ExactVerdict::NoSolution));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(practice->feedback(1).toStdString(), "Избери един от двата отговора.") << "not a try";
    const ExactVerdict wrong
        = c.verdict == ExactVerdict::NoSolution ? ExactVerdict::InfinitelyMany : ExactVerdict::NoSolution;
    practice->choice(1, wrong)->setChecked(true);
    QTest::keyClick(practice->choice(1, wrong), Qt::Key_Return);
    EXPECT_EQ(practice->feedback(1).toStdString(),
        "Не е вярно: сравни ранга на матрицата на системата с ранга на разширената матрица.");
    practice->hint(1);
    practice->hint(1);
    EXPECT_TRUE(practice->feedback(1).startsWith(QString::fromUtf8("Рангът на матрицата на системата е")));
    practice->choice(1, c.verdict)->setChecked(true);
    practice->check(1);
    EXPECT_EQ(practice->feedback(1).toStdString(), c.right);
    const std::string words
        = c.verdict == ExactVerdict::NoSolution ? "няма решение" : "безброй много решения";
    EXPECT_NE(practice->summary().toStdString().find(
                  "Броят на решенията: " + words + ", вярно след 2 опита, подсказки: 2"),
        std::string::npos)
        << practice->summary().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Systems, SingularPractice,
    testing::Values(
        SingularCase { "NoSolution", { { "1", "2", "1" }, { "2", "4", "3" } }, ExactVerdict::NoSolution,
            "Вярно: рангът на матрицата на системата е 1, рангът на разширената матрица е 2.", "" },
        SingularCase { "InfinitelyManyThoughSingleFindsOne", { { "0.1", "0.3", "1" }, { "0.3", "0.9", "3" } },
            ExactVerdict::InfinitelyMany,
            "Вярно: рангът на матрицата на системата е 1, рангът на разширената матрица е 1.",
            "Точно d = 0, но с единична точност програмата получава d = " },
        SingularCase { "FourByFourInfinitelyMany",
            { { "1", "2", "0", "1", "4" }, { "2", "4", "0", "2", "8" }, { "0", "1", "1", "0", "2" },
                { "1", "0", "0", "1", "1" } },
            ExactVerdict::InfinitelyMany,
            "Вярно: рангът на матрицата на системата е 3, рангът на разширената матрица е 3.", "" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PracticeInWindow, SaysWhyASystemCannotBePractised)
{
    TestWindow window;
    window.type({ { "1", "2", "1" }, { "x", "4", "3" } });
    window.main->practice().start();
    EXPECT_EQ(window.main->practice().window(), nullptr);
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_TRUE(window.boxes.shown.back().text.contains(QString::fromUtf8("„x“, а това не е число")));

    // Exactly d = 10^-8, one solution; single precision rounds d to 0: the
    // practice runs on the exact values and says once why the program's
    // own solve is no guide.
    window.type({ { "1", "1", "2" }, { "1", "1.00000001", "2.00000001" } });
    window.main->practice().start();
    EXPECT_EQ(window.boxes.shown.size(), 1u);
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    const QLabel* note = practice->findChild<QLabel*>("singleFailedNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith(
        QString::fromUtf8("Системата има единствено решение (точно d = 0.00000001)")));
    auto answer = [&](int step, const char* text) {
        practice->answerField(step)->setText(QString::fromUtf8(text));
        practice->check(step);
        return practice->feedback(step).toStdString();
    };
    EXPECT_EQ(answer(0, "0"),
        "Това е стойността, която дава единичната точност, а не точната: точно d = "
        "1/100000000 = 0.00000001.");
    EXPECT_EQ(answer(0, "1E-8"), "Вярно: d = 1/100000000.");
    EXPECT_EQ(answer(1, "1/100000000"), "Вярно: d₁ = 0.00000001.");
    EXPECT_EQ(answer(2, "0.00000001"), "Вярно: d₂ = 1/100000000.");
    EXPECT_EQ(answer(3, "1"), "Вярно.");
    EXPECT_EQ(answer(4, "0"), "Не е вярно: отговорът се различава от верния с около 100 %.");
}

// n ≥ 4: a rule a student can follow, then this system's exact pivots with
// their exchanges, for d and each d_i by name, never the value itself.
TEST_F(PracticeInWindow, HintsForFourByFourAreExactSteps)
{
    TestWindow window;
    window.layOut(4);
    window.type({ { "0", "1", "2", "1", "4" }, { "1", "0", "1", "2", "4" }, { "2", "1", "0", "1", "4" },
        { "1", "2", "1", "3", "4" } });
    window.main->practice().start();
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    practice->hint(0);
    EXPECT_TRUE(practice->feedback(0).contains(QString::fromUtf8("първия ненулев елемент"))) << "the rule";
    practice->hint(0);
    EXPECT_EQ(practice->feedback(0).toStdString(),
        "Водещите елементи (точно): колона 1: размени редове 1 и 2 (знакът се сменя), водещ елемент 1; колона 2: 1; "
        "колона 3: −4; колона 4: 3. Значи d = −(1·1·(−4)·3).");
    practice->hint(1);
    practice->hint(1);
    EXPECT_TRUE(practice->feedback(1).contains(QString::fromUtf8("Значи d₁ = "))) << "d₁ by its name";

    // The third hint shows the value, which then stands in the field; Ctrl+H
    // from that finished step helps with the next one still open.
    practice->answerField(0)->setText(QStringLiteral("5"));
    practice->check(0);
    practice->hint(0);
    EXPECT_EQ(practice->answerField(0)->text(), QStringLiteral("12"));
    practice->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(practice));
    practice->answerField(0)->setFocus();
    QTest::keyClick(practice->answerField(0), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(practice->feedback(1).startsWith(QString::fromUtf8("Стойността е d₁ = ")))
        << "d₁'s third hint";
}

// What a screen reader must speak goes to a notification that shows itself:
// the results after the last box, a verdict, and a verdict with the summary.
TEST_F(PracticeInWindow, SpeaksResultsAndVerdictsThroughANotification)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    auto* results = window.main->findChild<Announcer*>("announcer", Qt::FindDirectChildrenOnly);
    ASSERT_NE(results, nullptr);
    QTRY_COMPARE(results->lastAnnouncement(), QStringLiteral("x1 = 1, x2 = 3"));
    // With the worked solution open, a new solve's verdict is said too.
    window.main->solution().showWorking();
    window.solve();
    QTRY_COMPARE(
        results->lastAnnouncement(), QString::fromUtf8("x1 = 1, x2 = 3. Системата има единствено решение."));
    window.main->solution().workingWindow()->close();
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(results);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Notification);
    EXPECT_EQ(spoken->text(QAccessible::Name), results->lastAnnouncement());

    window.main->practice().start();
    PracticeWindow* practice = window.main->practice().window();
    ASSERT_NE(practice, nullptr);
    auto* verdicts = practice->findChild<Announcer*>();
    ASSERT_NE(verdicts, nullptr);
    practice->answerField(0)->setText(QStringLiteral("7"));
    practice->check(0);
    QTRY_COMPARE(verdicts->lastAnnouncement(), practice->feedback(0));
    const std::vector<std::pair<int, const char*>> right { { 0, "-7" }, { 1, "-7" }, { 2, "-21" }, { 3, "1" },
        { 4, "3" } };
    for (const auto& [step, answer] : right) {
        practice->answerField(step)->setText(QString::fromUtf8(answer));
        practice->check(step);
    }
    QTRY_VERIFY(verdicts->lastAnnouncement().endsWith(practice->summary()));
}

} // namespace
} // namespace cramer
