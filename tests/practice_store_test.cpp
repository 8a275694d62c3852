// SPDX-License-Identifier: GPL-3.0-or-later

// The kept practice: real database files of every version open and
// migrate; a file the program cannot use is named and left as it was while
// practice goes on in memory; a process killed while writing leaves an
// intact database; the statistics and the aimed exercise of planted answers.

#include "progress/practice_store.h"
#include "progress/progress_export.h"
#include "progress/progress_statistics.h"
#include "sheets/workbook_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cramer {
namespace {

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

AnsweredStep answer(const QString& student, const QDateTime& when, Skill skill, bool right,
    const QString& mistake = {}, const QString& system = QStringLiteral("2,1,3\n1,3,5"))
{
    AnsweredStep step;
    step.student = student;
    step.when = when;
    step.system = system;
    step.systemHash
        = QString::fromLatin1(QCryptographicHash::hash(system.toUtf8(), QCryptographicHash::Sha1).toHex());
    step.n = 2;
    step.skill = skill;
    step.typed = QStringLiteral("5");
    step.right = right;
    step.mistake = mistake;
    return step;
}

// Each kept file, copied: what the store makes of it, and what stays of it.
TEST(PracticeStore, OpensEveryVersionAndRefusesWhatItCannotKeep)
{
    struct Case {
        const char* file;
        PracticeStore::Problem problem;
        QStringList students;
    };
    for (const Case& c : {
             Case { "", PracticeStore::Problem::None, {} }, // no file yet
             Case { "empty-v0.sqlite", PracticeStore::Problem::None, {} },
             Case { "kept-v1.sqlite", PracticeStore::Problem::None, { "Ани", "Борис" } },
             Case { "newer-v9.sqlite", PracticeStore::Problem::Newer, {} },
             Case { "damaged.sqlite", PracticeStore::Problem::Damaged, {} },
         }) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
        if (*c.file) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRESS_FOLDER "/") + c.file, path));
        }
        const QByteArray before = *c.file ? digest(path) : QByteArray();
        {
            PracticeStore store(path);
            EXPECT_EQ(store.problem(), c.problem) << c.file << ": " << store.detail().toStdString();
            EXPECT_EQ(store.students(), c.students) << c.file;
            // Practice goes on either way: in the file or in memory.
            EXPECT_EQ(store.record(
                          answer(QStringLiteral("Вера"), QDateTime::currentDateTimeUtc(), Skill::Sarrus, true)),
                PracticeStore::Problem::None);
            EXPECT_EQ(store.answers(QStringLiteral("Вера")).size(), 1u);
        }
        if (c.problem != PracticeStore::Problem::None) {
            EXPECT_EQ(digest(path), before) << c.file << " was changed";
        } else {
            PracticeStore again(path);
            EXPECT_TRUE(again.students().contains(QStringLiteral("Вера"))) << c.file;
            QSqlQuery version(again.database());
            ASSERT_TRUE(version.exec(QStringLiteral("PRAGMA user_version")) && version.next());
            EXPECT_EQ(version.value(0).toInt(), PracticeStore::kSchemaVersion);
        }
    }
}

