// SPDX-License-Identifier: GPL-3.0-or-later

// Practice kept, through the window: answers typed in practice are kept
// for the student who gave a name, „Напредък“ shows them, the next exercise
// is aimed at the commonest mistake, and „Изтрий моите данни“ forgets them.

#include "window_test_support.h"

#include "progress/practice_store.h"
#include "window/shell/class_overview.h"
#include "window/shell/practice.h"
#include "window/shell/practice_window.h"
#include "window/shell/progress_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::EnglishLocaleTest;
using testing_support::TestWindow;

class KeptPractice : public EnglishLocaleTest { };

TEST_F(KeptPractice, AnswersShowInProgressAndAimTheNextExercise)
{
    QSettings().remove(QStringLiteral("practice/student"));
    QTemporaryDir folder;
    TestWindow window;
    window.boxes.name = QStringLiteral("Ани");
    Practice& practice = window.main->practice();
    practice.setStoreFile(folder.filePath(QStringLiteral("practice.sqlite")));
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    practice.start();
    EXPECT_EQ(window.boxes.namesAsked, 1);
    PracticeWindow* steps = practice.window();
    ASSERT_NE(steps, nullptr);
    // d = −7: the diagonals swapped, then the products added, then right.
    for (const char* typed : { "7", "-5", "-7" }) {
        steps->answerField(0)->setText(QString::fromUtf8(typed));
        steps->check(0);
    }
    // The answers are written once the verdicts are on the screen.
    QCoreApplication::processEvents();
    const std::vector<AnsweredStep> kept = practice.store().answers(QStringLiteral("Ани"));
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].mistake, QStringLiteral("DiagonalsSwapped"));
    EXPECT_EQ(kept[0].skill, Skill::Determinant2);
    EXPECT_EQ(kept[1].mistake, QStringLiteral("ProductsAdded"));
    EXPECT_EQ(kept[2].tryNumber, 3);
    EXPECT_TRUE(kept[2].right);

    practice.showProgress();
    ProgressWindow* progress = practice.progressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->skills()->rowCount(), 1);
    EXPECT_EQ(progress->skills()->item(0, 2)->text(), QStringLiteral("0 %")) << "wrong at the first try";
    ASSERT_GE(progress->mistakes()->rowCount(), 1);
    EXPECT_TRUE(progress->asCsv().contains(QStringLiteral("разменени диагонали")));

    // The next exercise is a 2 × 2, for the later of the two mistakes.
    window.boxes.shown.clear();
    practice.practiseWeakSpot();
    ASSERT_FALSE(window.boxes.shown.empty());
    EXPECT_TRUE(
        window.boxes.shown.back().text.contains(QStringLiteral("събрани вместо извадени произведения")))
        << window.boxes.shown.back().text.toStdString();
    ASSERT_NE(practice.window(), nullptr);
    EXPECT_EQ(practice.window()->system().n, 2);

    // Exported, and shown back as the class overview with a file that is none.
    const QString exported = folder.filePath(QStringLiteral("room-1.xlsx"));
    ASSERT_TRUE(practice.exportTo(exported, 0, true));
    ASSERT_TRUE(practice.exportTo(folder.filePath(QStringLiteral("room-1.csv")), 1, false));
    window.boxes.shown.clear();
    practice.showClassOverview({ exported, folder.filePath(QStringLiteral("room-1.csv")) });
    ASSERT_NE(practice.classOverviewWindow(), nullptr);
    QTableWidget* table = practice.classOverviewWindow()->table();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Ани"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0 %")) << "2 × 2 wrong at the first try";
    ASSERT_EQ(window.boxes.shown.size(), 1u) << "the CSV is named as no export";
    EXPECT_TRUE(window.boxes.shown.front().text.contains(QStringLiteral("room-1.csv")));
    // The window fits the screen (the table scrolls instead), "d = 0" on one line.
    for (int column = 0; column < table->columnCount(); ++column)
        EXPECT_FALSE(table->horizontalHeaderItem(column)->text().contains(QStringLiteral("d =\n")));
    EXPECT_LE(practice.classOverviewWindow()->width(),
        practice.classOverviewWindow()->screen()->availableGeometry().width());

    // Forgotten: the student's rows are gone, the file stays, and the box says how many went.
    window.boxes.answer = true;
    window.boxes.shown.clear();
    practice.forgetStudent();
    EXPECT_TRUE(practice.store().answers(QStringLiteral("Ани")).empty());
    ASSERT_EQ(window.boxes.shown.size(), 2u) << "the question, then what was done";
    EXPECT_EQ(window.boxes.shown[1].text, QStringLiteral("Изтрити са 3 запазени отговора на Ани."));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("practice.sqlite"))));
    QSettings().remove(QStringLiteral("practice/student"));
}

