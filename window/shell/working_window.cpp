// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/working_window.h"

#include "report/figure_paint.h"
#include "report/file_messages.h"
#include "report/texts.h"
#include "report/working_export.h"
#include "report/working_forms.h"
#include "report/working_typeset.h"
#include "window/shell/printing.h"
#include "window/shell/user_files.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace cramer {

using texts::qtText;

WorkingWindow::WorkingWindow(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("WorkingWindow"));
    setWindowTitle(qtText(texts::kWorkingTitle));
    resize(720, 640);

    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("workingView"));
    view_->setAccessibleName(qtText(texts::kWorkingTitle));
    view_->setOpenLinks(false);
    // Keyboard users select and copy as readers of a page do.
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* buttons = new QDialogButtonBox(this);
    auto addButton = [&](texts::Text caption, const char* name, auto run) {
        QPushButton* button = buttons->addButton(qtText(caption), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, run);
    };
    addButton(texts::kWorkingCopy, "copyWorking", [this] { copyAll(); });
    addButton(texts::kWorkingSave, "saveWorking", [this] { save(); });
    addButton(texts::kWorkingPrint, "printWorking", [this] { print(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
}

void WorkingWindow::showSolution(const WorkedSolution& solution)
{
    document_ = workingDocument(solution);
    typesetWorking(document_, *view_->document());
    followScheme();
    view_->moveCursor(QTextCursor::Start); // a new working is read from its top
}

void WorkingWindow::followScheme()
{
    FigureObjects::setDark(view_->document(), view_->palette().color(QPalette::Base).lightness() < 128);
    view_->viewport()->update();
}

void WorkingWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        followScheme();
    QWidget::changeEvent(event);
}

void WorkingWindow::setZoom(double factor) { view_->setFont(zoomedDesktopFont(factor)); }

void WorkingWindow::copyAll() const
{
    copyTextAndHtml(workingAsPlainText(document_), workingAsHtml(document_));
}

void WorkingWindow::save()
{
    // In the order of the filters.
    constexpr WorkingFormat kFormats[] = { WorkingFormat::Html, WorkingFormat::Pdf };
    const auto chosen = askFileToSave(this, boxes_, qtText(texts::kWorkingSaveTitle),
        QDir::home().filePath(qtText(texts::kWorkingDefaultName)),
        qtText(texts::kWorkingFileFilters).split(QStringLiteral(";;")));
    if (chosen)
        saveTo(chosen->path, kFormats[chosen->type]);
}

bool WorkingWindow::saveTo(const QString& path, WorkingFormat format)
{
    const FileError error = writeWorking(document_, format, path);
    if (!error)
        return true;
    boxes_.inform(this, qtText(texts::kSaveFailedTitle),
        qtText(texts::kSaveFailed).arg(QDir::toNativeSeparators(path), systemErrorText(error)));
    return false;
}

void WorkingWindow::print()
{
    const QString error = printWithDialog(this, qtText(texts::kWorkingTitle),
        [this](QPagedPaintDevice& printer) { printWorking(document_, printer); });
    if (!error.isEmpty())
        boxes_.inform(this, qtText(texts::kPrintFailedTitle), qtText(texts::kPrintFailed).arg(error));
}

} // namespace cramer
