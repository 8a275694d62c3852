// SPDX-License-Identifier: GPL-3.0-or-later

// The sheets of an Office Open XML workbook: found through the workbook and
// its relationships, cells placed by their references ("B3"), numbers as
// their stored values, text from the shared strings; dates and times told
// from numbers by their number formats (styles.xml); sheets, rows and
// columns the user hid; the sheet shown when it was saved.

#include "sheets/sheet_rows.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <cmath>

#include <map>

namespace cramer {
namespace {

constexpr std::size_t kLargestSmallPart = 1024 * 1024;

struct SheetEntry {
    QString name;
    QString relationship;
    bool hidden = false;
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

// A cell reference's row ("C12" → 12), 0 where it has none.
int rowOf(QStringView reference)
{
    qsizetype digits = 0;
    while (digits < reference.size() && reference[digits].isLetter())
        ++digits;
    return reference.mid(digits).toInt();
}

// A merged range: its first cell shows the content, the others are covered.
struct Merge {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    bool covers(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right
            && !(row == top && column == left);
    }
};

std::optional<Merge> mergeFrom(QStringView range)
{
    const qsizetype colon = range.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QStringView first = range.left(colon);
    const QStringView last = range.mid(colon + 1);
    return Merge { rowOf(first), columnOf(first), rowOf(last), columnOf(last) };
}

// Excel and Calc keep what covered cells held before the merge; the sheet
// shows none of it.
void emptyCoveredCells(std::vector<FileRow>& rows, const std::vector<Merge>& merges)
{
    for (FileRow& row : rows)
        for (FileCell& cell : row.cells)
            if (std::any_of(merges.begin(), merges.end(),
                    [&](const Merge& merge) { return merge.covers(row.line, cell.column); }))
                cell = { {}, FileCell::Kind::Typed, cell.column };
}

bool isTrue(QStringView value) { return value == QStringLiteral("1") || value == QStringLiteral("true"); }

// What a number format makes of a number: a date, a time, or the number.
enum class Shown { Number, Date, Time };

// The built-in formats of dates and times (ECMA-376, 18.8.30, and the
// East Asian ones that share their numbers).
Shown builtInFormat(int id)
{
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || (id >= 34 && id <= 36)
        || (id >= 50 && id <= 58))
        return Shown::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 33) || (id >= 45 && id <= 47))
        return Shown::Time;
    return Shown::Number;
}

// A format code of the file's own: its letters outside quotes, escapes and
// brackets ("[Red]", but "[h]" is elapsed hours) tell dates and times.
Shown customFormat(QStringView code)
{
    bool date = false;
    bool time = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u'"') {
            while (++i < code.size() && code[i] != u'"') { }
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i);
            const QStringView inside = code.mid(i + 1, close < 0 ? -1 : close - i - 1).toString().toLower();
            time = time || inside == u"h" || inside == u"hh" || inside == u"m" || inside == u"mm"
                || inside == u"s" || inside == u"ss";
            i = close < 0 ? code.size() : close;
        } else if (c == u'd' || c == u'y') {
            date = true;
        } else if (c == u'h' || c == u's') {
            time = true;
        } else if (c == u'm') {
            date = date || !time; // months, unless after hours: then minutes
        } else if (c == u';') {
            break; // the format of positive numbers tells
        }
    }
    return date ? Shown::Date : time ? Shown::Time : Shown::Number;
}

// A date or time as the cell shows it, from its serial number: days since
// 30 December 1899, the fraction the time of day.
std::string shownAs(Shown shown, const QString& serial)
{
    bool valid = false;
    const double value = serial.toDouble(&valid);
    if (!valid || value < 0 || value > 2958465) // up to 9999-12-31
        return serial.toStdString();
    const double days = std::floor(value);
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(std::lround((value - days) * 86400)) % 86400);
    const QString clock
        = time.toString(time.second() == 0 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss"));
    if (shown == Shown::Time)
        return clock.toStdString();
    // In the user's short date form: a message quotes it as the teacher's
    // own spreadsheet shows it.
    const QString date
        = QLocale().toString(QDate(1899, 12, 30).addDays(static_cast<qint64>(days)), QLocale::ShortFormat);
    return (time == QTime(0, 0) ? date : date + QLatin1Char(' ') + clock).toStdString();
}

