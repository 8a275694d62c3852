// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice_summary.h"

#include "report/figure.h"
#include "report/practice_texts.h"
#include "report/texts.h"
#include "report/working_forms.h"
#include "window/form/message_boxes.h"
#include "window/shell/practice_step_row.h"
#include "window/shell/user_files.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace cramer {
namespace {

using texts::qtText;

} // namespace

PracticeSummary::PracticeSummary(QWidget* page, QWidget* window, MessageBoxes& boxes)
    : QObject(window)
    , window_(window)
    , boxes_(boxes)
{
    label_ = practiceLabel(QString(), page);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label_->setObjectName(QStringLiteral("practiceSummary"));
    label_->hide();
    page->layout()->addWidget(label_);
}

void PracticeSummary::addButtons(QDialogButtonBox* buttons)
{
    auto addButton = [buttons](texts::Text text, const char* name) {
        QPushButton* button = buttons->addButton(qtText(text), QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setEnabled(false);
        return button;
    };
    copy_ = addButton(texts::kPracticeCopySummary, "copySummary");
    connect(copy_, &QPushButton::clicked, this, &PracticeSummary::copy);
    save_ = addButton(texts::kPracticeSaveSummary, "saveSummary");
    connect(save_, &QPushButton::clicked, this, &PracticeSummary::save);
}

QString PracticeSummary::text() const { return copy_->isEnabled() ? label_->text() : QString(); }

void PracticeSummary::show(
    const WorkedSolution& solution, const std::vector<PracticeOutcome>& outcomes, qint64 seconds)
{
    document_ = practiceSummary(solution, outcomes, seconds);
    QStringList lines;
    for (const Block& line : document_.sections.front().blocks)
        lines << labelText(line.runs);
    label_->setText(lines.join(QLatin1Char('\n')));
    label_->show();
    copy_->setEnabled(true);
    save_->setEnabled(true);
}

void PracticeSummary::copy() const { copyTextAndHtml(text(), workingAsHtml(document_)); }

void PracticeSummary::save()
{
    const auto chosen = askFileToSave(window_, boxes_, qtText(texts::kPracticeSaveTitle),
        QDir::home().filePath(qtText(texts::kPracticeDefaultName)),
        qtText(texts::kPracticeFileFilters).split(QStringLiteral(";;")));
    if (chosen)
        saveTo(chosen->path, chosen->type == 1 ? SummaryForm::Html : SummaryForm::Text);
}

bool PracticeSummary::saveTo(const QString& path, SummaryForm form)
{
    const QByteArray content
        = (form == SummaryForm::Html ? workingAsHtml(document_) : text() + QLatin1Char('\n')).toUtf8();
    return writeUserFile(window_, boxes_, path, content, texts::kSaveFailed);
}

} // namespace cramer