TEST(PracticeStore, ALockedFileIsWaitedForThenLeftAlone)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
    {
        PracticeStore create(path);
    }
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    {
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        PracticeStore store(path);
        EXPECT_EQ(store.problem(), PracticeStore::Problem::Locked) << store.detail().toStdString();
        EXPECT_EQ(
            store.record(answer(QStringLiteral("Ани"), QDateTime::currentDateTimeUtc(), Skill::Sarrus, true)),
            PracticeStore::Problem::None);
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = {};
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

// A file system this process can fill: a small tmpfs where it may mount
// one, else none (the test then says so and is skipped).
class SmallFileSystem {
public:
    SmallFileSystem()
    {
        if (::mount("cramer-test", folder_.path().toLocal8Bit().constData(), "tmpfs", 0, "size=256k") == 0)
            mounted_ = true;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount(folder_.path().toLocal8Bit().constData());
    }
    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

// Fills the file system of `path` but for a few bytes; removing the file frees it.
void fillUp(const QString& path)
{
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
}

// A write the file refuses, busy past the wait or with the disk full, is
// told by its cause; the answer waits and is written with the next one that
// can be, each once.
TEST(PracticeStore, ARefusedWriteKeepsEveryAnswerAndWritesItOnce)
{
    const QDateTime start = QDateTime::currentDateTimeUtc();
    auto next = [&, i = 0]() mutable {
        return answer(QStringLiteral("Ани"), start.addSecs(i++), Skill::Division, true);
    };
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
        PracticeStore store(path);
        ASSERT_EQ(store.record(next()), PracticeStore::Problem::None);
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("busy"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        EXPECT_EQ(store.record(next()), PracticeStore::Problem::Locked) << store.lastError().toStdString();
        EXPECT_EQ(store.waiting(), 1);
        EXPECT_EQ(store.answers(QStringLiteral("Ани")).size(), 2u) << "a waiting answer still counts";
        lock.exec(QStringLiteral("ROLLBACK"));
        lock = QSqlQuery();
        other.close();
        other = {};
        QSqlDatabase::removeDatabase(QStringLiteral("busy"));
        EXPECT_EQ(store.record(next()), PracticeStore::Problem::None);
        EXPECT_EQ(store.waiting(), 0);
        PracticeStore again(path);
        EXPECT_EQ(again.answers(QStringLiteral("Ани")).size(), 3u);
    }
    const SmallFileSystem small;
    if (!small.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here: the full disk is not tried";
    const QString path = small.filePath(QStringLiteral("practice.sqlite"));
    PracticeStore store(path);
    ASSERT_EQ(store.problem(), PracticeStore::Problem::None) << store.detail().toStdString();
    ASSERT_EQ(store.record(next()), PracticeStore::Problem::None);
    fillUp(small.filePath(QStringLiteral("filler")));
    PracticeStore::Problem problem = PracticeStore::Problem::None;
    int tries = 0;
    for (; problem == PracticeStore::Problem::None && tries < 200; ++tries)
        problem = store.record(next());
    EXPECT_EQ(problem, PracticeStore::Problem::Full) << store.lastError().toStdString();
    EXPECT_EQ(store.waiting(), 1);
    QFile::remove(small.filePath(QStringLiteral("filler")));
    EXPECT_EQ(store.flush(), PracticeStore::Problem::None);
    PracticeStore again(path);
    EXPECT_EQ(again.answers(QStringLiteral("Ани")).size(), static_cast<std::size_t>(tries + 1));
}

TEST(PracticeStore, ForgetsOneStudentOnly)
{
    QTemporaryDir folder;
    PracticeStore store(folder.filePath(QStringLiteral("practice.sqlite")));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const char* name : { "Ани", "Борис" })
        ASSERT_EQ(store.record(answer(QString::fromUtf8(name), now, Skill::Division, true)),
            PracticeStore::Problem::None);
    const PracticeStore::Forgotten forgotten = store.forget(QStringLiteral("Ани"));
    EXPECT_EQ(forgotten.problem, PracticeStore::Problem::None);
    EXPECT_EQ(forgotten.answers, 1);
    EXPECT_EQ(store.students(), QStringList { QStringLiteral("Борис") });
    EXPECT_TRUE(store.answers(QStringLiteral("Ани")).empty());
    EXPECT_EQ(store.answers(QStringLiteral("Борис")).size(), 1u);
}

// A child writes answer after answer and is killed at once: the file is
// whole, with every answer committed before the kill.
TEST(PracticeStore, AKilledWriterLeavesAnIntactDatabase)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("practice.sqlite"));
    {
        PracticeStore create(path);
    }
    for (const int delayMs : { 30, 120 }) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            PracticeStore store(path);
            for (int i = 0;; ++i)
                store.record(answer(
                    QStringLiteral("Ани"), QDateTime::currentDateTimeUtc(), Skill::Sarrus, i % 2 == 0));
        }
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        PracticeStore store(path);
        ASSERT_EQ(store.problem(), PracticeStore::Problem::None) << store.detail().toStdString();
        QSqlQuery check(store.database());
        ASSERT_TRUE(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
        EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
        EXPECT_GT(store.answers(QStringLiteral("Ани")).size(), 0u);
    }
}

