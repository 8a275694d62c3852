// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_window.h"

#include "report/texts.h"
#include "window/exercises.h"
#include "window/form_area.h"
#include "window/help_window.h"
#include "window/system_files.h"
#include "window/working_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace cramer {

using texts::qtText;

MainWindow::MainWindow(MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(qtText(texts::kWindowCaption));
    form_ = new Form1(boxes_);
    area_ = new FormArea(form_, this);
    setCentralWidget(area_);

    files_ = new SystemFiles(*form_, boxes_, this);
    exercises_ = new Exercises(*form_, this);
    createActions();
    createMenus();
    resize(windowSizeAt(form_->zoom()));
    // A file dropped anywhere opens, on a cell too (which would take its name as text).
    setAcceptDrops(true);
    for (GridCell* cell : form_->findChildren<GridCell*>())
        cell->installEventFilter(this);
    connect(area_, &FormArea::resized, this, &MainWindow::areaResized);

    connect(form_, &Form1::solveFinished, this, &MainWindow::takeSolve);
    connect(form_, &Form1::gridReset, this, [this] {
        worked_.reset();
        updateActions();
    });
    connect(form_, &Form1::cellEdited, this, &MainWindow::markOutdated);
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
    actions_.paste = action(texts::kPaste, QKeySequence::Paste, [this] { pasteAtCurrentCell(); });
    actions_.copySolution = action(
        texts::kCopySolution, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copySolution(); });
    actions_.copySolutionAsLatex
        = action(texts::kCopySolutionAsLatex, QKeySequence(), [this] { copySolutionAsLatex(); });
    actions_.showWorking
        = action(texts::kShowWorking, QKeySequence(Qt::CTRL | Qt::Key_D), [this] { showWorking(); });
    actions_.about = action(texts::kAbout, QKeySequence(), [this] { showAbout(); });
    actions_.about->setMenuRole(QAction::AboutRole);
    actions_.guide = action(texts::kGuide, QKeySequence::HelpContents, [this] { showGuide(); });
    actions_.zoomIn = action(texts::kZoomIn, QKeySequence::ZoomIn, [this] { zoomStep(+1); });
    actions_.zoomIn->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    actions_.zoomOut = action(texts::kZoomOut, QKeySequence::ZoomOut, [this] { zoomStep(-1); });
    actions_.zoomNormal
        = action(texts::kZoomNormal, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomByHand(1.0); });

    form_->setGridMenuActions({ actions_.copySolution, actions_.copySolutionAsLatex, actions_.showWorking });
}

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(qtText(texts::kFileMenu));
    file->addAction(files_->openAction());
    file->addMenu(files_->recentMenu());
    file->addAction(files_->saveAction());
    file->addAction(files_->saveAsAction());
    file->addSeparator();
    file->addAction(actions_.quit);
    QMenu* edit = bar->addMenu(qtText(texts::kEditMenu));
    edit->addAction(actions_.paste);
    edit->addSeparator();
    edit->addAction(actions_.copySolution);
    edit->addAction(actions_.copySolutionAsLatex);
    QMenu* view = bar->addMenu(qtText(texts::kViewMenu));
    view->addAction(actions_.zoomIn);
    view->addAction(actions_.zoomOut);
    view->addAction(actions_.zoomNormal);
    QMenu* solution = bar->addMenu(qtText(texts::kSolutionMenu));
    solution->addAction(exercises_->newExerciseAction());
    solution->addAction(exercises_->newFractionExerciseAction());
    solution->addSeparator();
    solution->addAction(actions_.showWorking);
    QMenu* help = bar->addMenu(qtText(texts::kHelpMenu));
    help->addAction(actions_.guide);
    help->addAction(actions_.about);
}

