// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/main_window.h"

#include "report/file_texts.h"
#include "report/texts.h"
#include "window/form/message_boxes.h"
#include "window/form/user_locale.h"
#include "window/shell/colour_choice.h"
#include "window/shell/language_choice.h"
#include "window/shell/command_gate.h"
#include "window/shell/exercises.h"
#include "window/shell/form_area.h"
#include "window/shell/form_input.h"
#include "window/shell/grid_history.h"
#include "window/shell/help_window.h"
#include "window/shell/kept_grid.h"
#include "window/shell/practice.h"
#include "window/shell/solution_actions.h"
#include "window/shell/system_files.h"
#include "window/shell/worksheet_dialog.h"
#include "window/shell/zoom_controller.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

namespace cramer {

using texts::qtText;

MainWindow::MainWindow(MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(qtText(texts::kWindowCaption));
    gate_ = new CommandGate(boxes_, this);
    form_ = new Form1(gate_->formBoxes());
    area_ = new FormArea(form_, this);
    setCentralWidget(area_);

    files_ = new SystemFiles(*form_, boxes_, *gate_, this);
    connect(files_, &SystemFiles::saveTargetChanged, this, [this](const QString& path) {
        QString file = QFileInfo(path).fileName();
        if (!files_->sheetRead().isEmpty())
            file = qtText(texts::kTitleWithSheet).arg(file, files_->sheetRead());
        setWindowTitle(path.isEmpty()
                ? qtText(texts::kWindowCaption)
                : qtText(texts::kTitleWithFile).arg(file, qtText(texts::kWindowCaption)));
        sheetNote_ = files_->sheetNote();
        showStatus();
    });
    exercises_ = new Exercises(*form_, *gate_, this);
    history_ = new GridHistory(*form_, *gate_, this);
    zoom_ = new ZoomController(*this, *form_, *area_, boxes_, *gate_);
    colours_ = new ColourChoice(*form_, *area_, *gate_, this);
    language_ = new LanguageChoice(*this, boxes_, *gate_, this);
    solution_ = new SolutionActions(*form_, boxes_, *gate_, *zoom_, this);
    practice_ = new Practice(*form_, boxes_, *gate_, *exercises_, this);
    connect(solution_, &SolutionActions::reliabilityWarningChanged, this, [this](const QString& warning) {
        warning_ = warning;
        showStatus();
    });
    createActions();
    createMenus();
    offerKeptGrid();
    resize(zoom_->windowSizeAt(form_->zoom()));
    auto* drops = new FileDrops(*form_, this);
    connect(drops, &FileDrops::dropped, files_, [this](const QString& path) { files_->open(path); });
    // The clipboard is asked when it changes or the menu opens, not at start:
    // asking for its formats is a round trip to the program that owns it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updatePaste);
}

void MainWindow::createActions()
{
    actions_.quit = gate_->add(this, texts::kQuit, QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    actions_.quit->setMenuRole(QAction::QuitRole);
    actions_.paste = gate_->add(this, texts::kPaste, QKeySequence::Paste, [this] {
        if (clipboardHasText())
            pasteAtFocus(*form_);
        else
            updatePaste();
    });
    actions_.about = gate_->add(this, texts::kAbout, QKeySequence(), [this] { showAbout(); });
    actions_.about->setMenuRole(QAction::AboutRole);
    actions_.worksheet = gate_->add(this, texts::kWorksheetMenu, QKeySequence(), [this] { showWorksheet(); });
    actions_.guide = gate_->add(this, texts::kGuide, QKeySequence::HelpContents, [this] { showGuide(); });
    actions_.copySolution = solution_->copyAction();
    actions_.copySolutionAsLatex = solution_->copyAsLatexAction();
    actions_.showWorking = solution_->showWorkingAction();
    actions_.zoomIn = zoom_->zoomInAction();
    actions_.zoomOut = zoom_->zoomOutAction();
    actions_.zoomNormal = zoom_->zoomNormalAction();

    form_->setGridMenuActions({ actions_.copySolution, actions_.copySolutionAsLatex, actions_.showWorking });
}

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(qtText(texts::kFileMenu));
    file->addAction(files_->openAction());
    file->addMenu(files_->recentMenu());
    file->addMenu(files_->sheetMenu());
    file->addAction(files_->saveAction());
    file->addAction(files_->saveAsAction());
    file->addSeparator();
    file->addAction(actions_.worksheet);
    file->addAction(practice_->exportAction());
    file->addAction(practice_->classOverviewAction());
    file->addSeparator();
    file->addAction(actions_.quit);
    QMenu* edit = bar->addMenu(qtText(texts::kEditMenu));
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updatePaste);
    edit->addAction(history_->undoAction());
    edit->addAction(history_->redoAction());
    edit->addSeparator();
    edit->addAction(actions_.paste);
    edit->addSeparator();
    edit->addAction(actions_.copySolution);
    edit->addAction(actions_.copySolutionAsLatex);
    QMenu* view = bar->addMenu(qtText(texts::kViewMenu));
    view->addAction(actions_.zoomIn);
    view->addAction(actions_.zoomOut);
    view->addAction(actions_.zoomNormal);
    view->addSeparator();
    view->addAction(colours_->contrastAction());
    view->addSeparator();
    view->addMenu(language_->menu());
    QMenu* solution = bar->addMenu(qtText(texts::kSolutionMenu));
    solution->addAction(exercises_->newExerciseAction());
    solution->addAction(exercises_->newFractionExerciseAction());
    solution->addSeparator();
    solution->addAction(practice_->startAction());
    solution->addAction(practice_->progressAction());
    solution->addAction(actions_.showWorking);
    solution->addAction(solution_->readResultsAction());
    QMenu* help = bar->addMenu(qtText(texts::kHelpMenu));
    help->addAction(actions_.guide);
    help->addAction(actions_.about);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const GridState grid = GridHistory::stateOf(*form_);
    const bool kept = !holdsTyping(grid)
        || keepGrid({ grid, files_->currentFile(), files_->systemInFile() });
    if (!kept && !files_->maybeSave(files_->holdsUnsavedNumbers()))
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

void MainWindow::offerKeptGrid()
{
    const std::optional<KeptGrid> kept = keptGrid();
    if (!kept || !holdsTyping(kept->state) || kept->state == GridHistory::stateOf(*form_))
        return;
    history_->offer(kept->state, [this, file = kept->file, inFile = kept->inFile] {
        files_->relink(file, inFile);
    });
    keptNote_ = qtText(texts::kKeptGridNote);
    auto said = [this] {
        if (keptNote_.isEmpty())
            return;
        keptNote_.clear();
        showStatus();
    };
    connect(form_, &Form1::cellEdited, this, said);
    connect(form_, &Form1::gridReplaced, this, said);
    showStatus();
}

bool MainWindow::clipboardHasText()
{
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    return clipboard && clipboard->hasText();
}

// The status bar is there only while it has something to say, so that the
// form keeps its size otherwise; the window grows by it rather than the
// form shrinking.
void MainWindow::showStatus()
{
    QStringList lines;
    for (const QString& line : { keptNote_, sheetNote_, warning_ })
        if (!line.isEmpty())
            lines << line;
    const QString warning = lines.join(QLatin1Char(' '));
    if (warning.isEmpty() && !status_)
        return;
    if (!status_) {
        status_ = new QStatusBar(this);
        status_->setObjectName(QStringLiteral("warningBar"));
        status_->setSizeGripEnabled(false);
        // At the form's zoom, so that the line fits the window as the form does.
        status_->setFont(zoomedDesktopFont(zoom_->factor()));
        connect(zoom_, &ZoomController::zoomChanged, status_,
            [this](double factor) { status_->setFont(zoomedDesktopFont(factor)); });
        setStatusBar(status_);
        status_->hide();
    }
    status_->showMessage(warning);
    status_->setAccessibleDescription(warning);
    const bool show = !warning.isEmpty();
    if (show == !status_->isHidden())
        return;
    const int height = status_->sizeHint().height();
    status_->setVisible(show);
    if (!isMaximized() && !isFullScreen())
        resize(width(), this->height() + (show ? height : -height));
}

void MainWindow::updatePaste() { gate_->setWanted(actions_.paste, clipboardHasText()); }

void MainWindow::showGuide()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setZoom(zoom_->factor());
        connect(zoom_, &ZoomController::zoomChanged, help_, &HelpWindow::setZoom);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::showWorksheet()
{
    if (!worksheet_)
        worksheet_ = new WorksheetDialog(boxes_, userNumberLocale(), this);
    worksheet_->show();
    worksheet_->raise();
    worksheet_->activateWindow();
}

void MainWindow::showAbout()
{
    boxes_.inform(this, qtText(texts::kAboutTitle),
        qtText(texts::kAboutText).arg(QCoreApplication::applicationVersion()));
}

} // namespace cramer