// What each cell style (the "s" of a cell) makes of a number.
std::vector<Shown> cellStyles(const ZipArchive& archive, const std::string& path)
{
    std::vector<Shown> styles;
    if (path.empty() || !archive.contains(path))
        return styles;
    const ZipArchive::Member part = archive.read(path, kLargestSmallPart);
    if (part.problem != ZipArchive::Problem::None)
        return styles;
    std::map<int, Shown> custom;
    PartReader reader(part.bytes);
    bool inCellFormats = false;
    while (reader.next()) {
        const QXmlStreamAttributes attributes = reader.xml.attributes();
        if (reader.isStart(QStringLiteral("numFmt"))) {
            custom[attributes.value(QStringLiteral("numFmtId")).toInt()]
                = customFormat(attributes.value(QStringLiteral("formatCode")));
        } else if (reader.isStart(QStringLiteral("cellXfs"))) {
            inCellFormats = true;
        } else if (reader.isEnd(QStringLiteral("cellXfs"))) {
            inCellFormats = false;
        } else if (inCellFormats && reader.isStart(QStringLiteral("xf"))) {
            const int id = attributes.value(QStringLiteral("numFmtId")).toInt();
            const auto own = custom.find(id);
            styles.push_back(own != custom.end() ? own->second : builtInFormat(id));
            reader.xml.skipCurrentElement();
        }
    }
    return styles;
}

struct Parts {
    std::map<QString, std::string> sheets; // by relationship
    std::string strings;
    std::string styles;
};

// At the start of a string item (a shared string's <si>, an inline
// string's <is>); leaves the reader at its end. Its text runs, without
// the phonetic runs (<rPh>), which are a reading aid, not the text.
QString stringItem(PartReader& part)
{
    QString text;
    int depth = 1;
    while (depth > 0 && part.next()) {
        if (part.xml.isEndElement()) {
            --depth;
        } else if (part.isStart(QStringLiteral("t"))) {
            text += part.elementText();
        } else if (part.isStart(QStringLiteral("rPh")) || part.isStart(QStringLiteral("phoneticPr"))) {
            part.xml.skipCurrentElement();
        } else if (part.xml.isStartElement()) {
            ++depth;
        }
    }
    return text;
}

std::vector<std::string> sharedStrings(const ZipArchive& archive, const std::string& path, FileError& error)
{
    std::vector<std::string> strings;
    // Without its strings part, a sheet may still hold numbers alone.
    if (path.empty() || !archive.contains(path))
        return strings;
    const ZipArchive::Member shared = archive.read(path, kLargestSheetPart);
    if (shared.problem != ZipArchive::Problem::None) {
        error = archiveError(shared.problem);
        return strings;
    }
    PartReader part(shared.bytes);
    while (part.next()) {
        if (part.isStart(QStringLiteral("si")))
            strings.push_back(stringItem(part).toStdString());
    }
    if (part.failed())
        error.problem = FileProblem::DamagedArchive;
    return strings;
}

struct CellContent {
    QString value;
    QString inlineText;
    bool formula = false;
    bool hasValue = false;
};

// At a <c>'s start; leaves the reader at its end.
CellContent readCellContent(PartReader& part)
{
    CellContent content;
    while (part.next() && !part.isEnd(QStringLiteral("c"))) {
        if (part.isStart(QStringLiteral("f"))) {
            content.formula = true;
            part.xml.skipCurrentElement();
        } else if (part.isStart(QStringLiteral("v"))) {
            content.value = part.elementText();
            content.hasValue = true;
        } else if (part.isStart(QStringLiteral("is"))) {
            content.inlineText = stringItem(part);
            content.hasValue = true;
        }
    }
    return content;
}

