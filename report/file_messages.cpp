// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/file_messages.h"

#include "report/file_texts.h"
#include "report/quoted_text.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "solver/missing_library.h"

#include <QDir>

#include <cerrno>
#include <span>
#include <utility>

namespace cramer {

using texts::qtText;

namespace {

// "B3": a sheet's column as spreadsheets name it, then the row.
QString sheetCellName(int row, int column)
{
    QString letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(u'A' + (rest - 1) % 26));
    return letters + QString::number(row);
}

// The reasons a teacher meets, as the system's manual pages word them.
constexpr std::pair<int, texts::Text> kSystemErrors[] = {
    { ENOENT, CRAMER_TEXT("Files", "няма такъв файл или папка") },
    { EACCES, CRAMER_TEXT("Files", "нямаш право на достъп") },
    { EPERM, CRAMER_TEXT("Files", "действието не е позволено") },
    { EROFS, CRAMER_TEXT("Files", "файловата система е само за четене") },
    { ENOSPC, CRAMER_TEXT("Files", "няма свободно място на диска") },
    { EDQUOT, CRAMER_TEXT("Files", "квотата ти на диска е изчерпана") },
    { EISDIR, CRAMER_TEXT("Files", "това е папка") },
    { ENOTDIR, CRAMER_TEXT("Files", "част от пътя не е папка") },
    { ENAMETOOLONG, CRAMER_TEXT("Files", "името е твърде дълго") },
    { ELOOP, CRAMER_TEXT("Files", "твърде много символни връзки") },
    { EIO, CRAMER_TEXT("Files", "входно-изходна грешка на устройството") },
    { EFBIG, CRAMER_TEXT("Files", "файлът е твърде голям") },
    { EBUSY, CRAMER_TEXT("Files", "устройството или файлът е зает") },
    { EPIPE, CRAMER_TEXT("Files", "програмата, която чете, е спряла") },
    { EMFILE, CRAMER_TEXT("Files", "отворени са твърде много файлове") },
    { ENXIO, CRAMER_TEXT("Files", "няма такова устройство или адрес") },
};

// The cell alone, within the row already named: "поле 2", "клетка B3".
QString cellOf(const FileError& error)
{
    return error.sheet.empty() ? qtText(texts::kFieldPlace).arg(error.number)
                               : qtText(texts::kCellPlace).arg(sheetCellName(error.line, error.number));
}

QString placeOf(const FileError& error)
{
    const QString sheet = QString::fromStdString(error.sheet);
    if (error.sheet.empty()) {
        return error.number == 0
            ? qtText(texts::kFileLinePlace).arg(error.line)
            : qtText(texts::kFileCellPlace).arg(QString::number(error.line), QString::number(error.number));
    }
    return error.number == 0
        ? qtText(texts::kSheetRowPlace).arg(sheet, QString::number(error.line))
        : qtText(texts::kSheetCellPlace).arg(sheet, sheetCellName(error.line, error.number));
}

} // namespace

QString missingLibraryMessage(const MissingLibrary& missing)
{
    return qtText(texts::kExactMissingLibrary)
        .arg(QString::fromStdString(missing.soname()),
            QString::fromStdString(debianPackageOf(missing.soname())));
}

QString systemErrorText(const FileError& error)
{
    for (const auto& [number, text] : kSystemErrors) {
        if (number == error.systemError)
            return qtText(text);
    }
    return QString::fromLocal8Bit(error.text);
}

