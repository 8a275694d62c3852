// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_window.h"

#include "window/texts.h"
#include "window/working_window.h"

#include <QAction>
#include <QMenu>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>

#include <functional>

namespace cramer {

using texts::qtText;

MainWindow::MainWindow(MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(qtText(texts::kWindowCaption));
    form_ = new Form1(boxes_, this);
    setCentralWidget(form_);

    createActions();
    createMenus();
    // The form keeps its size; the window is the form and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(form_, &Form1::lastSolveChanged, this, &MainWindow::takeLastSolve);
    connect(form_, &Form1::lastSolveOutdated, this, &MainWindow::markOutdated);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateActions);
    updateActions();
}

void MainWindow::createActions()
{
    // Nothing starts while a command of the form waits for its message box.
    auto action = [this](const char* text, const QKeySequence& shortcut, std::function<void()> run) {
        auto* created = new QAction(qtText(text), this);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, [this, run = std::move(run)] {
            if (!form_->isBusy())
                run();
        });
        addAction(created); // the shortcut works wherever the focus is in the window
        return created;
    };
    actions_.quit = action(texts::kQuit, QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    actions_.quit->setMenuRole(QAction::QuitRole);
    actions_.paste = action(texts::kPaste, QKeySequence::Paste, [this] { form_->pasteAtCurrentCell(); });
    actions_.copySolution = action(
        texts::kCopySolution, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copySolution(); });
    actions_.copySolutionAsLatex = action(texts::kCopySolutionAsLatex, QKeySequence(), [this] { copySolutionAsLatex(); });
    actions_.showWorking = action(texts::kShowWorking, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { showWorking(); });
    actions_.about = action(texts::kAbout, QKeySequence(), [this] { showAbout(); });
    actions_.about->setMenuRole(QAction::AboutRole);

    form_->setGridMenuActions({ actions_.copySolution, actions_.copySolutionAsLatex, actions_.showWorking });
}

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(qtText(texts::kFileMenu));
    file->addAction(actions_.quit);
    QMenu* edit = bar->addMenu(qtText(texts::kEditMenu));
    edit->addAction(actions_.paste);
    edit->addSeparator();
    edit->addAction(actions_.copySolution);
    edit->addAction(actions_.copySolutionAsLatex);
    QMenu* solution = bar->addMenu(qtText(texts::kSolutionMenu));
    solution->addAction(actions_.showWorking);
    QMenu* help = bar->addMenu(qtText(texts::kHelpMenu));
    help->addAction(actions_.about);
}

void MainWindow::updateActions()
{
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    actions_.paste->setEnabled(clipboard && clipboard->hasText());
    const bool results = worked_ && worked_->hasResults();
    actions_.copySolution->setEnabled(results);
    actions_.copySolutionAsLatex->setEnabled(results);
    actions_.showWorking->setEnabled(worked_.has_value());
}

void MainWindow::takeLastSolve()
{
    if (const SolveRecord* record = form_->lastSolve()) {
        worked_.emplace(*record);
        if (working_)
            working_->showSolution(*worked_);
    } else {
        worked_.reset();
    }
    updateActions();
}

void MainWindow::markOutdated()
{
    if (!worked_)
        return;
    worked_->outdated = true;
    if (working_)
        working_->showSolution(*worked_);
}

void MainWindow::copySolution() const
{
    if (!worked_ || !worked_->hasResults())
        return;
    auto* data = new QMimeData;
    data->setText(solutionAsPlainText(*worked_));
    data->setHtml(solutionAsHtml(*worked_));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainWindow::copySolutionAsLatex() const
{
    if (worked_ && worked_->hasResults())
        QGuiApplication::clipboard()->setText(solutionAsLatex(*worked_));
}

void MainWindow::showWorking()
{
    if (!worked_)
        return;
    if (!working_) {
        working_ = new WorkingWindow(boxes_, this);
        working_->showSolution(*worked_);
    }
    working_->show();
    working_->raise();
    working_->activateWindow();
}

void MainWindow::showAbout()
{
    boxes_.inform(this, qtText(texts::kAboutTitle), qtText(texts::kAboutText).arg(QCoreApplication::applicationVersion()));
}

} // namespace cramer
