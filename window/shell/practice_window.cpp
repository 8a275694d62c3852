// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice_window.h"

#include "progress/progress_statistics.h"
#include "report/figure.h"
#include "report/practice_messages.h"
#include "report/practice_texts.h"
#include "report/texts.h"
#include "window/form/announcer.h"
#include "window/form/message_boxes.h"
#include "window/form/user_locale.h"
#include "window/shell/practice_figures.h"
#include "window/shell/practice_step_row.h"
#include "window/shell/practice_summary.h"
#include "window/shell/user_files.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace cramer {

using texts::qtText;

namespace {

const QKeySequence kHintKey(Qt::CTRL | Qt::Key_H);

// A plain widget is a "filler" to screen readers; this one is a window of
// its own, announced by its title when it opens.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String(PracticeWindow::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

PracticeWindow::PracticeWindow(WorkedSolution solution, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , solution_(std::move(solution))
    , document_(workingDocument(solution_))
    , boxes_(boxes)
{
    setObjectName(QStringLiteral("PracticeWindow"));
    static const bool accessible = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessible);
    setWindowTitle(qtText(texts::kPracticeTitle));
    resize(720, 640);
    announcer_ = new Announcer(this);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(practiceLabel(qtText(texts::kPracticeIntro), page));
    addSingleFailedNote(page);
    for (const PracticeStep step : practiceSteps(solution_.record.typed.n, solution_.exact()))
        addStep(page, step);
    figures_ = std::make_unique<PracticeFigures>(document_, solution_.exact().verdict, steps_, page);
    summary_ = new PracticeSummary(page, this, boxes_);
    layout->addStretch();

    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(page);
    // Wherever the keyboard goes, by Enter, Tab or a click, it is in view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && scroll_->widget()->isAncestorOf(now))
            showInView(now);
    });
    auto* buttons = new QDialogButtonBox(this);
    summary_->addButtons(buttons);
    QPushButton* newExercise
        = buttons->addButton(qtText(texts::kPracticeNewExercise), QDialogButtonBox::ActionRole);
    newExercise->setObjectName(QStringLiteral("newExercise"));
    newExercise->setAutoDefault(false);
    connect(newExercise, &QPushButton::clicked, this, &PracticeWindow::newExerciseRequested);
    QPushButton* changeStudent
        = buttons->addButton(qtText(texts::kPracticeChangeStudent), QDialogButtonBox::ActionRole);
    connect(changeStudent, &QPushButton::clicked, this, &PracticeWindow::changeStudentRequested);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll_);
    outer->addWidget(buttons);
    setFocusProxy(steps_.front()->field());
    // Keys of the whole window: a hint for the step at hand, and closing
    // (not Esc, which a stray press would end a practice half done with).
    connect(new QShortcut(kHintKey, this), &QShortcut::activated, this, [this] { hint(currentStep()); });
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    clock_.start();
}

void PracticeWindow::addSingleFailedNote(QWidget* page)
{
    const Runs note = singlePrecisionNote(solution_);
    if (note.empty())
        return;
    QLabel* label = practiceLabel(labelText(note), page);
    label->setObjectName(QStringLiteral("singleFailedNote"));
    page->layout()->addWidget(label);
}

void PracticeWindow::addStep(QWidget* page, PracticeStep step)
{
    auto* entry = new PracticeStepRow(step, document_, kHintKey, page);
    const int index = static_cast<int>(steps_.size());
    steps_.push_back(entry);
    connect(entry, &PracticeStepRow::checkRequested, this, [this, index] { check(index); });
    connect(entry, &PracticeStepRow::hintRequested, this, [this, index] { hint(index); });
}

QAbstractButton* PracticeWindow::choice(int step, ExactVerdict verdict) const
{
    return steps_.at(static_cast<std::size_t>(step))->choice(verdict);
}

int PracticeWindow::currentStep() const
{
    // From a finished step, the next one still open: Ctrl+H there helps
    // with what is left to do.
    const QWidget* focus = focusWidget();
    auto from = steps_.begin();
    for (auto entry = steps_.begin(); entry != steps_.end(); ++entry) {
        if ((*entry)->holds(focus)) {
            if (!(*entry)->isDone())
                return static_cast<int>(entry - steps_.begin());
            from = entry;
        }
    }
    const auto isOpen = [](const PracticeStepRow* entry) { return !entry->isDone(); };
    auto open = std::find_if(from, steps_.end(), isOpen);
    if (open == steps_.end())
        open = std::find_if(steps_.begin(), steps_.end(), isOpen);
    return open == steps_.end() ? 0 : static_cast<int>(open - steps_.begin());
}

void PracticeWindow::say(PracticeStepRow& entry, const QString& text)
{
    entry.say(text);
    showInView(entry.feedbackLabel());
    speak(text);
}

void PracticeWindow::speak(const QString& text)
{
    // Spoken once the keyboard has moved on, so that the words are the last
    // thing said, not cut short by the next field's name; what is said in
    // one go (a verdict and the summary after it) is one announcement.
    if (pendingSpeech_.isEmpty())
        QMetaObject::invokeMethod(
            announcer_,
            [this] {
                announcer_->announce(pendingSpeech_);
                pendingSpeech_.clear();
            },
            Qt::QueuedConnection);
    pendingSpeech_ += (pendingSpeech_.isEmpty() ? QString() : QStringLiteral("\n")) + text;
}

