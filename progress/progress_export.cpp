// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progress_export.h"

#include "sheets/sheet_rows.h"
#include "sheets/workbook_file.h"
#include "sheets/zip_archive.h"

#include <QCryptographicHash>

#include <algorithm>
#include <set>

namespace cramer {
namespace {

constexpr std::array<const char*, kSkills> kSkillKeys { "determinant2", "sarrus", "elimination", "column",
    "division", "rounding", "solution_count" };

constexpr std::array<const char*, 13> kAnswerColumns { "student", "answered_at", "system_hash", "n",
    "step_kind", "step_index", "skill", "typed", "right", "mistake", "try", "hints", "milliseconds" };

WorkbookCell word(const QString& text) { return { text.toStdString(), false }; }
WorkbookCell number(qint64 value) { return { std::to_string(value), true }; }

std::vector<WorkbookCell> answerRow(const AnsweredStep& answer)
{
    return { word(answer.student), word(answer.when.toUTC().toString(Qt::ISODateWithMs)),
        word(answer.systemHash), number(answer.n), number(answer.stepKind), number(answer.stepIndex),
        word(skillKey(answer.skill)), word(answer.typed), number(answer.right ? 1 : 0), word(answer.mistake),
        number(answer.tryNumber), number(answer.hints), number(answer.milliseconds) };
}

// The columns of the two sheets the class overview reads, as written.
constexpr std::array<const char*, 4> kSkillColumns { "student", "skill", "first_tries", "right_first_try" };
constexpr std::array<const char*, 4> kMistakeColumns { "student", "mistake", "count", "last_seen" };

std::vector<WorkbookCell> header(const std::array<const char*, 4>& names)
{
    std::vector<WorkbookCell> cells;
    for (const char* name : names)
        cells.push_back({ name, false });
    return cells;
}

// A sheet whose first row names exactly the columns written.
bool hasColumns(const SheetRows& sheet, const std::array<const char*, 4>& names)
{
    if (sheet.rows.empty() || sheet.rows.front().cells.size() < names.size())
        return false;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (sheet.rows.front().cells[i].text != names[i])
            return false;
    return true;
}

} // namespace

QString skillKey(Skill skill) { return QString::fromLatin1(kSkillKeys[static_cast<std::size_t>(skill)]); }

std::optional<Skill> skillOfKey(const QString& key)
{
    for (std::size_t k = 0; k < kSkillKeys.size(); ++k)
        if (key == QLatin1String(kSkillKeys[k]))
            return static_cast<Skill>(k);
    return std::nullopt;
}

QString ClassRow::commonestMistake() const
{
    QString commonest;
    int most = 0;
    for (const auto& [name, count] : mistakes)
        if (count > most) {
            most = count;
            commonest = name;
        }
    return commonest;
}

std::string progressWorkbook(const std::vector<StudentAnswers>& students)
{
    WorkbookSheet answers { "answers", {} };
    WorkbookSheet skills { "skills", { header(kSkillColumns) } };
    WorkbookSheet mistakes { "mistakes", { header(kMistakeColumns) } };
    std::vector<WorkbookCell> columns;
    for (const char* name : kAnswerColumns)
        columns.push_back({ name, false });
    answers.rows.push_back(std::move(columns));
    for (const StudentAnswers& student : students) {
        for (const AnsweredStep& answer : student.answers)
            answers.rows.push_back(answerRow(answer));
        const ProgressSummary summary = summarize(student.answers);
        for (int k = 0; k < kSkills; ++k) {
            const SkillProgress& skill = summary.skills[static_cast<std::size_t>(k)];
            if (skill.firstTries > 0)
                skills.rows.push_back({ word(student.student), word(skillKey(static_cast<Skill>(k))),
                    number(skill.firstTries), number(skill.right) });
        }
        for (const RecurringMistake& mistake : summary.mistakes)
            mistakes.rows.push_back({ word(student.student), word(mistake.mistake), number(mistake.count),
                word(mistake.lastSeen.toUTC().toString(Qt::ISODateWithMs)) });
    }
    return workbookBytes({ answers, skills, mistakes }, WorkbookKind::Xlsx);
}

QString csvField(QString text)
{
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n'));
    return plain
        ? text
        : QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString progressCsv(const std::vector<StudentAnswers>& students)
{
    QStringList names;
    for (const char* name : kAnswerColumns)
        names << QString::fromLatin1(name);
    QString csv = names.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const StudentAnswers& student : students)
        for (const AnsweredStep& answer : student.answers) {
            QStringList cells;
            for (const WorkbookCell& cell : answerRow(answer))
                cells << csvField(QString::fromStdString(cell.text));
            csv += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    return csv;
}

ClassOverview classOverview(const std::vector<std::pair<QString, std::string>>& workbooks)
{
    ClassOverview overview;
    std::map<QString, ClassRow> rows;
    std::set<QByteArray> read; // each export's digest, so that none counts twice
    for (const auto& [name, bytes] : workbooks) {
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
        if (read.contains(digest)) {
            overview.repeated << name;
            continue;
        }
        const ZipArchive archive(bytes);
        const WorkbookSheets sheets = readXlsxSheets(archive);
        const auto sheet = [&sheets](const char* wanted) -> const SheetRows* {
            const auto found = std::find_if(sheets.sheets.begin(), sheets.sheets.end(),
                [wanted](const SheetRows& rows) { return rows.name == wanted; });
            return found == sheets.sheets.end() ? nullptr : &*found;
        };
        const SheetRows* skills = sheet("skills");
        const SheetRows* mistakes = sheet("mistakes");
        // A column deleted or moved by hand would count the wrong numbers.
        if (sheets.error || !skills || !mistakes || !hasColumns(*skills, kSkillColumns)
            || !hasColumns(*mistakes, kMistakeColumns)) {
            overview.unread << name;
            continue;
        }
        read.insert(digest);
        const auto text = [](const FileRow& row, std::size_t at) {
            return at < row.cells.size() ? QString::fromStdString(row.cells[at].text) : QString();
        };
        for (const FileRow& row : skills->rows) {
            const std::optional<Skill> skill = skillOfKey(text(row, 1));
            if (!skill)
                continue; // the header
            ClassRow& student = rows[text(row, 0)];
            student.student = text(row, 0);
            student.firstTries[static_cast<std::size_t>(*skill)] += text(row, 2).toInt();
            student.right[static_cast<std::size_t>(*skill)] += text(row, 3).toInt();
        }
        for (const FileRow& row : mistakes->rows) {
            bool counted = false;
            const int count = text(row, 2).toInt(&counted);
            if (!counted)
                continue;
            ClassRow& student = rows[text(row, 0)];
            student.student = text(row, 0);
            student.mistakes[text(row, 1)] += count;
        }
    }
    for (auto& [name, row] : rows)
        overview.students.push_back(std::move(row));
    return overview;
}

} // namespace cramer
