// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/practice_store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

#include <array>

namespace cramer {
namespace {

// Each step from the version before it; step k makes version k + 1. The
// SQL is plain, for any database Qt reaches.
const std::array<std::vector<const char*>, PracticeStore::kSchemaVersion> kMigrations { {
    {
        "CREATE TABLE students (name VARCHAR(200) NOT NULL PRIMARY KEY, created VARCHAR(40) NOT NULL)",
        "CREATE TABLE answers (student VARCHAR(200) NOT NULL REFERENCES students (name), "
        "answered_at VARCHAR(40) NOT NULL, system_hash VARCHAR(40) NOT NULL, system_text TEXT NOT NULL, "
        "n INTEGER NOT NULL, step_kind INTEGER NOT NULL, step_index INTEGER NOT NULL, skill INTEGER NOT "
        "NULL, "
        "typed TEXT NOT NULL, right_answer INTEGER NOT NULL, mistake VARCHAR(40) NOT NULL, "
        "try_number INTEGER NOT NULL, hints INTEGER NOT NULL, milliseconds INTEGER NOT NULL)",
        "CREATE INDEX answers_by_student ON answers (student, answered_at)",
        "CREATE INDEX answers_by_skill ON answers (student, skill, answered_at)",
    },
    // Version 2: the day of each answer, and indexes that hold all the
    // progress window counts in their order, so that counting reads no
    // answer's row and sorts nothing.
    {
        "ALTER TABLE answers ADD COLUMN answered_on VARCHAR(10) NOT NULL DEFAULT ''",
        "UPDATE answers SET answered_on = SUBSTR(answered_at, 1, 10)",
        "DROP INDEX answers_by_skill",
        "CREATE INDEX answers_first_tries ON answers (student, try_number, hints, skill, answered_on, "
        "right_answer)",
        "CREATE INDEX answers_by_mistake ON answers (student, mistake, answered_at)",
        "CREATE INDEX answers_by_system ON answers (student, system_hash, answered_at)",
    },
} };

// Times as text that sorts as it reads: ISO 8601 in UTC, to the millisecond.
QString timeText(const QDateTime& when) { return when.toUTC().toString(Qt::ISODateWithMs); }

// A text as a value: an empty one is "", never NULL, as a null QString would be bound.
QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

bool run(QSqlDatabase& database, const QString& statement)
{
    QSqlQuery query(database);
    return query.exec(statement);
}

// A statement run for its error, where it has one.
QSqlError runError(QSqlDatabase& database, const QString& statement)
{
    QSqlQuery query(database);
    query.exec(statement);
    return query.lastError();
}

// What SQLite's result code (its primary part) says went wrong.
PracticeStore::Problem problemOf(const QSqlError& error)
{
    bool valid = false;
    const int code = error.nativeErrorCode().toInt(&valid) & 0xFF;
    using Problem = PracticeStore::Problem;
    if (!valid)
        return Problem::CannotOpen;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Problem::Locked;
    case 3: // SQLITE_PERM
    case 8: // SQLITE_READONLY
    case 23: // SQLITE_AUTH
        return Problem::ReadOnly;
    case 13: // SQLITE_FULL
        return Problem::Full;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Problem::Damaged;
    default:
        return Problem::CannotOpen;
    }
}

} // namespace

// Read back as fast as the rows come: "2026-11-02T08:01:00.000Z", as
// timeText writes it; another form through Qt's reader.
QDateTime keptTime(const QString& text)
{
    const auto number = [&text](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i)
            value = value * 10 + text[i].digitValue();
        return value;
    };
    if (text.size() != 24 || text[10] != QLatin1Char('T') || text[23] != QLatin1Char('Z'))
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
        QTime(number(11, 2), number(14, 2), number(17, 2), number(20, 3)), Qt::UTC);
}

QString defaultPracticeFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("practice.sqlite"));
}

