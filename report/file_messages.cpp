// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/file_messages.h"

#include "report/quoted_text.h"
#include "report/texts.h"
#include "solver/missing_library.h"

#include "report/solve_messages.h"

#include <QDir>

#include <cerrno>
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
constexpr std::pair<int, const char*> kSystemErrors[] = {
    { ENOENT, "няма такъв файл или папка" },
    { EACCES, "нямате право на достъп" },
    { EPERM, "действието не е позволено" },
    { EROFS, "файловата система е само за четене" },
    { ENOSPC, "няма свободно място на диска" },
    { EDQUOT, "квотата ви на диска е изчерпана" },
    { EISDIR, "това е папка" },
    { ENOTDIR, "част от пътя не е папка" },
    { ENAMETOOLONG, "името е твърде дълго" },
    { ELOOP, "твърде много символни връзки" },
    { EIO, "входно-изходна грешка на устройството" },
    { EFBIG, "файлът е твърде голям" },
    { EBUSY, "устройството или файлът е зает" },
    { EPIPE, "програмата, която чете, е спряла" },
    { EMFILE, "отворени са твърде много файлове" },
    { ENXIO, "няма такова устройство или адрес" },
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
            return QString::fromUtf8(text);
    }
    return QString::fromLocal8Bit(error.text);
}

QString fileErrorMessage(const FileError& error, const QString& path, const NumberLocale& locale)
{
    const QString name = QDir::toNativeSeparators(path);
    const QString text = quotedForMessage(QString::fromStdString(error.text));
    switch (error.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::Missing:
        return qtText(texts::kFileMissing).arg(name);
    case FileProblem::NotAFile:
        return qtText(texts::kFileNotAFile).arg(name);
    case FileProblem::NoPermission:
        return qtText(texts::kFileNoPermission).arg(name);
    case FileProblem::CannotRead:
        return qtText(texts::kFileCannotRead).arg(name, systemErrorText(error));
    case FileProblem::TooLarge:
        return qtText(texts::kFileTooLarge).arg(name, QString::number(error.count));
    case FileProblem::NotUtf8:
        return qtText(texts::kFileNotUtf8).arg(name, QString::number(error.line));
    case FileProblem::TooManyLines:
        return qtText(texts::kFileTooManyLines).arg(name, QString::number(error.count));
    case FileProblem::Empty: {
        if (error.sheets.empty())
            return qtText(texts::kFileEmpty).arg(name);
        QStringList sheets;
        for (const std::string& sheet : error.sheets)
            sheets << qtText(texts::kQuotedSheet).arg(QString::fromStdString(sheet));
        return qtText(error.sheets.size() == 1 ? texts::kFileEmptySheet : texts::kFileEmptySheets)
            .arg(name, sheets.join(QStringLiteral(", ")));
    }
    case FileProblem::SizeOutOfRange: {
        const QString count = error.count > kMostCountedEquations
            ? qtText(texts::kMoreEquations).arg(kMostCountedEquations)
            : texts::counted(error.count, texts::kOneEquation, texts::kEquations);
        return error.sheet.empty()
            ? qtText(texts::kFileSizeOutOfRange).arg(name, count)
            : qtText(texts::kSheetSizeOutOfRange).arg(name, QString::fromStdString(error.sheet), count);
    }
    case FileProblem::Ragged: {
        FileError row = error;
        row.number = 0;
        QString message
            = qtText(texts::kFileRagged)
                  .arg(name, placeOf(row),
                      error.sheet.empty() ? texts::counted(error.count, texts::kOneField, texts::kFields)
                                          : texts::counted(error.count, texts::kOneCell, texts::kCells),
                      QString::number(error.expected));
        if (!error.text.empty())
            message += qtText(texts::kFileRaggedByText).arg(text, cellOf(error));
        return message;
    }
    case FileProblem::NotANumber:
        return qtText(texts::kFileNotANumber).arg(name, placeOf(error), text);
    case FileProblem::EmptyCell:
        return qtText(texts::kFileEmptyCell).arg(name, placeOf(error));
    case FileProblem::OutOfRange:
        return qtText(texts::kFileOutOfRange).arg(name, placeOf(error), text, largestSingleText(locale));
    case FileProblem::Ambiguous:
        return qtText(texts::kFileAmbiguous).arg(name, placeOf(error), text);
    case FileProblem::DamagedArchive:
        return qtText(texts::kFileDamagedArchive).arg(name);
    case FileProblem::NoSheet:
        return qtText(texts::kFileNoSheet).arg(name);
    case FileProblem::Encrypted:
        return qtText(texts::kFileEncrypted).arg(name);
    case FileProblem::EncryptedOrBinary:
        return qtText(texts::kFileEncryptedOrBinary).arg(name);
    case FileProblem::ArchiveOutOfProportion:
        return qtText(texts::kFileOutOfProportion).arg(name);
    case FileProblem::FormulaWithoutValue:
        return qtText(texts::kFileFormulaWithoutValue).arg(name, placeOf(error));
    case FileProblem::DateCell:
        return qtText(texts::kFileDateCell).arg(name, placeOf(error), text);
    case FileProblem::TimeCell:
        return qtText(texts::kFileTimeCell).arg(name, placeOf(error), text);
    case FileProblem::BooleanCell:
        return qtText(texts::kFileBooleanCell).arg(name, placeOf(error), text);
    case FileProblem::ErrorCell:
        return qtText(texts::kFileErrorCell).arg(name, placeOf(error), text);
    case FileProblem::MissingLibrary:
        return qtText(texts::kFileMissingLibrary)
            .arg(name, QString::fromStdString(error.text),
                QString::fromStdString(debianPackageOf(error.text)));
    case FileProblem::CannotWrite:
        return qtText(texts::kFileCannotWrite).arg(name, systemErrorText(error));
    }
    return {};
}

} // namespace cramer
