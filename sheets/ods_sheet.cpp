// SPDX-License-Identifier: GPL-3.0-or-later

// The tables of an OpenDocument spreadsheet (content.xml): rows and cells
// with their repeat counts, a number's stored value (office:value), text as
// its paragraphs hold it; tables, rows and columns the user hid; and the
// table shown when it was saved (settings.xml).

#include "sheets/sheet_rows.h"

#include <algorithm>
#include <set>

namespace cramer {
namespace {

const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kConfig = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:config:1.0");
const QString kCalcExtension
    = QStringLiteral("urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0");

constexpr std::size_t kLargestSmallPart = 1024 * 1024;

int repeatCount(const QXmlStreamAttributes& attributes, const QString& name)
{
    bool valid = false;
    const qlonglong count = attributes.value(kTable, name).toLongLong(&valid);
    return valid && count > 0 ? static_cast<int>(std::min<qlonglong>(count, 1 << 30)) : 1;
}

// Each part that is stored encrypted says so in the manifest.
bool isEncrypted(const ZipArchive& archive)
{
    const ZipArchive::Member manifest = archive.read("META-INF/manifest.xml", kLargestSmallPart);
    if (manifest.problem != ZipArchive::Problem::None)
        return false;
    PartReader part(manifest.bytes);
    while (part.next()) {
        if (part.xml.isStartElement() && part.xml.namespaceUri() == kManifest
            && part.xml.name() == QStringLiteral("encryption-data"))
            return true;
    }
    return false;
}

// The table of the first view, as the settings name it; nothing where the
// file has none (files saved without a window have none).
QString activeTable(const std::string& settings)
{
    PartReader part(settings);
    while (part.next()) {
        if (part.xml.isStartElement() && part.xml.namespaceUri() == kConfig
            && part.xml.name() == QStringLiteral("config-item")
            && part.xml.attributes().value(kConfig, QStringLiteral("name")) == QStringLiteral("ActiveTable"))
            return part.elementText();
    }
    return {};
}

bool isHidden(const QXmlStreamAttributes& attributes)
{
    const QStringView visibility = attributes.value(kTable, QStringLiteral("visibility"));
    return visibility == QStringLiteral("collapse") || visibility == QStringLiteral("filter");
}

// At a text:p's start; leaves the reader at its end. Its text as shown:
// <text:s text:c="N"/> is N spaces, a tab and a line break are themselves,
// spans and links give their text; notes and other objects give none.
QString paragraphText(PartReader& part)
{
    QString text;
    int depth = 1;
    while (depth > 0 && part.next()) {
        if (part.xml.isCharacters()) {
            text += part.xml.text();
        } else if (part.xml.isEndElement()) {
            --depth;
        } else if (part.xml.isStartElement()) {
            const QStringView name = part.xml.name();
            const bool textElement = part.xml.namespaceUri() == kText;
            if (textElement && name == QStringLiteral("s")) {
                bool valid = false;
                const int count = part.xml.attributes().value(kText, QStringLiteral("c")).toInt(&valid);
                text += QString(valid && count > 0 ? std::min(count, 1 << 16) : 1, QLatin1Char(' '));
                part.xml.skipCurrentElement();
            } else if (textElement && name == QStringLiteral("tab")) {
                text += QLatin1Char('\t');
                part.xml.skipCurrentElement();
            } else if (textElement && name == QStringLiteral("line-break")) {
                text += QLatin1Char('\n');
                part.xml.skipCurrentElement();
            } else if (textElement && (name == QStringLiteral("span") || name == QStringLiteral("a"))) {
                ++depth;
            } else {
                part.xml.skipCurrentElement();
            }
        }
    }
    return text;
}

struct CellRead {
    FileCell cell;
    bool formulaWithoutValue = false;
};

// At a table:table-cell's start; leaves the reader at its end.
CellRead readCell(PartReader& part)
{
    const QXmlStreamAttributes attributes = part.xml.attributes();
    const QStringView type = attributes.value(kOffice, QStringLiteral("value-type"));
    const bool formula = attributes.hasAttribute(kTable, QStringLiteral("formula"));
    const bool error
        = attributes.value(kCalcExtension, QStringLiteral("value-type")) == QStringLiteral("error");
    QString paragraphs;
    bool shown = false; // a paragraph, even an empty one
    // The cell's paragraphs; not its annotation.
    while (part.next() && !part.xml.isEndElement()) {
        if (!part.xml.isStartElement())
            continue;
        if (part.xml.namespaceUri() == kText && part.xml.name() == QStringLiteral("p")) {
            if (shown)
                paragraphs += QLatin1Char('\n');
            paragraphs += paragraphText(part);
            shown = true;
        } else {
            part.xml.skipCurrentElement();
        }
    }
    const std::string text = paragraphs.toStdString();
    CellRead read;
    if (error) {
        read.cell = { text, FileCell::Kind::Error };
    } else if (type == QStringLiteral("float") || type == QStringLiteral("percentage")
        || type == QStringLiteral("currency")) {
        const QStringView value = attributes.value(kOffice, QStringLiteral("value"));
        read.formulaWithoutValue = formula && value.isEmpty();
        read.cell = { value.toString().toStdString(), FileCell::Kind::Stored };
        // Calc stores TRUE() of a formula as the number 1 and shows a word:
        // a boolean. Only a formula's: a typed 0 that a format shows as "-"
        // or "- лв." is the number it stores.
        const bool shownAsWord = formula
            && std::any_of(paragraphs.begin(), paragraphs.end(), [](QChar c) { return c.isLetter(); })
            && std::none_of(paragraphs.begin(), paragraphs.end(), [](QChar c) { return c.isDigit(); });
        if (shownAsWord && (value == QStringLiteral("0") || value == QStringLiteral("1")))
            read.cell = { text, FileCell::Kind::Boolean };
    } else if (type == QStringLiteral("date")) {
        read.cell = { text, FileCell::Kind::Date };
    } else if (type == QStringLiteral("time")) {
        read.cell = { text, FileCell::Kind::Time };
    } else if (type == QStringLiteral("boolean")) {
        read.cell = { text, FileCell::Kind::Boolean };
    } else if (type.isEmpty()) {
        // Calc stores a formula whose result is empty text with no type,
        // but with its (empty) paragraph: an empty cell. Without even that,
        // the formula was never computed.
        read.formulaWithoutValue = formula && !shown;
        if (shown)
            read.cell = { text, FileCell::Kind::Sealed };
    } else {
        const QStringView stored = attributes.value(kOffice, QStringLiteral("string-value"));
        read.cell
            = { (stored.isEmpty() ? paragraphs : stored.toString()).toStdString(), FileCell::Kind::Sealed };
    }
    return read;
}

// At a table:table's start; leaves the reader at its end.
SheetRows readTable(PartReader& part, const std::set<QString>& hiddenStyles)
{
    SheetRows sheet;
    const QXmlStreamAttributes attributes = part.xml.attributes();
    sheet.name = attributes.value(kTable, QStringLiteral("name")).toString().toStdString();
    sheet.hidden = hiddenStyles.contains(attributes.value(kTable, QStringLiteral("style-name")).toString());
    RowCollector rows;
    int row = 0;
    int column = 1; // of the next table:table-column
    bool full = false;
    while (part.next() && !(part.isEnd(QStringLiteral("table")) && part.xml.namespaceUri() == kTable)) {
        if (!part.xml.isStartElement() || part.xml.namespaceUri() != kTable)
            continue;
        const QStringView name = part.xml.name();
        if (name == QStringLiteral("table")) {
            part.xml.skipCurrentElement(); // a table inside a cell
        } else if (name == QStringLiteral("table-column")) {
            const int count = repeatCount(part.xml.attributes(), QStringLiteral("number-columns-repeated"));
            if (isHidden(part.xml.attributes()))
                rows.hideColumns(column, count);
            column = static_cast<int>(std::min<long long>(static_cast<long long>(column) + count, 1 << 30));
        } else if (name == QStringLiteral("table-row")) {
            const int rowRepeat = repeatCount(part.xml.attributes(), QStringLiteral("number-rows-repeated"));
            const bool hiddenRow = isHidden(part.xml.attributes());
            rows.startRow(row + 1);
            int cellColumn = 1;
            while (part.next() && !part.isEnd(QStringLiteral("table-row"))) {
                if (!part.xml.isStartElement())
                    continue;
                if (part.xml.name() != QStringLiteral("table-cell")
                    && part.xml.name() != QStringLiteral("covered-table-cell")) {
                    part.xml.skipCurrentElement();
                    continue;
                }
                const int cellRepeat
                    = repeatCount(part.xml.attributes(), QStringLiteral("number-columns-repeated"));
                // A cell under a merge: Calc keeps what it held before, the
                // sheet shows none of it.
                if (part.xml.name() == QStringLiteral("covered-table-cell")) {
                    part.xml.skipCurrentElement();
                    cellColumn = static_cast<int>(
                        std::min<long long>(static_cast<long long>(cellColumn) + cellRepeat, 1 << 30));
                    continue;
                }
                const CellRead cell = readCell(part);
                if (cell.formulaWithoutValue && !hiddenRow && !sheet.error)
                    sheet.error = {
                        .problem = FileProblem::FormulaWithoutValue, .line = row + 1, .number = cellColumn
                    };
                if (!cell.cell.text.empty() && !hiddenRow)
                    rows.addCell(cellColumn, cell.cell, cellRepeat);
                cellColumn = static_cast<int>(
                    std::min<long long>(static_cast<long long>(cellColumn) + cellRepeat, 1 << 30));
            }
            if (!hiddenRow)
                full = !rows.endRow(rowRepeat);
            row = static_cast<int>(std::min<long long>(static_cast<long long>(row) + rowRepeat, 1 << 30));
            if (full)
                break;
        }
    }
    if (full)
        part.xml.skipCurrentElement();
    sheet.rows = std::move(rows.rows);
    return sheet;
}

} // namespace

namespace {

// The tables of a content.xml, or of a flat ODS, which holds the same
// elements in one file; the table shown when it was saved from its settings.
WorkbookSheets sheetsOfContent(const std::string& content, const QString& active)
{
    WorkbookSheets workbook;
    // Tables the user hid have a style that says so.
    std::set<QString> hiddenStyles;
    QString styleName;
    PartReader part(content);
    while (part.next()) {
        if (!part.xml.isStartElement())
            continue;
        if (part.xml.namespaceUri() == kStyle && part.xml.name() == QStringLiteral("style")) {
            styleName = part.xml.attributes().value(kStyle, QStringLiteral("name")).toString();
        } else if (part.xml.namespaceUri() == kStyle
            && part.xml.name() == QStringLiteral("table-properties")) {
            if (part.xml.attributes().value(kTable, QStringLiteral("display")) == QStringLiteral("false"))
                hiddenStyles.insert(styleName);
        } else if (part.xml.namespaceUri() == kTable && part.xml.name() == QStringLiteral("table")) {
            workbook.sheets.push_back(readTable(part, hiddenStyles));
        }
    }
    if (part.failed()) {
        workbook.error.problem = FileProblem::DamagedArchive;
        return workbook;
    }
    if (workbook.sheets.empty())
        workbook.error.problem = FileProblem::NoSheet;
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        if (QString::fromStdString(workbook.sheets[i].name) == active)
            workbook.active = i;
    }
    return workbook;
}

} // namespace

WorkbookSheets readOdsSheets(const ZipArchive& archive)
{
    WorkbookSheets workbook;
    if (isEncrypted(archive)) {
        workbook.error.problem = FileProblem::Encrypted;
        return workbook;
    }
    const ZipArchive::Member content = archive.read("content.xml", kLargestSheetPart);
    if (content.problem != ZipArchive::Problem::None) {
        workbook.error = archiveError(content.problem);
        return workbook;
    }
    QString active;
    if (archive.contains("settings.xml")) {
        if (const ZipArchive::Member settings = archive.read("settings.xml", kLargestSmallPart);
            settings.problem == ZipArchive::Problem::None)
            active = activeTable(settings.bytes);
    }
    return sheetsOfContent(content.bytes, active);
}

bool isFlatOds(std::string_view bytes)
{
    return bytes.substr(0, 4096).find("<office:document") != std::string_view::npos
        && bytes.find("<office:spreadsheet") != std::string_view::npos;
}

WorkbookSheets readFlatOdsSheets(const std::string& bytes)
{
    return sheetsOfContent(bytes, activeTable(bytes));
}

} // namespace cramer