void MainWindow::pasteAtCurrentCell()
{
    const QWidget* focused = QApplication::focusWidget();
    for (int row = 1; row <= tables::kGridRows; ++row) {
        for (int column = 1; column <= tables::kGridColumns; ++column) {
            if (form_->cell(row, column) == focused) {
                form_->pasteIntoGrid(row, column);
                return;
            }
        }
    }
    form_->pasteIntoGrid(1, 1);
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

void MainWindow::takeSolve(const SolveRecord& record)
{
    worked_.emplace(record);
    if (working_)
        working_->showSolution(*worked_);
    updateActions();
}

void MainWindow::markOutdated(int row, int column)
{
    const int n = worked_ ? worked_->record.n : 0;
    if (!worked_ || worked_->outdated || row > n || column > n + 1)
        return;
    worked_->outdated = true;
    if (working_)
        working_->showSolution(*worked_);
}

QSize MainWindow::windowSizeAt(double zoom) const
{
    return tables::formSizeAt(zoom) + QSize(0, menuBar()->sizeHint().height());
}

void MainWindow::applyZoom(double factor)
{
    form_->setZoom(factor);
    boxes_.setZoom(form_->zoom());
    if (working_)
        working_->setZoom(form_->zoom());
    if (help_)
        help_->setZoom(form_->zoom());
    area_->update();
}

void MainWindow::zoomStep(int direction)
{
    // The next step up or down from the zoom now, which a resize may have
    // left between two steps; the ends stay where they are.
    const double current = form_->zoom();
    double next = direction > 0 ? kZoomSteps.back() : kZoomSteps.front();
    for (double step : kZoomSteps) {
        if (direction > 0 && step > current + 1e-3) {
            next = step;
            break;
        }
        if (direction < 0 && step < current - 1e-3)
            next = step;
    }
    zoomByHand(next);
}

void MainWindow::zoomByHand(double factor)
{
    // A maximised window keeps its size and holds the form up to it; any
    // other is sized to the form, as far as the desktop lets it grow.
    const bool filling = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    applyZoom(filling ? std::min(factor, FormArea::fittingZoom(area_->size())) : factor);
    QSettings().setValue(QStringLiteral("view/zoom"), form_->zoom());
    if (!filling)
        resize(windowSizeAt(form_->zoom()));
}

void MainWindow::restoreZoom()
{
    const double saved = QSettings().value(QStringLiteral("view/zoom"), 1.0).toDouble();
    if (saved != form_->zoom()) {
        applyZoom(saved);
        resize(windowSizeAt(form_->zoom()));
    }
}

void MainWindow::fitInto(const QRect& available)
{
    const QSize room = available.size() - kFrameAllowance - QSize(0, menuBar()->sizeHint().height());
    const double fit = FormArea::fittingZoom(room);
    if (fit < form_->zoom())
        applyZoom(fit);
    resize(windowSizeAt(form_->zoom()));
}

void MainWindow::areaResized(QSize size)
{
    const double fit = FormArea::fittingZoom(size);
    const QSize form = tables::formSizeAt(form_->zoom());
    // A window a hair larger than the form keeps the zoom chosen by hand.
    if (form.width() <= size.width() && form.height() <= size.height() && fit < form_->zoom() + 0.02)
        return;
    applyZoom(fit);
}

namespace {

// The first local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty() && !form_->isBusy())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || form_->isBusy())
        return;
    event->acceptProposedAction();
    files_->open(path);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove
        || event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!droppedFile(drop->mimeData()).isEmpty()) {
            if (event->type() == QEvent::Drop)
                dropEvent(drop);
            else
                drop->acceptProposedAction();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
        working_->setZoom(form_->zoom());
        working_->showSolution(*worked_);
    }
    working_->show();
    working_->raise();
    working_->activateWindow();
}

void MainWindow::showGuide()
{
    if (!help_) {
        help_ = new HelpWindow(this);
        help_->setZoom(form_->zoom());
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::showAbout()
{
    boxes_.inform(this, qtText(texts::kAboutTitle),
        qtText(texts::kAboutText).arg(QCoreApplication::applicationVersion()));
}

} // namespace cramer