namespace {

// Problems said with the file's name alone.
constexpr std::pair<FileProblem, texts::Text> kNamedOnly[] = {
    { FileProblem::Missing, texts::kFileMissing },
    { FileProblem::NotAFile, texts::kFileNotAFile },
    { FileProblem::NoPermission, texts::kFileNoPermission },
    { FileProblem::DamagedArchive, texts::kFileDamagedArchive },
    { FileProblem::NoSheet, texts::kFileNoSheet },
    { FileProblem::Encrypted, texts::kFileEncrypted },
    { FileProblem::EncryptedOrBinary, texts::kFileEncryptedOrBinary },
    { FileProblem::ArchiveOutOfProportion, texts::kFileOutOfProportion },
};

// Problems of a cell: the file's name, the place, and what the cell holds.
constexpr std::pair<FileProblem, texts::Text> kCellHolds[] = {
    { FileProblem::NotANumber, texts::kFileNotANumber },
    { FileProblem::Ambiguous, texts::kFileAmbiguous },
    { FileProblem::DateCell, texts::kFileDateCell },
    { FileProblem::TimeCell, texts::kFileTimeCell },
    { FileProblem::BooleanCell, texts::kFileBooleanCell },
    { FileProblem::ErrorCell, texts::kFileErrorCell },
};

const texts::Text* textFor(FileProblem problem, std::span<const std::pair<FileProblem, texts::Text>> table)
{
    for (const auto& [known, text] : table) {
        if (known == problem)
            return &text;
    }
    return nullptr;
}

QString emptyMessage(const FileError& error, const QString& name)
{
    if (error.sheets.empty())
        return qtText(texts::kFileEmpty).arg(name);
    QStringList sheets;
    for (const std::string& sheet : error.sheets)
        sheets << qtText(texts::kQuotedSheet).arg(QString::fromStdString(sheet));
    return qtText(error.sheets.size() == 1 ? texts::kFileEmptySheet : texts::kFileEmptySheets)
        .arg(name, sheets.join(QStringLiteral(", ")));
}

QString sizeMessage(const FileError& error, const QString& name)
{
    const QString count = error.count > kMostCountedEquations
        ? qtText(texts::kMoreEquations).arg(kMostCountedEquations)
        : qtText(texts::kEquations, error.count);
    return error.sheet.empty()
        ? qtText(texts::kFileSizeOutOfRange).arg(name, count)
        : qtText(texts::kSheetSizeOutOfRange).arg(name, QString::fromStdString(error.sheet), count);
}

QString raggedMessage(const FileError& error, const QString& name)
{
    FileError row = error;
    row.number = 0;
    QString message
        = qtText(texts::kFileRagged)
              .arg(name, placeOf(row),
                  qtText(error.sheet.empty() ? texts::kFields : texts::kSheetCells, error.count),
                  QString::number(error.expected));
    if (!error.text.empty()) {
        message += qtText(texts::kFileRaggedByText)
                       .arg(quotedForMessage(QString::fromStdString(error.text)), cellOf(error));
    } else if (error.otherNumber > 0) {
        FileError extra = error;
        extra.number = error.otherNumber;
        message += qtText(texts::kFileRaggedExtra)
                       .arg(cellOf(extra), quotedForMessage(QString::fromStdString(error.otherText)));
    }
    return message;
}

QString severalSystemsMessage(const FileError& error, const QString& name)
{
    if (error.sheet.empty()) {
        FileError first = error;
        FileError second = error;
        second.line = error.otherLine;
        return qtText(texts::kFileSeveralSystems, error.count).arg(name, placeOf(first), placeOf(second));
    }
    return qtText(texts::kSheetSeveralSystems, error.count)
        .arg(name, QString::fromStdString(error.sheet), QString::number(error.line),
            QString::number(error.otherLine));
}

} // namespace

QString fileErrorMessage(const FileError& error, const QString& path, const NumberLocale& locale)
{
    const QString name = QDir::toNativeSeparators(path);
    if (const texts::Text* text = textFor(error.problem, kNamedOnly))
        return qtText(*text).arg(name);
    if (const texts::Text* text = textFor(error.problem, kCellHolds))
        return qtText(*text).arg(name, placeOf(error), quotedForMessage(QString::fromStdString(error.text)));
    switch (error.problem) {
    case FileProblem::CannotRead:
        return qtText(texts::kFileCannotRead).arg(name, systemErrorText(error));
    case FileProblem::CannotWrite:
        return qtText(texts::kFileCannotWrite).arg(name, systemErrorText(error));
    case FileProblem::TooLarge:
        return qtText(texts::kFileTooLarge).arg(name, QString::number(error.count));
    case FileProblem::TooManyLines:
        return qtText(texts::kFileTooManyLines).arg(name, QString::number(error.count));
    case FileProblem::NotUtf8:
        return qtText(texts::kFileNotUtf8).arg(name, QString::number(error.line));
    case FileProblem::Empty:
        return emptyMessage(error, name);
    case FileProblem::SizeOutOfRange:
        return sizeMessage(error, name);
    case FileProblem::Ragged:
        return raggedMessage(error, name);
    case FileProblem::SeveralSystems:
        return severalSystemsMessage(error, name);
    case FileProblem::EmptyCell:
        return qtText(texts::kFileEmptyCell).arg(name, placeOf(error));
    case FileProblem::OutOfRange:
        return qtText(texts::kFileOutOfRange)
            .arg(name, placeOf(error), quotedForMessage(QString::fromStdString(error.text)),
                largestSingleText(locale));
    case FileProblem::MixedDecimalMarks: {
        FileError other = error;
        other.line = error.otherLine;
        other.number = error.otherNumber;
        return qtText(texts::kFileMixedDecimalMarks)
            .arg(name, placeOf(error), quotedForMessage(QString::fromStdString(error.text)), placeOf(other),
                quotedForMessage(QString::fromStdString(error.otherText)));
    }
    case FileProblem::FormulaWithoutValue:
        return qtText(texts::kFileFormulaWithoutValue).arg(name, placeOf(error));
    case FileProblem::NoSuchSheet: {
        QStringList sheets;
        for (const std::string& sheet : error.sheets)
            sheets << qtText(texts::kQuotedSheet).arg(QString::fromStdString(sheet));
        return qtText(texts::kFileNoSuchSheet)
            .arg(name, QString::fromStdString(error.text), sheets.join(QStringLiteral(", ")));
    }
    case FileProblem::MissingLibrary:
        return qtText(texts::kFileMissingLibrary)
            .arg(name, QString::fromStdString(error.text),
                QString::fromStdString(debianPackageOf(error.text)));
    default: // None, and those of the tables above
        return {};
    }
}

} // namespace cramer