// Planted answers over three weeks: first tries per skill and week, the
// mistakes by count, the exercise aimed at the commonest recent one.
TEST(ProgressStatistics, CountsFirstTriesAndRecurringMistakes)
{
    const QDateTime monday(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC);
    std::vector<AnsweredStep> answers;
    for (int week = 0; week < 3; ++week)
        for (int i = 0; i < 4; ++i) {
            const QDateTime when = monday.addDays(7 * week).addSecs(60 * i);
            // Sarrus right once in the first week, every time by the third.
            const bool right = i <= week + (week == 2 ? 1 : 0);
            answers.push_back(answer(QStringLiteral("Ани"), when, Skill::Sarrus, right,
                right ? QString() : QStringLiteral("TermSignFlipped"),
                QStringLiteral("system %1").arg(week)));
        }
    AnsweredStep retry = answers.back();
    retry.tryNumber = 2;
    retry.right = false;
    retry.mistake = QStringLiteral("OppositeSign");
    answers.push_back(retry);

    const ProgressSummary summary = summarize(answers);
    const SkillProgress& sarrus = summary.skills[static_cast<std::size_t>(Skill::Sarrus)];
    EXPECT_EQ(sarrus.firstTries, 12);
    ASSERT_EQ(sarrus.weeks.size(), 3u);
    EXPECT_EQ(sarrus.weeks[0].right, 1);
    EXPECT_EQ(sarrus.weeks[1].right, 2);
    EXPECT_EQ(sarrus.weeks[2].right, 4);
    ASSERT_EQ(summary.mistakes.size(), 2u);
    EXPECT_EQ(summary.mistakes[0].mistake, QStringLiteral("TermSignFlipped"));
    EXPECT_EQ(summary.mistakes[0].count, 5);
    EXPECT_EQ(summary.exercises, 3);
    EXPECT_DOUBLE_EQ(summary.medianMinutes, 3.0);
}

// Time per exercise from its own answers, every pause of more than ten
// minutes left out; the median of an even count the mean of the middle
// two; weeks in the user's time zone. Both ways of counting agree.
TEST(ProgressStatistics, TimesAndWeeksAsTheStudentLivedThem)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Pacific/Auckland"); // UTC+13 in December
    tzset();
    const QDateTime start(QDate(2026, 12, 6), QTime(20, 0), Qt::UTC); // Monday 7 December, 9:00 there
    const struct {
        const char* system;
        std::vector<int> minutes; // after `start`
    } kExercises[] = {
        { "A", { 0, 2 } }, // 2 minutes
        { "B", { 60, 65, 24 * 60 + 60 } }, // 5, the next day's answer after a pause
        { "C", { 120, 130 } }, // 10: a pause of ten minutes counts
        { "D", { 180, 184 } }, // 4
    };
    QTemporaryDir folder;
    PracticeStore store(folder.filePath(QStringLiteral("practice.sqlite")));
    std::vector<AnsweredStep> answers;
    for (const auto& exercise : kExercises)
        for (const int minute : exercise.minutes) {
            answers.push_back(answer(QStringLiteral("Ани"), start.addSecs(60 * minute), Skill::Division, true, {},
                QString::fromLatin1(exercise.system)));
            ASSERT_EQ(store.record(answers.back()), PracticeStore::Problem::None);
        }
    std::sort(answers.begin(), answers.end(),
        [](const AnsweredStep& a, const AnsweredStep& b) { return a.when < b.when; });
    for (const ProgressSummary& summary : { summarize(answers), summarize(store, QStringLiteral("Ани")) }) {
        EXPECT_EQ(summary.exercises, 4);
        EXPECT_DOUBLE_EQ(summary.medianMinutes, 4.5);
        const SkillProgress& division = summary.skills[static_cast<std::size_t>(Skill::Division)];
        ASSERT_EQ(division.weeks.size(), 1u);
        EXPECT_EQ(division.weeks[0].week, QDate(2026, 12, 7)) << "the Monday there, not UTC's 30 November";
    }
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}