// What a cell of type `type` and style `style` holds; nothing where it
// names a shared string the workbook does not have.
std::optional<FileCell> cellFrom(const CellContent& cell, QStringView type, int style,
    const std::vector<std::string>& strings, const std::vector<Shown>& styles)
{
    const std::string value = cell.value.trimmed().toStdString();
    if (type.isEmpty() || type == QStringLiteral("n")) {
        const Shown shown = style >= 0 && static_cast<std::size_t>(style) < styles.size()
            ? styles[static_cast<std::size_t>(style)]
            : Shown::Number;
        if (shown == Shown::Number)
            return FileCell { value, FileCell::Kind::Stored };
        return FileCell { shownAs(shown, cell.value.trimmed()),
            shown == Shown::Date ? FileCell::Kind::Date : FileCell::Kind::Time };
    }
    if (type == QStringLiteral("s")) {
        bool isIndex = false;
        const qulonglong index = cell.value.toULongLong(&isIndex);
        if (!isIndex || index >= strings.size())
            return std::nullopt;
        return FileCell { strings[index], FileCell::Kind::Sealed };
    }
    if (type == QStringLiteral("b"))
        return FileCell { value == "1" ? "TRUE" : "FALSE", FileCell::Kind::Boolean };
    if (type == QStringLiteral("e"))
        return FileCell { value, FileCell::Kind::Error };
    if (type == QStringLiteral("d"))
        return FileCell { value, FileCell::Kind::Date };
    return FileCell { (type == QStringLiteral("inlineStr") ? cell.inlineText : cell.value).toStdString(),
        FileCell::Kind::Sealed };
}

// A row's cells, the reader at its start, into `rows`; false where a cell
// is damaged. A formula never computed is the sheet's fault, the first only.
bool readRow(PartReader& part, int row, const std::vector<std::string>& strings,
    const std::vector<Shown>& styles, RowCollector& rows, FileError& fault)
{
    int column = 0;
    while (part.next() && !part.isEnd(QStringLiteral("row"))) {
        if (!part.isStart(QStringLiteral("c")))
            continue;
        const QXmlStreamAttributes attributes = part.xml.attributes();
        const int referenced = columnOf(attributes.value(QStringLiteral("r")));
        column = referenced > column ? referenced : column + 1;
        const QStringView type = attributes.value(QStringLiteral("t"));
        const int style = attributes.value(QStringLiteral("s")).toInt();
        const CellContent cell = readCellContent(part);
        const std::string value = cell.value.trimmed().toStdString();
        // A formula whose result is text stores it as "str": empty
        // text is an empty cell. Any other formula without a value was
        // never computed.
        const bool emptyText = type == QStringLiteral("str") && cell.hasValue;
        if (cell.formula && !emptyText && (!cell.hasValue || (value.empty() && cell.inlineText.isEmpty()))) {
            if (!fault)
                fault = { .problem = FileProblem::FormulaWithoutValue, .line = row, .number = column };
            continue;
        }
        const std::optional<FileCell> read = cellFrom(cell, type, style, strings, styles);
        if (!read)
            return false;
        if (!read->text.empty())
            rows.addCell(column, *read);
    }
    return true;
}

// A sheet's cells as the program reads them, or the sheet's fault.
SheetRows readSheet(const ZipArchive& archive, const std::string& path,
    const std::vector<std::string>& strings, const std::vector<Shown>& styles, SheetRows sheet)
{
    const ZipArchive::Member content = archive.read(path, kLargestSheetPart);
    if (content.problem != ZipArchive::Problem::None) {
        sheet.error = archiveError(content.problem);
        return sheet;
    }
    PartReader part(content.bytes);
    RowCollector rows;
    std::vector<Merge> merges;
    int row = 0;
    bool full = false;
    while (part.next()) {
        // The merges follow the rows they cover, and are read past a full sheet.
        if (part.isStart(QStringLiteral("mergeCell"))) {
            if (const auto merge = mergeFrom(part.xml.attributes().value(QStringLiteral("ref"))))
                merges.push_back(*merge);
            continue;
        }
        if (full)
            continue;
        if (part.isStart(QStringLiteral("col"))) {
            const QXmlStreamAttributes attributes = part.xml.attributes();
            if (isTrue(attributes.value(QStringLiteral("hidden")))) {
                const int first = attributes.value(QStringLiteral("min")).toInt();
                rows.hideColumns(first, attributes.value(QStringLiteral("max")).toInt() - first + 1);
            }
            continue;
        }
        if (!part.isStart(QStringLiteral("row")))
            continue;
        bool valid = false;
        const int numbered = part.xml.attributes().value(QStringLiteral("r")).toInt(&valid);
        row = valid && numbered > row ? numbered : row + 1;
        if (isTrue(part.xml.attributes().value(QStringLiteral("hidden")))) {
            part.xml.skipCurrentElement();
            continue;
        }
        rows.startRow(row);
        if (!readRow(part, row, strings, styles, rows, sheet.error)) {
            sheet.error.problem = FileProblem::DamagedArchive;
            return sheet;
        }
        full = !rows.endRow();
    }
    if (part.failed())
        sheet.error.problem = FileProblem::DamagedArchive;
    sheet.rows = std::move(rows.rows);
    emptyCoveredCells(sheet.rows, merges);
    return sheet;
}

} // namespace

