// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/system_files.h"

#include "sheets/spreadsheet_file.h"
#include "window/form1.h"
#include "window/quoted_text.h"
#include "window/solve_messages.h"
#include "window/texts.h"
#include "window/user_locale.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <limits>

namespace cramer {
namespace {

using texts::qtText;

const QString kRecentKey = QStringLiteral("files/recent");

} // namespace

namespace {

// "B3": a sheet's column as spreadsheets name it, then the row.
QString sheetCellName(int row, int column)
{
    QString letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(u'A' + (rest - 1) % 26));
    return letters + QString::number(row);
}

QString placeOf(const FileError& error)
{
    const QString sheet = QString::fromStdString(error.sheet);
    if (error.sheet.empty()) {
        return error.number == 0 ? qtText(texts::kFileLinePlace).arg(error.line)
                                 : qtText(texts::kFileCellPlace).arg(error.line).arg(error.number);
    }
    return error.number == 0
        ? qtText(texts::kSheetRowPlace).arg(sheet).arg(error.line)
        : qtText(texts::kSheetCellPlace).arg(sheet, sheetCellName(error.line, error.number));
}

} // namespace

QString fileErrorMessage(const FileError& error, const QString& path)
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
        return qtText(texts::kFileCannotRead).arg(name, text);
    case FileProblem::TooLarge:
        return qtText(texts::kFileTooLarge).arg(name).arg(error.count);
    case FileProblem::NotUtf8:
        return qtText(texts::kFileNotUtf8).arg(name).arg(error.line);
    case FileProblem::Empty:
        return qtText(texts::kFileEmpty).arg(name);
    case FileProblem::SizeOutOfRange:
        return qtText(texts::kFileSizeOutOfRange)
            .arg(name, texts::counted(error.count, texts::kOneEquation, texts::kEquations));
    case FileProblem::Ragged:
        return qtText(texts::kFileRagged)
            .arg(name, placeOf(error),
                error.sheet.empty() ? texts::counted(error.count, texts::kOneField, texts::kFields)
                                    : texts::counted(error.count, texts::kOneCell, texts::kCells),
                QString::number(error.expected));
    case FileProblem::NotANumber:
        return qtText(texts::kFileNotANumber).arg(name, placeOf(error), text);
    case FileProblem::EmptyCell:
        return qtText(texts::kFileEmptyCell).arg(name, placeOf(error));
    case FileProblem::OutOfRange:
        return qtText(texts::kFileOutOfRange)
            .arg(name, placeOf(error), text,
                QString::fromStdString(formatSingle(std::numeric_limits<float>::max(), kCLocale)));
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
    case FileProblem::CannotWrite:
        return qtText(texts::kFileCannotWrite).arg(name, text);
    }
    return {};
}

SystemFiles::SystemFiles(Form1& form, MessageBoxes& boxes, QWidget* window)
    : QObject(window)
    , form_(form)
    , boxes_(boxes)
    , window_(window)
{
    auto action = [this](const char* text, const QKeySequence& shortcut, void (SystemFiles::*run)()) {
        auto* created = new QAction(qtText(text), this);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, [this, run] {
            if (!refused())
                (this->*run)();
        });
        window_->addAction(created);
        return created;
    };
    open_ = action(texts::kOpenCommand, QKeySequence::Open, &SystemFiles::openWithDialog);
    save_ = action(texts::kSaveCommand, QKeySequence::Save, &SystemFiles::save);
    saveAs_ = action(texts::kSaveAsCommand, QKeySequence::SaveAs, &SystemFiles::saveWithDialog);
    recent_ = new QMenu(qtText(texts::kRecentMenu), window_);
    fillRecentMenu();
    connect(&form_, &Form1::gridReset, this, &SystemFiles::updateActions);
    connect(&form_, &Form1::cellEdited, this, &SystemFiles::updateActions);
    updateActions();
}

// Nothing starts while a command of the form waits for its message box.
bool SystemFiles::refused() const { return form_.isBusy(); }

bool SystemFiles::open(const QString& path)
{
    const ReadSystem read = readAnySystemFile(path.toStdString(), userNumberLocale());
    if (read.error) {
        boxes_.inform(window_, qtText(texts::kOpenTitle),
            fileErrorMessage(read.error, path) + QLatin1Char('\n') + qtText(texts::kFileUnchanged));
        return false;
    }
    form_.enterSystem(*read.system);
    current_ = QFileInfo(path).absoluteFilePath();
    remember(current_);
    updateActions();
    return true;
}

bool SystemFiles::saveTo(const QString& path)
{
    const NumberLocale locale = userNumberLocale();
    const TypedSystem system = form_.typedSystem();
    for (int row = 1; row <= system.n; ++row) {
        for (int column = 1; column <= system.n + 1; ++column) {
            const std::string& text = system.text(row, column);
            if (parseSingle(text, locale).ok())
                continue;
            const QString place = cellPlace(row, column, system.n);
            boxes_.inform(window_, qtText(texts::kSaveTitle),
                qtText(texts::kSaveNotANumber).arg(place, quotedForMessage(QString::fromStdString(text))));
            return false;
        }
    }
    if (const FileError error = writeFileAtomically(path.toStdString(), systemAsCsv(system, locale))) {
        boxes_.inform(window_, qtText(texts::kSaveTitle), fileErrorMessage(error, path));
        return false;
    }
    current_ = QFileInfo(path).absoluteFilePath();
    remember(current_);
    return true;
}

void SystemFiles::openWithDialog()
{
    const QString folder = current_.isEmpty() ? QDir::homePath() : QFileInfo(current_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        window_, qtText(texts::kOpenTitle), folder, qtText(texts::kSystemFileFilters));
    if (!path.isEmpty())
        open(path);
}

void SystemFiles::save()
{
    if (current_.isEmpty())
        saveWithDialog();
    else
        saveTo(current_);
}

void SystemFiles::saveWithDialog()
{
    const QString suggested
        = current_.isEmpty() ? QDir::home().filePath(qtText(texts::kNewSystemFileName)) : current_;
    const QString path = QFileDialog::getSaveFileName(
        window_, qtText(texts::kSaveTitle), suggested, qtText(texts::kSystemFileFilters));
    if (!path.isEmpty())
        saveTo(path);
}

QStringList SystemFiles::recentFiles() const { return QSettings().value(kRecentKey).toStringList(); }

void SystemFiles::remember(const QString& path)
{
    QStringList recent = recentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFiles)
        recent.removeLast();
    QSettings().setValue(kRecentKey, recent);
    fillRecentMenu();
}

void SystemFiles::fillRecentMenu()
{
    recent_->clear();
    const QStringList recent = recentFiles();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* entry
            = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!refused())
                open(path);
        });
    }
    recent_->setEnabled(!recent.isEmpty());
}

void SystemFiles::updateActions()
{
    const bool holds = form_.holdsSystem();
    save_->setEnabled(holds);
    saveAs_->setEnabled(holds);
}

} // namespace cramer