// What the database counts for the progress window is what the answers say.
TEST(ProgressStatistics, TheDatabaseCountsAsTheAnswersDo)
{
    QTemporaryDir folder;
    PracticeStore store(folder.filePath(QStringLiteral("practice.sqlite")));
    const QDateTime start(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < 200; ++i) {
        AnsweredStep step = answer(QStringLiteral("Ани"), start.addSecs(3571 * i),
            static_cast<Skill>(i % kSkills), i % 3 != 0,
            i % 3 != 0 ? QString()
                       : (i % 2 ? QStringLiteral("OppositeSign") : QStringLiteral("RoundedWrongly")),
            QStringLiteral("system %1").arg(i / 7));
        step.tryNumber = 1 + i % 4 / 3;
        step.hints = i % 11 == 0 ? 1 : 0;
        ASSERT_EQ(store.record(step), PracticeStore::Problem::None);
    }
    const ProgressSummary counted = summarize(store, QStringLiteral("Ани"));
    const ProgressSummary read = summarize(store.answers(QStringLiteral("Ани")));
    for (int k = 0; k < kSkills; ++k) {
        const SkillProgress& a = counted.skills[static_cast<std::size_t>(k)];
        const SkillProgress& b = read.skills[static_cast<std::size_t>(k)];
        EXPECT_EQ(a.firstTries, b.firstTries);
        EXPECT_EQ(a.right, b.right);
        ASSERT_EQ(a.weeks.size(), b.weeks.size());
        for (std::size_t w = 0; w < a.weeks.size(); ++w) {
            EXPECT_EQ(a.weeks[w].week, b.weeks[w].week);
            EXPECT_EQ(a.weeks[w].firstTries, b.weeks[w].firstTries);
            EXPECT_EQ(a.weeks[w].right, b.weeks[w].right);
        }
    }
    ASSERT_EQ(counted.mistakes.size(), read.mistakes.size());
    for (std::size_t m = 0; m < counted.mistakes.size(); ++m) {
        EXPECT_EQ(counted.mistakes[m].mistake, read.mistakes[m].mistake);
        EXPECT_EQ(counted.mistakes[m].count, read.mistakes[m].count);
        EXPECT_EQ(counted.mistakes[m].lastSeen, read.mistakes[m].lastSeen);
    }
    EXPECT_EQ(counted.exercises, read.exercises);
    EXPECT_DOUBLE_EQ(counted.medianMinutes, read.medianMinutes);
}

TEST(ProgressStatistics, AimsTheNextExerciseAtTheCommonestRecentMistake)
{
    struct Case {
        const char* mistake;
        int n;
        AimedExercise::Kind kind;
    };
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const Case& c : { Case { "TermSignFlipped", 3, AimedExercise::Kind::Negatives },
             Case { "TermLeftOut", 3, AimedExercise::Kind::Negatives },
             Case { "OppositeSign", 3, AimedExercise::Kind::Integers },
             Case { "ProductsAdded", 2, AimedExercise::Kind::Integers },
             Case { "WrongColumnReplaced", 4, AimedExercise::Kind::Integers },
             Case { "RoundedWrongly", 3, AimedExercise::Kind::Recurring },
             Case { "TooFewDigits", 3, AimedExercise::Kind::Recurring },
             Case { kWrongCountName, 3, AimedExercise::Kind::Singular } }) {
        std::vector<AnsweredStep> answers;
        // An older mistake, more often, but out of the recent window.
        for (int i = 0; i < 60; ++i)
            answers.push_back(answer(QStringLiteral("Ани"), now.addSecs(i), Skill::Division, false,
                i < 10 ? QStringLiteral("QuotientInverted") : QString()));
        for (int i = 0; i < 3; ++i)
            answers.push_back(answer(QStringLiteral("Ани"), now.addSecs(100 + i), Skill::Sarrus, false,
                QString::fromLatin1(c.mistake)));
        const std::optional<AimedExercise> aimed = aimedExercise(answers);
        ASSERT_TRUE(aimed) << c.mistake;
        EXPECT_EQ(aimed->mistake, QString::fromLatin1(c.mistake));
        EXPECT_EQ(aimed->n, c.n) << c.mistake;
        EXPECT_EQ(aimed->kind, c.kind) << c.mistake;
    }
    EXPECT_FALSE(aimedExercise({ answer(QStringLiteral("Ани"), now, Skill::Sarrus, true) }));
}