PracticeStore::PracticeStore(const QString& path)
    : connection_(QStringLiteral("practice-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    problem_ = openFile(path);
    if (problem_ != Problem::None)
        openInMemory();
}

PracticeStore::~PracticeStore()
{
    {
        QSqlDatabase database = QSqlDatabase::database(connection_, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase PracticeStore::database() const { return QSqlDatabase::database(connection_, false); }

PracticeStore::Problem PracticeStore::openFile(const QString& path)
{
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) {
        detail_ = file.absolutePath();
        return Problem::CannotOpen;
    }
    if (file.exists() && !file.isWritable()) {
        detail_ = path;
        return Problem::ReadOnly;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    database.setDatabaseName(path);
    // A lock held by another program is waited for this long, then refused.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!database.open()) {
        detail_ = database.lastError().text();
        return Problem::CannotOpen;
    }
    QSqlQuery check(database);
    // What SQLite alone has: its check of the file, its journal and its
    // version number. The rest is plain SQL.
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next()
        || check.value(0).toString() != QStringLiteral("ok")) {
        const QSqlError error = check.lastError();
        detail_ = error.text();
        database.close();
        // A check that ran and found faults is damage; one that could not run says why.
        return error.type() == QSqlError::NoError ? Problem::Damaged : problemOf(error);
    }
    check.finish();
    // A later program's file is left exactly as it is: not even its journal mode changes.
    if (check.exec(QStringLiteral("PRAGMA user_version")) && check.next()
        && check.value(0).toInt() > kSchemaVersion) {
        detail_ = check.value(0).toString();
        check.finish();
        database.close();
        return Problem::Newer;
    }
    check.finish();
    if (const QSqlError error = runError(database, QStringLiteral("PRAGMA journal_mode=WAL"));
        error.type() != QSqlError::NoError) {
        detail_ = error.text();
        database.close();
        return problemOf(error);
    }
    run(database, QStringLiteral("PRAGMA foreign_keys=ON"));
    const Problem migrated = migrate();
    if (migrated != Problem::None)
        database.close();
    return migrated;
}

PracticeStore::Problem PracticeStore::migrate()
{
    QSqlDatabase database = this->database();
    QSqlQuery version(database);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        detail_ = version.lastError().text();
        return Problem::Damaged;
    }
    const int found = version.value(0).toInt();
    version.finish();
    if (found > kSchemaVersion) {
        detail_ = QString::number(found);
        return Problem::Newer;
    }
    for (int step = found; step < kSchemaVersion; ++step) {
        QSqlError error = runError(database, QStringLiteral("BEGIN IMMEDIATE"));
        for (const char* statement : kMigrations[static_cast<std::size_t>(step)])
            if (error.type() == QSqlError::NoError)
                error = runError(database, QString::fromUtf8(statement));
        if (error.type() == QSqlError::NoError)
            error = runError(database, QStringLiteral("PRAGMA user_version=%1").arg(step + 1));
        if (error.type() == QSqlError::NoError)
            error = runError(database, QStringLiteral("COMMIT"));
        if (error.type() != QSqlError::NoError) {
            detail_ = error.text();
            run(database, QStringLiteral("ROLLBACK"));
            return problemOf(error);
        }
    }
    return Problem::None;
}

void PracticeStore::openInMemory()
{
    QSqlDatabase::removeDatabase(connection_);
    connection_ += QStringLiteral("-memory");
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    database.setDatabaseName(QStringLiteral(":memory:"));
    database.open();
    migrate();
}

PracticeStore::Problem PracticeStore::failed(const QSqlError& error)
{
    lastError_ = error.text();
    QSqlDatabase database = this->database();
    run(database, QStringLiteral("ROLLBACK"));
    return problemOf(error);
}

PracticeStore::Problem PracticeStore::write(const AnsweredStep& answer)
{
    QSqlDatabase database = this->database();
    // The write lock first, so that a busy file is waited for at the start.
    if (const QSqlError error = runError(database, QStringLiteral("BEGIN IMMEDIATE"));
        error.type() != QSqlError::NoError) {
        lastError_ = error.text();
        return problemOf(error);
    }
    QSqlQuery student(database);
    student.prepare(QStringLiteral("INSERT INTO students (name, created) SELECT ?, ? WHERE NOT EXISTS "
                                   "(SELECT 1 FROM students WHERE name = ?)"));
    for (const QString& value : { answer.student, timeText(answer.when), answer.student })
        student.addBindValue(text(value));
    if (!student.exec())
        return failed(student.lastError());
    QSqlQuery insert(database);
    insert.prepare(QStringLiteral(
        "INSERT INTO answers (student, answered_at, system_hash, system_text, n, step_kind, step_index, "
        "skill, typed, right_answer, mistake, try_number, hints, milliseconds, answered_on) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // The day is the student's own, where the progress counts its weeks
    // (answers kept before this program version have the day in UTC).
    const QString day = answer.when.toLocalTime().date().toString(Qt::ISODate);
    const QString hash = answer.systemHash.isEmpty()
        ? QString::fromLatin1(QCryptographicHash::hash(answer.system.toUtf8(), QCryptographicHash::Sha1).toHex())
        : answer.systemHash;
    for (const QVariant& value : { text(answer.student), text(timeText(answer.when)), text(hash),
             text(answer.system), QVariant(answer.n), QVariant(answer.stepKind), QVariant(answer.stepIndex),
             QVariant(static_cast<int>(answer.skill)), text(answer.typed), QVariant(answer.right ? 1 : 0),
             text(answer.mistake), QVariant(answer.tryNumber), QVariant(answer.hints),
             QVariant(answer.milliseconds), text(day) })
        insert.addBindValue(value);
    if (!insert.exec())
        return failed(insert.lastError());
    if (const QSqlError error = runError(database, QStringLiteral("COMMIT")); error.type() != QSqlError::NoError)
        return failed(error);
    return Problem::None;
}

PracticeStore::Problem PracticeStore::record(const AnsweredStep& answer)
{
    waiting_.push_back(answer);
    return flush();
}

PracticeStore::Problem PracticeStore::flush()
{
    while (!waiting_.empty()) {
        if (const Problem problem = write(waiting_.front()); problem != Problem::None)
            return problem;
        waiting_.erase(waiting_.begin());
    }
    return Problem::None;
}

QStringList PracticeStore::students() const
{
    QSqlQuery query(database());
    QStringList names;
    if (query.exec(QStringLiteral("SELECT name FROM students ORDER BY name")))
        while (query.next())
            names << query.value(0).toString();
    for (const AnsweredStep& answer : waiting_)
        if (!names.contains(answer.student))
            names << answer.student;
    return names;
}

std::vector<AnsweredStep> PracticeStore::answers(const QString& student) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT answered_at, system_text, system_hash, n, step_kind, step_index, skill, typed, right_answer, "
        "mistake, try_number, hints, milliseconds FROM answers WHERE student = ? ORDER BY answered_at"));
    query.addBindValue(student);
    std::vector<AnsweredStep> answers;
    if (!query.exec())
        return answers;
    while (query.next()) {
        AnsweredStep answer;
        answer.student = student;
        answer.when = keptTime(query.value(0).toString());
        answer.system = query.value(1).toString();
        answer.systemHash = query.value(2).toString();
        answer.n = query.value(3).toInt();
        answer.stepKind = query.value(4).toInt();
        answer.stepIndex = query.value(5).toInt();
        answer.skill = static_cast<Skill>(query.value(6).toInt());
        answer.typed = query.value(7).toString();
        answer.right = query.value(8).toInt() != 0;
        answer.mistake = query.value(9).toString();
        answer.tryNumber = query.value(10).toInt();
        answer.hints = query.value(11).toInt();
        answer.milliseconds = query.value(12).toLongLong();
        answers.push_back(std::move(answer));
    }
    for (const AnsweredStep& answer : waiting_)
        if (answer.student == student)
            answers.push_back(answer);
    return answers;
}

PracticeStore::Forgotten PracticeStore::forget(const QString& student)
{
    const auto waited = std::erase_if(waiting_, [&](const AnsweredStep& answer) { return answer.student == student; });
    QSqlDatabase database = this->database();
    QSqlError error = runError(database, QStringLiteral("BEGIN IMMEDIATE"));
    int deleted = 0;
    for (const char* statement :
        { "DELETE FROM answers WHERE student = ?", "DELETE FROM students WHERE name = ?" }) {
        if (error.type() != QSqlError::NoError)
            break;
        QSqlQuery query(database);
        query.prepare(QString::fromUtf8(statement));
        query.addBindValue(student);
        if (!query.exec())
            error = query.lastError();
        else if (deleted == 0)
            deleted = query.numRowsAffected();
    }
    if (error.type() == QSqlError::NoError)
        error = runError(database, QStringLiteral("COMMIT"));
    if (error.type() != QSqlError::NoError) {
        lastError_ = error.text();
        run(database, QStringLiteral("ROLLBACK"));
        return { problemOf(error), 0 };
    }
    return { Problem::None, deleted + static_cast<int>(waited) };
}

} // namespace cramer
