// SPDX-License-Identifier: GPL-3.0-or-later

// The first table of an OpenDocument spreadsheet (content.xml): rows and
// cells with their repeat counts, a number's stored value (office:value),
// text as its paragraphs hold it.

#include "sheets/sheet_rows.h"

namespace cramer {
namespace {

const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kManifest = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

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
    QString paragraphs;
    // The cell's paragraphs; not its annotation.
    while (part.next() && !part.xml.isEndElement()) {
        if (!part.xml.isStartElement())
            continue;
        if (part.xml.namespaceUri() == kText && part.xml.name() == QStringLiteral("p")) {
            if (!paragraphs.isEmpty())
                paragraphs += QLatin1Char('\n');
            paragraphs += part.elementText();
        } else {
            part.xml.skipCurrentElement();
        }
    }
    CellRead read;
    if (type == QStringLiteral("float") || type == QStringLiteral("percentage")
        || type == QStringLiteral("currency")) {
        const QStringView value = attributes.value(kOffice, QStringLiteral("value"));
        read.formulaWithoutValue = formula && value.isEmpty();
        read.cell = { value.toString().toStdString(), FileCell::Kind::Stored };
    } else if (type.isEmpty()) {
        read.formulaWithoutValue = formula;
    } else {
        const QStringView stored = attributes.value(kOffice, QStringLiteral("string-value"));
        read.cell
            = { (stored.isEmpty() ? paragraphs : stored.toString()).toStdString(), FileCell::Kind::Sealed };
    }
    return read;
}

} // namespace

SheetRows readOdsSheet(const ZipArchive& archive)
{
    SheetRows sheet;
    if (isEncrypted(archive)) {
        sheet.error.problem = FileProblem::Encrypted;
        return sheet;
    }
    const ZipArchive::Member content = archive.read("content.xml", kLargestSheetPart);
    if (content.problem != ZipArchive::Problem::None) {
        sheet.error = archiveError(content.problem);
        return sheet;
    }

    PartReader part(content.bytes);
    bool inTable = false;
    int row = 0;
    RowCollector rows;
    while (part.next()) {
        if (!part.xml.isStartElement() || part.xml.namespaceUri() != kTable) {
            if (inTable && part.isEnd(QStringLiteral("table")) && part.xml.namespaceUri() == kTable)
                break;
            continue;
        }
        const QStringView name = part.xml.name();
        if (name == QStringLiteral("table")) {
            if (inTable) {
                part.xml.skipCurrentElement(); // a table inside a cell
                continue;
            }
            inTable = true;
            sheet.name = part.xml.attributes().value(kTable, QStringLiteral("name")).toString().toStdString();
        } else if (inTable && name == QStringLiteral("table-row")) {
            const int rowRepeat = repeatCount(part.xml.attributes(), QStringLiteral("number-rows-repeated"));
            rows.startRow(row + 1);
            int column = 1;
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
                const CellRead cell = readCell(part);
                if (cell.formulaWithoutValue) {
                    sheet.error = { FileProblem::FormulaWithoutValue, row + 1, column, 0, 0, {}, sheet.name };
                    return sheet;
                }
                if (!cell.cell.text.empty())
                    rows.addCell(column, cell.cell, cellRepeat);
                column = static_cast<int>(
                    std::min<long long>(static_cast<long long>(column) + cellRepeat, 1 << 30));
            }
            if (!rows.endRow(rowRepeat))
                break;
            row = static_cast<int>(std::min<long long>(static_cast<long long>(row) + rowRepeat, 1 << 30));
        }
    }
    if (part.failed()) {
        sheet.error.problem = FileProblem::DamagedArchive;
        return sheet;
    }
    if (!inTable)
        sheet.error.problem = FileProblem::NoSheet;
    sheet.rows = std::move(rows.rows);
    return sheet;
}

} // namespace cramer