// Three computers' exports, read back by the program's workbook reader:
// a student who practised on two of them is one row, their counts added.
TEST(ProgressExport, ClassOverviewMergesTheComputersFiles)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    auto practised = [&](const char* name, int right, int wrong, const char* mistake) {
        StudentAnswers student { QString::fromUtf8(name), {} };
        for (int i = 0; i < right + wrong; ++i)
            student.answers.push_back(answer(student.student, now.addSecs(i), Skill::Sarrus, i < right,
                i < right ? QString() : QString::fromLatin1(mistake), QStringLiteral("system %1").arg(i)));
        return student;
    };
    const std::vector<std::pair<QString, std::string>> files {
        { "room-1.xlsx",
            progressWorkbook(
                { practised("Ани", 3, 1, "TermSignFlipped"), practised("Борис", 1, 3, "OppositeSign") }) },
        { "room-2.xlsx", progressWorkbook({ practised("Ани", 1, 3, "TermLeftOut") }) },
        { "room-3.xlsx", progressWorkbook({ practised("Вера", 2, 0, "") }) },
        { "notes.xlsx", "not a workbook" },
        // The same export opened twice counts once; one with a column
        // deleted by hand would count the wrong numbers.
        { "room-3 (copy).xlsx", progressWorkbook({ practised("Вера", 2, 0, "") }) },
        { "edited.xlsx",
            workbookBytes({ { "skills", { { { "student" }, { "skill" }, { "right_first_try" } } } },
                              { "mistakes", { { { "student" }, { "mistake" }, { "count" }, { "last_seen" } } } } },
                WorkbookKind::Xlsx) },
    };
    const ClassOverview overview = classOverview(files);
    EXPECT_EQ(overview.unread, QStringList({ QStringLiteral("notes.xlsx"), QStringLiteral("edited.xlsx") }));
    EXPECT_EQ(overview.repeated, QStringList { QStringLiteral("room-3 (copy).xlsx") });
    ASSERT_EQ(overview.students.size(), 3u);
    const ClassRow& ani = overview.students[0];
    EXPECT_EQ(ani.student, QStringLiteral("Ани"));
    EXPECT_EQ(ani.firstTries[static_cast<std::size_t>(Skill::Sarrus)], 8);
    EXPECT_EQ(ani.right[static_cast<std::size_t>(Skill::Sarrus)], 4);
    EXPECT_EQ(ani.commonestMistake(), QStringLiteral("TermLeftOut"));
    EXPECT_EQ(overview.students[1].commonestMistake(), QStringLiteral("OppositeSign"));
    EXPECT_TRUE(overview.students[2].commonestMistake().isEmpty());
    // The answers as CSV: a header and one line each.
    const QString csv = progressCsv({ practised("Ани", 2, 1, "OppositeSign") });
    EXPECT_TRUE(csv.startsWith(QStringLiteral("student,answered_at,")));
    EXPECT_EQ(csv.count(QLatin1Char('\n')), 4);
}

} // namespace
} // namespace cramer

int main(int argc, char** argv)
{
    // The SQL driver is a plugin, found through the application.
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
