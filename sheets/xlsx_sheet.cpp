// SPDX-License-Identifier: GPL-3.0-or-later

// The first sheet of an Office Open XML workbook: found through the
// workbook and its relationships, its cells placed by their references
// ("B3"), numbers as their stored values, text from the shared strings.

#include "sheets/sheet_rows.h"

namespace cramer {
namespace {

constexpr std::size_t kLargestSmallPart = 1024 * 1024;

struct FirstSheet {
    QString name;
    QString relationship;
};

// Workbook parts name their relationships in one namespace or another
// (transitional or strict); either way the attribute is "id".
QString relationshipId(const QXmlStreamAttributes& attributes)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (!attribute.namespaceUri().isEmpty() && attribute.name() == QStringLiteral("id"))
            return attribute.value().toString();
    }
    return {};
}

// The part a relationship points to, from the folder "xl/".
std::string partPath(QString target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1).toStdString();
    return ("xl/" + target).toStdString();
}

// The column of a reference such as "AB12"; 0 where it names none.
int columnOf(QStringView reference)
{
    int column = 0;
    for (qsizetype i = 0; i < reference.size() && column <= RowCollector::kWidestRow * 26; ++i) {
        const char16_t letter = reference[i].toUpper().unicode();
        if (letter < u'A' || letter > u'Z')
            break;
        column = column * 26 + (letter - u'A' + 1);
    }
    return column;
}

SheetRows failure(FileProblem problem, std::string name = {})
{
    SheetRows sheet;
    sheet.error.problem = problem;
    sheet.name = std::move(name);
    return sheet;
}

} // namespace

SheetRows readXlsxSheet(const ZipArchive& archive)
{
    const ZipArchive::Member workbook = archive.read("xl/workbook.xml", kLargestSmallPart);
    if (workbook.problem != ZipArchive::Problem::None)
        return { {}, {}, archiveError(workbook.problem) };
    FirstSheet first;
    {
        PartReader part(workbook.bytes);
        while (part.next()) {
            if (part.isStart(QStringLiteral("sheet"))) {
                first = { part.xml.attributes().value(QStringLiteral("name")).toString(),
                    relationshipId(part.xml.attributes()) };
                break;
            }
        }
        if (part.failed())
            return failure(FileProblem::DamagedArchive);
    }
    if (first.relationship.isEmpty())
        return failure(FileProblem::NoSheet);
    const std::string name = first.name.toStdString();

    const ZipArchive::Member relationships = archive.read("xl/_rels/workbook.xml.rels", kLargestSmallPart);
    if (relationships.problem != ZipArchive::Problem::None)
        return { name, {}, archiveError(relationships.problem) };
    std::string sheetPath;
    std::string stringsPath;
    {
        PartReader part(relationships.bytes);
        while (part.next()) {
            if (!part.isStart(QStringLiteral("Relationship")))
                continue;
            const QXmlStreamAttributes attributes = part.xml.attributes();
            const QString target = attributes.value(QStringLiteral("Target")).toString();
            if (attributes.value(QStringLiteral("Id")) == first.relationship)
                sheetPath = partPath(target);
            else if (attributes.value(QStringLiteral("Type")).endsWith(QStringLiteral("/sharedStrings")))
                stringsPath = partPath(target);
        }
        if (part.failed())
            return failure(FileProblem::DamagedArchive, name);
    }
    if (sheetPath.empty())
        return failure(FileProblem::NoSheet, name);

    // Without its strings part, a sheet may still hold numbers alone.
    std::vector<std::string> strings;
    if (!stringsPath.empty() && archive.contains(stringsPath)) {
        const ZipArchive::Member shared = archive.read(stringsPath, kLargestSheetPart);
        if (shared.problem != ZipArchive::Problem::None)
            return { name, {}, archiveError(shared.problem) };
        PartReader part(shared.bytes);
        QString text;
        while (part.next()) {
            if (part.isStart(QStringLiteral("si"))) {
                text.clear();
            } else if (part.isStart(QStringLiteral("rPh"))) {
                part.xml.skipCurrentElement(); // a reading aid, not the text
            } else if (part.isStart(QStringLiteral("t"))) {
                text += part.elementText();
            } else if (part.isEnd(QStringLiteral("si"))) {
                strings.push_back(text.toStdString());
            }
        }
        if (part.failed())
            return failure(FileProblem::DamagedArchive, name);
    }

    const ZipArchive::Member content = archive.read(sheetPath, kLargestSheetPart);
    if (content.problem != ZipArchive::Problem::None)
        return { name, {}, archiveError(content.problem) };
    PartReader part(content.bytes);
    RowCollector rows;
    int row = 0;
    bool full = false;
    while (!full && part.next()) {
        if (!part.isStart(QStringLiteral("row")))
            continue;
        bool valid = false;
        const int numbered = part.xml.attributes().value(QStringLiteral("r")).toInt(&valid);
        row = valid && numbered > row ? numbered : row + 1;
        rows.startRow(row);
        int column = 0;
        while (part.next() && !part.isEnd(QStringLiteral("row"))) {
            if (!part.isStart(QStringLiteral("c")))
                continue;
            const QXmlStreamAttributes attributes = part.xml.attributes();
            const int referenced = columnOf(attributes.value(QStringLiteral("r")));
            column = referenced > column ? referenced : column + 1;
            const QStringView type = attributes.value(QStringLiteral("t"));
            QString value;
            QString inlineText;
            bool formula = false;
            bool hasValue = false;
            while (part.next() && !part.isEnd(QStringLiteral("c"))) {
                if (part.isStart(QStringLiteral("f"))) {
                    formula = true;
                    part.xml.skipCurrentElement();
                } else if (part.isStart(QStringLiteral("v"))) {
                    value = part.elementText();
                    hasValue = true;
                } else if (part.isStart(QStringLiteral("is"))) {
                    inlineText = part.elementText();
                    hasValue = true;
                }
            }
            if (formula && !hasValue)
                return { name, {}, { FileProblem::FormulaWithoutValue, row, column, 0, 0, {}, name } };
            FileCell cell;
            if (type.isEmpty() || type == QStringLiteral("n")) {
                cell = { value.trimmed().toStdString(), FileCell::Kind::Stored };
            } else if (type == QStringLiteral("s")) {
                bool isIndex = false;
                const qulonglong index = value.toULongLong(&isIndex);
                if (!isIndex || index >= strings.size())
                    return failure(FileProblem::DamagedArchive, name);
                cell = { strings[index], FileCell::Kind::Sealed };
            } else {
                cell = { (type == QStringLiteral("inlineStr") ? inlineText : value).toStdString(),
                    FileCell::Kind::Sealed };
            }
            if (!cell.text.empty())
                rows.addCell(column, cell);
        }
        full = !rows.endRow();
    }
    if (part.failed())
        return failure(FileProblem::DamagedArchive, name);
    return { name, std::move(rows.rows), {} };
}

} // namespace cramer
