// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/spreadsheet_file.h"

#include "sheets/sheet_rows.h"
#include "sheets/zip_archive.h"

#include <QStringDecoder>

#include <optional>

namespace cramer {
namespace {

// The first bytes of a ZIP archive, and of a compound document: what an
// encrypted workbook, and an old binary one, are stored in.
constexpr std::string_view kZip = "PK\x03\x04";
constexpr std::string_view kCompoundDocument = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

ReadSystem refused(FileError error) { return { std::nullopt, std::move(error) }; }

// A sheet with a single row of numbers (a date, a task's number) holds no
// system.
bool holdsNoSystem(const ReadSystem& read)
{
    return read.error.problem == FileProblem::Empty
        || (read.error.problem == FileProblem::SizeOutOfRange && read.error.count < kMinSize);
}

ReadSystem readSheet(SheetRows& sheet, const NumberLocale& locale)
{
    ReadSystem read = sheet.error ? refused(sheet.error) : systemFromRows(sheet.rows, locale, true);
    read.error.sheet = sheet.name;
    read.sheet = sheet.name;
    read.form = FileForm::Workbook;
    return read;
}

// The sheet named `wanted`, hidden or not; or, where none is named, the
// sheet the teacher looks at: the one shown when the workbook was saved,
// never a hidden one; where it holds no equations, the first visible sheet
// that does. Every message names the sheet read, or, where none holds
// equations, the sheets looked at.
ReadSystem readWorkbook(WorkbookSheets workbook, const NumberLocale& locale, const std::string& wanted)
{
    if (workbook.error)
        return refused(std::move(workbook.error));

    std::vector<std::size_t> order;
    if (workbook.active && *workbook.active < workbook.sheets.size()
        && !workbook.sheets[*workbook.active].hidden)
        order.push_back(*workbook.active);
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        if (!workbook.sheets[i].hidden && (order.empty() || order.front() != i))
            order.push_back(i);
    }
    std::vector<ReadSystem> reads(workbook.sheets.size());
    std::vector<std::string> systemSheets;
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        reads[i] = readSheet(workbook.sheets[i], locale);
        if (!workbook.sheets[i].hidden && reads[i].system)
            systemSheets.push_back(workbook.sheets[i].name);
    }
    auto chosen = [&](std::size_t i) {
        ReadSystem read = std::move(reads[i]);
        read.systemSheets = systemSheets;
        if (!order.empty() && order.front() != i && wanted.empty())
            read.shownSheet = workbook.sheets[order.front()].name;
        return read;
    };
    if (!wanted.empty()) {
        FileError missing { .problem = FileProblem::NoSuchSheet, .text = wanted };
        for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
            if (workbook.sheets[i].name == wanted)
                return chosen(i);
            missing.sheets.push_back(workbook.sheets[i].name);
        }
        return refused(std::move(missing));
    }
    std::optional<std::size_t> firstFault;
    FileError empty;
    empty.problem = FileProblem::Empty;
    for (const std::size_t i : order) {
        if (!holdsNoSystem(reads[i]))
            return chosen(i);
        if (reads[i].error.problem != FileProblem::Empty && !firstFault)
            firstFault = i;
        empty.sheets.push_back(workbook.sheets[i].name);
    }
    if (firstFault)
        return chosen(*firstFault);
    return refused(std::move(empty));
}

WorkbookSheets workbookSheets(std::string_view bytes)
{
    const ZipArchive archive(bytes);
    WorkbookSheets workbook;
    if (archive.problem() != ZipArchive::Problem::None)
        workbook.error = archiveError(archive.problem());
    else if (archive.contains("content.xml"))
        workbook = readOdsSheets(archive);
    else if (archive.contains("xl/workbook.xml"))
        workbook = readXlsxSheets(archive);
    else
        workbook.error.problem = FileProblem::NoSheet;
    return workbook;
}

// UTF-16 without a byte-order mark, little or big endian, told by where
// its zero bytes fall: text of a system is mostly ASCII, whose every other
// byte is zero in UTF-16 and none in any 8-bit text.
std::optional<QStringConverter::Encoding> utf16WithoutMark(std::string_view bytes)
{
    std::size_t even = 0;
    std::size_t odd = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        (i % 2 == 0 ? even : odd) += bytes[i] == '\0' ? 1 : 0;
    const std::size_t half = bytes.size() / 2;
    if (bytes.size() % 2 != 0 || half == 0)
        return std::nullopt;
    if (odd * 2 > half && even == 0)
        return QStringConverter::Utf16LE;
    if (even * 2 > half && odd == 0)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Text as other programs save it, in UTF-8: UTF-16 with its byte-order mark
// (Excel's "Unicode text") or without one, and text that is no UTF-8 as
// Windows-1251, the 8-bit text of Bulgarian Windows. Nothing where it is
// UTF-8 already, or where neither reading fits.
std::optional<QByteArray> decodedText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    auto decoded = [&view](QStringDecoder decoder) -> std::optional<QByteArray> {
        const QString text = decoder(view);
        if (decoder.hasError())
            return std::nullopt;
        return text.toUtf8();
    };
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return decoded(QStringDecoder(QStringConverter::Utf16));
    if (const auto encoding = utf16WithoutMark(bytes))
        return decoded(QStringDecoder(*encoding));
    if (!decoded(QStringDecoder(QStringConverter::Utf8)))
        return decoded(QStringDecoder("windows-1251"));
    return std::nullopt;
}

} // namespace

ReadSystem readSystemBytes(std::string_view bytes, const NumberLocale& locale, const std::string& sheet)
{
    if (bytes.starts_with(kZip))
        return readWorkbook(workbookSheets(bytes), locale, sheet);
    if (isFlatOds(bytes))
        return readWorkbook(readFlatOdsSheets(std::string(bytes)), locale, sheet);
    if (bytes.starts_with(kCompoundDocument))
        return refused({ .problem = FileProblem::EncryptedOrBinary });
    if (bytes.size() > kLargestSystemFile)
        return refused({ .problem = FileProblem::TooLarge, .count = kLargestSystemFileMb });
    if (const std::optional<QByteArray> text = decodedText(bytes)) {
        ReadSystem read = readSystemText(
            std::string_view(text->constData(), static_cast<std::size_t>(text->size())), locale);
        read.form = FileForm::OtherText; // saving would change its encoding
        return read;
    }
    return readSystemText(bytes, locale);
}

ReadSystem readAnySystemFile(const std::filesystem::path& path, const NumberLocale& locale, const std::string& sheet)
{
    const FileContent file = readWholeFile(path, kLargestSpreadsheetMb);
    if (file.error)
        return refused(file.error);
    return readSystemBytes(file.bytes, locale, sheet);
}

} // namespace cramer
