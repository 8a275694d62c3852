// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice_step_row.h"

#include "report/figure.h"
#include "report/practice_texts.h"
#include "report/texts.h"
#include "window/shell/matrix_view.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>

namespace cramer {

using texts::qtText;

namespace {

// Enter on a choice checks it, as Enter in an answer field does.
class EnterFilter : public QObject {
public:
    EnterFilter(std::function<void()> onEnter, QObject* parent)
        : QObject(parent)
        , onEnter_(std::move(onEnter))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                onEnter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onEnter_;
};

QPushButton* stepButton(texts::Text caption, const QString& stepName, QWidget* page)
{
    auto* button = new QPushButton(qtText(caption), page);
    button->setAutoDefault(false);
    // By their step, for a screen reader's list of buttons.
    button->setAccessibleName(
        qtText(texts::kPracticeStepAction).arg(QString(qtText(caption)).remove(QLatin1Char('&')), stepName));
    return button;
}

} // namespace

QLabel* practiceLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* practiceHeading(const QString& text, QWidget* parent)
{
    QLabel* heading = practiceLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

PracticeStepRow::PracticeStepRow(
    PracticeStep step, const WorkingDocument& document, const QKeySequence& hintKey, QWidget* page)
    : QObject(page)
{
    outcome_.step = step;
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(practiceHeading(labelText(practiceStepHeading(step)), page));
    if (step.kind == PracticeStep::Kind::Determinant) {
        for (const Section& section : document.sections) {
            if (section.id == Section::Id::Determinant && section.index == step.index)
                layout->addWidget(new MatrixView(section.blocks.front().matrix, page), 0, Qt::AlignLeft);
        }
    }
    const QString name = labelText(practiceStepName(step));
    auto* row = new QHBoxLayout;
    if (step.kind == PracticeStep::Kind::SolutionCount) {
        layout->addWidget(practiceLabel(qtText(texts::kPracticeCountQuestion), page));
        addChoices(page);
        for (QAbstractButton* choice : choices_->buttons())
            row->addWidget(choice);
        row->addStretch(1);
    } else {
        auto* label = new QLabel(name + QStringLiteral(" ="), page);
        answer_ = new QLineEdit(page);
        answer_->setAccessibleName(name);
        label->setBuddy(answer_);
        row->addWidget(label);
        row->addWidget(answer_, 1);
        connect(answer_, &QLineEdit::returnPressed, this, &PracticeStepRow::checkRequested);
    }
    checkButton_ = stepButton(texts::kPracticeCheck, name, page);
    hintButton_ = stepButton(texts::kPracticeHint, name, page);
    hintButton_->setToolTip(hintKey.toString(QKeySequence::NativeText));
    connect(checkButton_, &QPushButton::clicked, this, &PracticeStepRow::checkRequested);
    connect(hintButton_, &QPushButton::clicked, this, &PracticeStepRow::hintRequested);
    row->addWidget(checkButton_);
    row->addWidget(hintButton_);
    layout->addLayout(row);
    feedback_ = practiceLabel(QString(), page);
    layout->addWidget(feedback_);
}

void PracticeStepRow::addChoices(QWidget* page)
{
    choices_ = new QButtonGroup(page);
    for (const ExactVerdict verdict : { ExactVerdict::NoSolution, ExactVerdict::InfinitelyMany }) {
        auto* choice = new QRadioButton(labelText(solutionCountWords(verdict)), page);
        choices_->addButton(choice, static_cast<int>(verdict));
        choice->installEventFilter(new EnterFilter([this] { emit checkRequested(); }, choice));
    }
}

QAbstractButton* PracticeStepRow::choice(ExactVerdict verdict) const
{
    return choices_ ? choices_->button(static_cast<int>(verdict)) : nullptr;
}

std::optional<ExactVerdict> PracticeStepRow::chosen() const
{
    QAbstractButton* button = choices_ ? choices_->checkedButton() : nullptr;
    if (!button)
        return std::nullopt;
    return static_cast<ExactVerdict>(choices_->id(button));
}

QWidget* PracticeStepRow::field() const
{
    if (answer_)
        return answer_;
    QAbstractButton* chosen = choices_->checkedButton();
    return chosen ? chosen : choices_->buttons().front();
}

bool PracticeStepRow::holds(const QWidget* focus) const
{
    if (!focus)
        return false;
    const bool isChoice = choices_ && choices_->buttons().contains(focus);
    return isChoice || focus == answer_ || focus == checkButton_ || focus == hintButton_;
}

QString PracticeStepRow::feedback() const { return feedback_->text(); }

void PracticeStepRow::say(const QString& text)
{
    feedback_->setText(text);
    // Read out where the keyboard is: the field's description changes with it.
    field()->setAccessibleDescription(text);
}

void PracticeStepRow::reveal(const QString& value)
{
    outcome_.shown = true;
    answer_->setText(value);
}

void PracticeStepRow::reveal(ExactVerdict verdict)
{
    outcome_.shown = true;
    choice(verdict)->setChecked(true);
}

void PracticeStepRow::finish()
{
    done_ = true;
    if (answer_)
        answer_->setReadOnly(true);
    else
        for (QAbstractButton* choice : choices_->buttons())
            choice->setEnabled(choice->isChecked());
    checkButton_->setEnabled(false);
    hintButton_->setEnabled(false);
}

} // namespace cramer
