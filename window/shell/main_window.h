// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's main window: the title, the menu bar and the capabilities
// around the form, each in a class of its own (files, exercises, the zoom,
// the worked solution), their commands opened and closed by one gate. Form1
// below the menu bar stays the form it always was.

#include "window/form/form1.h"
#include "window/form/message_boxes.h"

#include <QMainWindow>

class QAction;

class QStatusBar;

namespace cramer {

class ColourChoice;
class LanguageChoice;
class CommandGate;
class Exercises;
class FormArea;
class GridHistory;
class HelpWindow;
class WorksheetDialog;
class Practice;
class SolutionActions;
class SystemFiles;
class ZoomController;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `boxes` must outlive the window.
    explicit MainWindow(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The commands of the menus, by name.
    struct Actions {
        QAction* quit = nullptr;
        QAction* paste = nullptr;
        QAction* copySolution = nullptr;
        QAction* copySolutionAsLatex = nullptr;
        QAction* showWorking = nullptr;
        QAction* about = nullptr;
        QAction* guide = nullptr;
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* zoomNormal = nullptr;
        QAction* worksheet = nullptr;
    };

    Form1* form() const { return form_; }
    const Actions& actions() const { return actions_; }
    SystemFiles& files() const { return *files_; }
    Exercises& exercises() const { return *exercises_; }
    ZoomController& zoom() const { return *zoom_; }
    SolutionActions& solution() const { return *solution_; }
    Practice& practice() const { return *practice_; }
    GridHistory& history() const { return *history_; }
    ColourChoice& colours() const { return *colours_; }
    LanguageChoice& language() const { return *language_; }

    void showAbout();
    void showGuide();
    HelpWindow* helpWindow() const { return help_; }
    void showWorksheet();
    WorksheetDialog* worksheetDialog() const { return worksheet_; }

protected:
    // Never asks: the grid is kept for the next start, one Undo away. Only
    // where it cannot be kept is a file's changed system asked about.
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    static bool clipboardHasText();
    void updatePaste();
    // The sheet read, the grid kept at the last closing and the warning on
    // single precision, in the status bar.
    void showStatus();
    // The grid the window last closed with, one Undo away.
    void offerKeptGrid();

    MessageBoxes& boxes_;
    Form1* form_ = nullptr;
    FormArea* area_ = nullptr;
    CommandGate* gate_ = nullptr;
    SystemFiles* files_ = nullptr;
    Exercises* exercises_ = nullptr;
    GridHistory* history_ = nullptr;
    ZoomController* zoom_ = nullptr;
    ColourChoice* colours_ = nullptr;
    LanguageChoice* language_ = nullptr;
    SolutionActions* solution_ = nullptr;
    Practice* practice_ = nullptr;
    Actions actions_;
    HelpWindow* help_ = nullptr;
    WorksheetDialog* worksheet_ = nullptr;
    QStatusBar* status_ = nullptr;
    QString warning_;
    QString sheetNote_;
    QString keptNote_; // until the grid first changes
};

} // namespace cramer