WorkbookSheets readXlsxSheets(const ZipArchive& archive)
{
    WorkbookSheets workbook;
    auto damaged = [&workbook](FileProblem problem) {
        workbook.error.problem = problem;
        return workbook;
    };
    const ZipArchive::Member book = archive.read("xl/workbook.xml", kLargestSmallPart);
    if (book.problem != ZipArchive::Problem::None)
        return damaged(archiveError(book.problem).problem);
    std::vector<SheetEntry> entries;
    std::optional<std::size_t> activeTab;
    {
        PartReader part(book.bytes);
        while (part.next()) {
            const QXmlStreamAttributes attributes = part.xml.attributes();
            if (part.isStart(QStringLiteral("sheet"))) {
                const QStringView state = attributes.value(QStringLiteral("state"));
                entries.push_back(
                    { attributes.value(QStringLiteral("name")).toString(), relationshipId(attributes),
                        state == QStringLiteral("hidden") || state == QStringLiteral("veryHidden") });
            } else if (part.isStart(QStringLiteral("workbookView")) && !activeTab) {
                activeTab = attributes.value(QStringLiteral("activeTab")).toUInt();
            }
        }
        if (part.failed())
            return damaged(FileProblem::DamagedArchive);
    }
    if (entries.empty())
        return damaged(FileProblem::NoSheet);

    const ZipArchive::Member relationships = archive.read("xl/_rels/workbook.xml.rels", kLargestSmallPart);
    if (relationships.problem != ZipArchive::Problem::None)
        return damaged(archiveError(relationships.problem).problem);
    Parts parts;
    {
        PartReader part(relationships.bytes);
        while (part.next()) {
            if (!part.isStart(QStringLiteral("Relationship")))
                continue;
            const QXmlStreamAttributes attributes = part.xml.attributes();
            const QString target = attributes.value(QStringLiteral("Target")).toString();
            const QStringView type = attributes.value(QStringLiteral("Type"));
            if (type.endsWith(QStringLiteral("/sharedStrings")))
                parts.strings = partPath(target);
            else if (type.endsWith(QStringLiteral("/styles")))
                parts.styles = partPath(target);
            else
                parts.sheets[attributes.value(QStringLiteral("Id")).toString()] = partPath(target);
        }
        if (part.failed())
            return damaged(FileProblem::DamagedArchive);
    }

    FileError stringsError;
    const std::vector<std::string> strings = sharedStrings(archive, parts.strings, stringsError);
    if (stringsError)
        return damaged(stringsError.problem);
    const std::vector<Shown> styles = cellStyles(archive, parts.styles);
    for (const SheetEntry& entry : entries) {
        SheetRows sheet;
        sheet.name = entry.name.toStdString();
        sheet.hidden = entry.hidden;
        const auto path = parts.sheets.find(entry.relationship);
        if (path == parts.sheets.end())
            sheet.error.problem = FileProblem::NoSheet;
        else
            sheet = readSheet(archive, path->second, strings, styles, std::move(sheet));
        workbook.sheets.push_back(std::move(sheet));
    }
    workbook.active = activeTab.value_or(0);
    return workbook;
}

} // namespace cramer
