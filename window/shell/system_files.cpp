// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/system_files.h"

#include "report/file_texts.h"
#include "report/quoted_text.h"
#include "report/solve_messages.h"
#include "report/texts.h"
#include "report/worked_solution.h"
#include "sheets/file_name.h"
#include "sheets/spreadsheet_file.h"
#include "window/form/form1.h"
#include "window/form/user_locale.h"
#include "window/shell/command_gate.h"
#include "window/shell/user_files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace cramer {
namespace {

using texts::qtText;

const QString kRecentKey = QStringLiteral("files/recent");

} // namespace

SystemFiles::SystemFiles(Form1& form, MessageBoxes& boxes, CommandGate& gate, QWidget* window)
    : QObject(window)
    , form_(form)
    , boxes_(boxes)
    , gate_(gate)
    , window_(window)
{
    open_ = gate.add(this, texts::kOpenCommand, QKeySequence::Open, [this] { openWithDialog(); });
    save_ = gate.add(this, texts::kSaveCommand, QKeySequence::Save, [this] { save(); });
    saveAs_ = gate.add(this, texts::kSaveAsCommand, QKeySequence::SaveAs, [this] { saveWithDialog(); });
    recent_ = new QMenu(qtText(texts::kRecentMenu), window_);
    fillRecentMenu();
    sheets_ = new QMenu(qtText(texts::kSheetMenu), window_);
    sheets_->setEnabled(false);
    connect(&form_, &Form1::gridReset, this, &SystemFiles::updateActions);
    connect(&form_, &Form1::cellEdited, this, &SystemFiles::updateActions);
    updateActions();
}

// Nothing starts while a command of the form waits for its message box.
bool SystemFiles::refused() const { return form_.isBusy(); }

bool SystemFiles::open(const QString& path, const QString& sheet)
{
    const ReadSystem read = readAnySystemFile(localFile(path), userNumberLocale(), sheet.toStdString());
    if (read.error) {
        boxes_.inform(window_, qtText(texts::kOpenTitle),
            fileErrorMessage(read.error, path, userNumberLocale()) + QLatin1Char('\n')
                + qtText(texts::kFileUnchanged));
        return false;
    }
    if (!maybeSave(holdsUnsavedNumbers()))
        return false;
    form_.enterSystem(*read.system);
    inFile_ = form_.typedSystem();
    sheetNote_ = cramer::sheetNote(read);
    sheetRead_ = !read.shownSheet.empty() || read.systemSheets.size() > 1 ? QString::fromStdString(read.sheet)
                                                                          : QString();
    fillSheetMenu(path, read);
    const QFileInfo opened(path);
    remember(opened.absoluteFilePath());
    // Save writes only the program's own CSV: anything else gets a CSV of
    // its own beside it, chosen in the dialog.
    if (read.form == FileForm::ProgramCsv)
        setTarget(opened.absoluteFilePath(), {});
    else
        setTarget({}, opened.dir().filePath(opened.completeBaseName() + QStringLiteral(".csv")));
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
    if (const FileError error = writeFileAtomically(localFile(path), systemAsCsv(system, locale))) {
        boxes_.inform(window_, qtText(texts::kSaveTitle), fileErrorMessage(error, path, locale));
        return false;
    }
    setTarget(QFileInfo(path).absoluteFilePath(), {});
    inFile_ = system;
    remember(current_);
    return true;
}

bool SystemFiles::holdsUnsavedNumbers() const
{
    const TypedSystem system = form_.typedSystem();
    const bool typed = std::any_of(system.texts.begin(), system.texts.end(),
        [](const std::string& text) { return !trimmed(text).empty(); });
    return typed && system != inFile_;
}

void SystemFiles::relink(const QString& file, const std::optional<TypedSystem>& inFile)
{
    inFile_ = inFile;
    sheetRead_.clear();
    sheetNote_.clear();
    setTarget(file, {});
    updateActions();
}

bool SystemFiles::changedSinceFile() const { return inFile_ && form_.typedSystem() != *inFile_; }

bool SystemFiles::maybeSave(bool unsaved)
{
    if (!unsaved)
        return true;
    switch (gate_.formBoxes().askToSave(window_, qtText(texts::kSaveTitle), qtText(texts::kUnsavedSystem))) {
    case MessageBoxes::SaveAnswer::Save:
        return save();
    case MessageBoxes::SaveAnswer::Discard:
        return true;
    case MessageBoxes::SaveAnswer::Cancel:
        return false;
    }
    return false;
}

void SystemFiles::setTarget(const QString& current, const QString& proposed)
{
    current_ = current;
    proposed_ = proposed;
    emit saveTargetChanged(saveTarget());
}

QString SystemFiles::saveTarget() const { return current_.isEmpty() ? proposed_ : current_; }

void SystemFiles::openWithDialog()
{
    const QString folder = saveTarget().isEmpty() ? QDir::homePath() : QFileInfo(saveTarget()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        window_, qtText(texts::kOpenTitle), folder, qtText(texts::kSystemFileFilters));
    if (!path.isEmpty())
        open(path);
}

bool SystemFiles::save() { return current_.isEmpty() ? saveWithDialog() : saveTo(current_); }

bool SystemFiles::saveWithDialog()
{
    const QString suggested
        = saveTarget().isEmpty() ? QDir::home().filePath(qtText(texts::kNewSystemFileName)) : saveTarget();
    const auto chosen = askFileToSave(
        window_, boxes_, qtText(texts::kSaveTitle), suggested, { qtText(texts::kSavedSystemFileFilter) });
    return chosen && saveTo(chosen->path);
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
        QAction* entry = recent_->addAction(
            QStringLiteral("&%1 %2").arg(QString::number(i + 1), QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!refused())
                open(path);
        });
    }
    recent_->setEnabled(!recent.isEmpty());
}

void SystemFiles::fillSheetMenu(const QString& path, const ReadSystem& read)
{
    sheets_->clear();
    if (read.systemSheets.size() > 1) {
        for (const std::string& name : read.systemSheets) {
            const QString sheet = QString::fromStdString(name);
            QAction* entry = sheets_->addAction(sheet);
            entry->setCheckable(true);
            entry->setChecked(name == read.sheet);
            connect(entry, &QAction::triggered, this, [this, path, sheet] {
                if (!refused())
                    open(path, sheet);
            });
        }
    }
    sheets_->setEnabled(read.systemSheets.size() > 1);
}

void SystemFiles::updateActions()
{
    const bool holds = form_.holdsSystem();
    gate_.setWanted(save_, holds);
    gate_.setWanted(saveAs_, holds);
}

} // namespace cramer
