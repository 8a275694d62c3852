// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Systems kept in files: "Отвори…", "Запази", "Запази като…" and the recent
// files of the File menu, and opening by drop or from the command line.

#include "report/file_messages.h"
#include "sheets/system_file.h"
#include "window/form/message_boxes.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace cramer {

class CommandGate;
class Form1;

class SystemFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 8;

    // `form` and `boxes` must outlive this; dialogs open over `window`.
    SystemFiles(Form1& form, MessageBoxes& boxes, CommandGate& gate, QWidget* window);

    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }
    QAction* saveAsAction() const { return saveAs_; }
    QMenu* recentMenu() const { return recent_; }
    // The sheets of the last workbook opened that hold a system, where it
    // has more than one: choosing one reads it.
    QMenu* sheetMenu() const { return sheets_; }

    // Reads `path` into the grid, or says what is wrong with it and leaves
    // the grid as it was. Numbers the grid holds that no file holds are
    // asked about first (maybeSave). `sheet` names a workbook's sheet.
    bool open(const QString& path, const QString& sheet = {});
    // Writes what the grid holds to `path`, or says why it cannot.
    bool saveTo(const QString& path);
    QStringList recentFiles() const;
    // The file the next Save writes: the program's own CSV that was opened
    // or saved, else the CSV proposed beside an opened file of another
    // kind (Save then asks first), else nothing.
    QString saveTarget() const;
    bool savesWithoutAsking() const { return !current_.isEmpty(); }
    // The workbook's sheet read, where that needs saying: it was not the
    // one shown, or others hold a system too.
    QString sheetRead() const { return sheetRead_; }
    // The same as a sentence for the status bar, where another sheet was shown.
    QString sheetNote() const { return sheetNote_; }

    // The grid holds numbers that are in no file: typed, or changed since
    // the file they came from was opened or saved.
    bool holdsUnsavedNumbers() const;
    // The grid came from a file, opened or saved, and was changed since.
    bool changedSinceFile() const;
    // Before the grid's numbers are lost: Save, Discard or Cancel, asked
    // where `unsaved` holds. Returns whether to go on (saved or discarded).
    bool maybeSave(bool unsaved);

    // The file the grid came from, as the window closed: the program's own
    // CSV, and its system as the file holds it (nothing where none).
    QString currentFile() const { return current_; }
    std::optional<TypedSystem> systemInFile() const { return inFile_; }
    // The grid kept at closing is back: Save writes `file` again, and what
    // changed since it is told as before.
    void relink(const QString& file, const std::optional<TypedSystem>& inFile);

signals:
    void saveTargetChanged(const QString& path);

private:
    void openWithDialog();
    bool save();
    bool saveWithDialog();
    void remember(const QString& path);
    void setTarget(const QString& current, const QString& proposed);
    void updateActions();
    void fillRecentMenu();
    void fillSheetMenu(const QString& path, const ReadSystem& read);
    bool refused() const;

    Form1& form_;
    MessageBoxes& boxes_;
    CommandGate& gate_;
    QWidget* window_;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* recent_ = nullptr;
    QMenu* sheets_ = nullptr;
    QString sheetRead_;
    QString sheetNote_;
    QString current_;
    QString proposed_;
    std::optional<TypedSystem> inFile_; // the system as the file opened or saved holds it
};

} // namespace cramer
