// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/spreadsheet_file.h"

#include "sheets/sheet_rows.h"
#include "solver/zip_archive.h"

namespace cramer {
namespace {

// The first bytes of a ZIP archive, and of a compound document: what an
// encrypted workbook, and an old binary one, are stored in.
constexpr std::string_view kZip = "PK\x03\x04";
constexpr std::string_view kCompoundDocument = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

ReadSystem refused(FileError error) { return { std::nullopt, std::move(error) }; }

ReadSystem readWorkbook(std::string_view bytes, const NumberLocale& locale)
{
    const ZipArchive archive(bytes);
    if (archive.problem() != ZipArchive::Problem::None) {
        return refused(archiveError(archive.problem()));
    }
    SheetRows sheet;
    if (archive.contains("content.xml"))
        sheet = readOdsSheet(archive);
    else if (archive.contains("xl/workbook.xml"))
        sheet = readXlsxSheet(archive);
    else
        sheet.error.problem = FileProblem::NoSheet;
    if (sheet.error)
        return refused(std::move(sheet.error));
    ReadSystem read = systemFromRows(sheet.rows, locale, true);
    read.error.sheet = sheet.name;
    read.form = FileForm::Workbook;
    return read;
}

} // namespace

ReadSystem readSystemBytes(std::string_view bytes, const NumberLocale& locale)
{
    if (bytes.starts_with(kZip))
        return readWorkbook(bytes, locale);
    if (bytes.starts_with(kCompoundDocument))
        return refused({ FileProblem::EncryptedOrBinary, 0, 0, 0, 0, {}, {} });
    if (bytes.size() > kLargestSystemFile)
        return refused({ FileProblem::TooLarge, 0, 0, kLargestSystemFileMb, 0, {}, {} });
    return readSystemText(bytes, locale);
}

ReadSystem readAnySystemFile(const std::filesystem::path& path, const NumberLocale& locale)
{
    const FileContent file = readWholeFile(path, kLargestSpreadsheetMb);
    if (file.error)
        return refused(file.error);
    return readSystemBytes(file.bytes, locale);
}

} // namespace cramer