void PracticeWindow::showInView(QWidget* widget)
{
    // A text just set or a widget just shown has its place once the page is
    // laid out again. The whole widget comes into view with a margin, not
    // only a field's cursor, as QScrollArea::ensureWidgetVisible would have it.
    QWidget* page = scroll_->widget();
    page->layout()->activate();
    const QRect place(widget->mapTo(page, QPoint(0, 0)), widget->size());
    QScrollBar* bar = scroll_->verticalScrollBar();
    const int height = scroll_->viewport()->height();
    constexpr int kMargin = 8;
    if (place.bottom() + kMargin >= bar->value() + height)
        bar->setValue(place.bottom() + kMargin - height + 1);
    if (place.top() - kMargin < bar->value())
        bar->setValue(place.top() - kMargin);
}

QString PracticeWindow::feedback(int step) const
{
    return steps_.at(static_cast<std::size_t>(step))->feedback();
}

QString PracticeWindow::summary() const { return summary_->text(); }
void PracticeWindow::copySummary() const { summary_->copy(); }
void PracticeWindow::saveSummary() { summary_->save(); }
bool PracticeWindow::saveSummaryTo(const QString& path)
{
    const bool html = hasSuffix(path, { QStringLiteral("html"), QStringLiteral("htm") });
    return summary_->saveTo(
        path, html ? PracticeSummary::SummaryForm::Html : PracticeSummary::SummaryForm::Text);
}

void PracticeWindow::check(int index)
{
    PracticeStepRow& entry = *steps_.at(static_cast<std::size_t>(index));
    if (entry.isDone())
        return;
    if (entry.asksForChoice()) {
        checkChoice(entry);
        return;
    }
    const PracticeReply reply
        = replyToAnswer(solution_, entry.step(), entry.answerField()->text(), userNumberLocale());
    if (reply.counted)
        entry.countTry();
    say(entry, labelText(reply.message));
    if (reply.counted)
        tellChecked(entry, entry.answerField()->text(), reply.right, mistakeName(reply.mistake));
    if (reply.right)
        finishStep(entry);
}

void PracticeWindow::tellChecked(
    const PracticeStepRow& entry, const QString& typed, bool right, const QString& mistake)
{
    AnsweredStep answer;
    answer.when = QDateTime::currentDateTimeUtc();
    answer.n = solution_.record.typed.n;
    answer.stepKind = static_cast<int>(entry.step().kind);
    answer.stepIndex = entry.step().index;
    answer.skill = skillOf(answer.n, entry.step(), solution_.exact());
    answer.typed = typed;
    answer.right = right;
    answer.mistake = right ? QString() : mistake;
    answer.tryNumber = entry.outcome().tries;
    answer.hints = entry.outcome().hints;
    answer.milliseconds = clock_.elapsed();
    emit answerChecked(answer);
}

void PracticeWindow::checkChoice(PracticeStepRow& entry)
{
    const std::optional<ExactVerdict> verdict = entry.chosen();
    if (!verdict) {
        say(entry, qtText(texts::kPracticeChoose)); // not counted as a try
        return;
    }
    entry.countTry();
    say(entry, labelText(solutionCountMessage(solution_, *verdict)));
    const bool right = *verdict == solution_.exact().verdict;
    tellChecked(entry,
        QString::fromLatin1(*verdict == ExactVerdict::NoSolution ? "NoSolution" : "InfinitelyMany"), right,
        QString::fromLatin1(kWrongCountName));
    if (right)
        finishStep(entry);
}

void PracticeWindow::hint(int index)
{
    PracticeStepRow& entry = *steps_.at(static_cast<std::size_t>(index));
    if (entry.isDone())
        return;
    const int hints = entry.countHint();
    say(entry, labelText(practiceHint(solution_, document_, entry.step(), hints)));
    if (hints >= kPracticeHints) {
        if (entry.asksForChoice())
            entry.reveal(solution_.exact().verdict);
        else
            entry.reveal(QString::fromStdString(expectedValue(solution_.exact(), entry.step()).fraction())
                             .replace(QLatin1Char('-'), QStringLiteral("−")));
        finishStep(entry);
    }
}

void PracticeWindow::finishStep(PracticeStepRow& entry)
{
    entry.finish();
    figures_->update(steps_);
    // The keyboard moves on to the next value still to find.
    for (const PracticeStepRow* next : steps_) {
        if (!next->isDone()) {
            next->field()->setFocus();
            showInView(next->field());
            return;
        }
    }
    showSummaryIfDone();
}

void PracticeWindow::showSummaryIfDone()
{
    std::vector<PracticeOutcome> outcomes;
    for (const PracticeStepRow* entry : steps_)
        outcomes.push_back(entry->outcome());
    summary_->show(solution_, outcomes, clock_.elapsed() / 1000);
    summary_->label()->setFocus();
    showInView(summary_->label());
    speak(summary_->text());
}

} // namespace cramer