// Every start asks who practises, the last name offered; the window's title
// names the student; a name like a known one is asked about; cancelled,
// nothing is kept and the box says so.
TEST_F(KeptPractice, AsksWhoPractisesAtEveryStartAndNamesThemInTheTitle)
{
    QSettings().remove(QStringLiteral("practice/student"));
    QTemporaryDir folder;
    TestWindow window;
    Practice& practice = window.main->practice();
    practice.setStoreFile(folder.filePath(QStringLiteral("practice.sqlite")));
    AnsweredStep earlier;
    earlier.student = QStringLiteral("Мария 🎓");
    earlier.when = QDateTime::currentDateTimeUtc();
    earlier.system = QStringLiteral("2,1,5\n1,-3,-8");
    ASSERT_EQ(practice.store().record(earlier), PracticeStore::Problem::None);
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    const struct {
        const char* typed;
        bool same; // the answer to "is this the known name?"
        const char* title;
        std::size_t boxes;
    } kStarts[] = {
        { "Мария", true, "Реши сам — Мария 🎓", 1 },
        { "мария", false, "Реши сам — мария", 1 },
        { "Иван Петров", true, "Реши сам — Иван Петров", 0 },
        { "", true, "Реши сам", 1 },
    };
    for (const auto& start : kStarts) {
        window.boxes.name = QString::fromUtf8(start.typed);
        window.boxes.answer = start.same;
        window.boxes.shown.clear();
        const int asked = window.boxes.namesAsked;
        practice.start();
        ASSERT_NE(practice.window(), nullptr);
        EXPECT_EQ(window.boxes.namesAsked, asked + 1) << start.typed;
        EXPECT_EQ(practice.window()->windowTitle().toStdString(), start.title);
        EXPECT_EQ(window.boxes.shown.size(), start.boxes) << start.typed;
        practice.window()->close();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(window.boxes.shown.back().text.toStdString(),
        "Без име отговорите ти не се пазят. Когато искаш да се пазят, напиши името си с „Смени ученика“.");
    EXPECT_EQ(window.boxes.namesOffered.front(), QStringLiteral("Иван Петров")) << "the last name first";
    QSettings().remove(QStringLiteral("practice/student"));
}

// An answer the file refuses (another program holds it past the wait) is
// told once, kept, and written with the next one once the file is free.
TEST_F(KeptPractice, ARefusedAnswerIsToldOnceAndWrittenLater)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
    TestWindow window;
    window.boxes.name = QStringLiteral("Ани");
    Practice& practice = window.main->practice();
    practice.setStoreFile(path);
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    practice.start();
    PracticeWindow* steps = practice.window();
    ASSERT_NE(steps, nullptr);
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    {
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        window.boxes.shown.clear();
        for (const char* typed : { "7", "-5" }) {
            steps->answerField(0)->setText(QString::fromUtf8(typed));
            steps->check(0);
            QCoreApplication::processEvents();
        }
        ASSERT_EQ(window.boxes.shown.size(), 1u) << "told once";
        EXPECT_TRUE(window.boxes.shown[0].text.contains(QStringLiteral("е зает от друга програма")))
            << window.boxes.shown[0].text.toStdString();
        EXPECT_EQ(practice.store().waiting(), 2);
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = {};
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    steps->answerField(0)->setText(QStringLiteral("-7"));
    steps->check(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(practice.store().waiting(), 0);
    PracticeStore reopened(path);
    EXPECT_EQ(reopened.answers(QStringLiteral("Ани")).size(), 3u) << "each once";
}

// A share is rounded, never cut: 69,9 % is 70 %.
TEST(ProgressShare, IsRoundedToAWholePerCent)
{
    const struct {
        int right;
        int of;
        const char* shown;
    } kShares[] = { { 699, 1000, "70 %" }, { 1, 3, "33 %" }, { 2, 3, "67 %" }, { 1, 200, "1 %" },
        { 1, 201, "0 %" }, { 5, 5, "100 %" }, { 0, 0, "—" } };
    for (const auto& share : kShares)
        EXPECT_EQ(shareText(share.right, share.of).toStdString(), share.shown) << share.right << "/" << share.of;
}

// Sarrus's signs wrong most often: the next exercise is a 3 × 3 with a
// negative coefficient in every row.
TEST_F(KeptPractice, SarrusSignsGetNegativeEntries)
{
    QSettings().setValue(QStringLiteral("practice/student"), QStringLiteral("Борис"));
    QTemporaryDir folder;
    TestWindow window;
    Practice& practice = window.main->practice();
    practice.setStoreFile(folder.filePath(QStringLiteral("practice.sqlite")));
    AnsweredStep wrong;
    wrong.student = QStringLiteral("Борис");
    wrong.when = QDateTime::currentDateTimeUtc();
    wrong.system = QStringLiteral("1,2,3,4\n5,6,7,8\n9,1,2,3");
    wrong.skill = Skill::Sarrus;
    wrong.mistake = QStringLiteral("TermSignFlipped");
    ASSERT_EQ(practice.store().record(wrong), PracticeStore::Problem::None);
    practice.practiseWeakSpot();
    ASSERT_NE(practice.window(), nullptr);
    const TypedSystem& system = practice.window()->system();
    ASSERT_EQ(system.n, 3);
    for (int row = 1; row <= 3; ++row) {
        bool negative = false;
        for (int column = 1; column <= 3; ++column)
            negative = negative || system.text(row, column).front() == '-';
        EXPECT_TRUE(negative) << "row " << row;
    }
    QSettings().remove(QStringLiteral("practice/student"));
}

} // namespace
} // namespace cramer
