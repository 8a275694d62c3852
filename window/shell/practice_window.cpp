// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice_window.h"

#include "report/figure.h"
#include "report/number_writer.h"
#include "report/practice_messages.h"
#include "report/runs.h"
#include "report/texts.h"
#include "report/working_forms.h"
#include "window/form/announcer.h"
#include "window/form/message_boxes.h"
#include "window/form/user_locale.h"
#include "window/shell/figure_view.h"
#include "window/shell/matrix_view.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStringBuilder>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace cramer {

using texts::qtText;

namespace {

const QKeySequence kHintKey(Qt::CTRL | Qt::Key_H);

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

// A plain widget is a "filler" to screen readers; this one is a window of
// its own, announced by its title when it opens.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String(PracticeWindow::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent)
{
    QLabel* heading = wrappedLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
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
    layout->addWidget(wrappedLabel(qtText(texts::kPracticeIntro), page));
    addSingleFailedNote(page);
    for (const PracticeStep step : practiceSteps(solution_.record.typed.n, solution_.exact()))
        addStep(page, step);
    addFigures(page);
    summary_ = wrappedLabel(QString(), page);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setObjectName(QStringLiteral("practiceSummary"));
    summary_->hide();
    layout->addWidget(summary_);
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
    // The summary's buttons wait for the summary.
    auto addButton = [buttons](const char* text, const char* name, bool enabled) {
        QPushButton* button = buttons->addButton(qtText(text), QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setEnabled(enabled);
        return button;
    };
    copy_ = addButton(texts::kPracticeCopySummary, "copySummary", false);
    connect(copy_, &QPushButton::clicked, this, &PracticeWindow::copySummary);
    save_ = addButton(texts::kPracticeSaveSummary, "saveSummary", false);
    connect(save_, &QPushButton::clicked, this, &PracticeWindow::saveSummary);
    connect(addButton(texts::kPracticeNewExercise, "newExercise", true), &QPushButton::clicked, this,
        &PracticeWindow::newExerciseRequested);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll_);
    outer->addWidget(buttons);
    setFocusProxy(steps_.front().field());
    // Keys of the whole window: a hint for the step at hand, and closing
    // (not Esc, which a stray press would end a practice half done with).
    connect(new QShortcut(kHintKey, this), &QShortcut::activated, this, [this] { hint(currentStep()); });
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    clock_.start();
}

void PracticeWindow::addSingleFailedNote(QWidget* page)
{
    // Said once: the program's own solve is no guide here.
    const ExactWorking& working = solution_.exact();
    const NumberWriter numbers(solution_.record.locale);
    Runs note;
    if (working.verdict == ExactVerdict::OneSolution
        && solution_.record.outcome.status != SolveStatus::Solved)
        note = filled(texts::kPracticeSingleFailed, { numbers.exact(working.determinant) });
    else if (working.disagreement == Disagreement::ZeroOnlyExactly)
        note = filled(texts::kPracticeSingleNotZero,
            { Runs { numberRun(numbers.single(working.determinants.front().single)) } });
    if (note.empty())
        return;
    QLabel* label = wrappedLabel(labelText(note), page);
    label->setObjectName(QStringLiteral("singleFailedNote"));
    page->layout()->addWidget(label);
}

void PracticeWindow::addFigures(QWidget* page)
{
    // The pictures of two unknowns, their values hidden until they are
    // found; of a system without one solution, until the choice is made:
    // parallel or coinciding lines would give it away.
    const Section* pictures = document_.section(Section::Id::Figures);
    if (!pictures)
        return;
    const bool shown = solution_.exact().verdict == ExactVerdict::OneSolution;
    figuresHeading_ = headingLabel(runsAsPlainText(pictures->heading), page);
    figuresHeading_->setVisible(shown);
    page->layout()->addWidget(figuresHeading_);
    const FigureSecrets hidden = secrets();
    for (const Block& block : pictures->blocks) {
        if (block.kind != Block::Kind::Figure)
            continue;
        FigureView* figure = figures_.emplace_back(new FigureView(block.figure, hidden, page));
        figure->setVisible(shown);
        page->layout()->addWidget(figure);
    }
}

void PracticeWindow::addStep(QWidget* page, PracticeStep step)
{
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(headingLabel(labelText(practiceStepHeading(step)), page));
    if (step.kind == PracticeStep::Kind::Determinant) {
        for (const Section& section : document_.sections) {
            if (section.id != Section::Id::Determinant || section.index != step.index)
                continue;
            layout->addWidget(new MatrixView(section.blocks.front().matrix, page), 0, Qt::AlignLeft);
        }
    }
    Step& entry = steps_.emplace_back();
    entry.step = step;
    const QString name = labelText(practiceStepName(step));
    auto* row = new QHBoxLayout;
    if (step.kind == PracticeStep::Kind::SolutionCount) {
        layout->addWidget(wrappedLabel(qtText(texts::kPracticeCountQuestion), page));
        addChoices(page, entry);
        for (QAbstractButton* choice : entry.choices->buttons())
            row->addWidget(choice);
        row->addStretch(1);
    } else {
        auto* label = new QLabel(name + QStringLiteral(" ="), page);
        entry.answer = new QLineEdit(page);
        entry.answer->setAccessibleName(name);
        label->setBuddy(entry.answer);
        row->addWidget(label);
        row->addWidget(entry.answer, 1);
    }
    entry.checkButton = new QPushButton(qtText(texts::kPracticeCheck), page);
    entry.hintButton = new QPushButton(qtText(texts::kPracticeHint), page);
    entry.checkButton->setAutoDefault(false);
    entry.hintButton->setAutoDefault(false);
    entry.hintButton->setToolTip(kHintKey.toString(QKeySequence::NativeText));
    // Each step's buttons by their step, for a screen reader's list of them.
    entry.checkButton->setAccessibleName(
        qtText(texts::kPracticeStepAction)
            .arg(QString(qtText(texts::kPracticeCheck)).remove(QLatin1Char('&')), name));
    entry.hintButton->setAccessibleName(
        qtText(texts::kPracticeStepAction)
            .arg(QString(qtText(texts::kPracticeHint)).remove(QLatin1Char('&')), name));
    row->addWidget(entry.checkButton);
    row->addWidget(entry.hintButton);
    layout->addLayout(row);
    entry.feedback = wrappedLabel(QString(), page);
    layout->addWidget(entry.feedback);

    const int index = static_cast<int>(steps_.size()) - 1;
    if (entry.answer)
        connect(entry.answer, &QLineEdit::returnPressed, this, [this, index] { check(index); });
    connect(entry.checkButton, &QPushButton::clicked, this, [this, index] { check(index); });
    connect(entry.hintButton, &QPushButton::clicked, this, [this, index] { hint(index); });
}

void PracticeWindow::addChoices(QWidget* page, Step& entry)
{
    entry.choices = new QButtonGroup(page);
    const int index = static_cast<int>(steps_.size()) - 1;
    for (const ExactVerdict verdict : { ExactVerdict::NoSolution, ExactVerdict::InfinitelyMany }) {
        auto* choice = new QRadioButton(labelText(solutionCountWords(verdict)), page);
        entry.choices->addButton(choice, static_cast<int>(verdict));
        choice->installEventFilter(new EnterFilter([this, index] { check(index); }, choice));
    }
}

QWidget* PracticeWindow::Step::field() const
{
    if (answer)
        return answer;
    QAbstractButton* chosen = choices->checkedButton();
    return chosen ? chosen : choices->buttons().front();
}

QAbstractButton* PracticeWindow::choice(int step, ExactVerdict verdict) const
{
    const QButtonGroup* choices = steps_.at(static_cast<std::size_t>(step)).choices;
    return choices ? choices->button(static_cast<int>(verdict)) : nullptr;
}

int PracticeWindow::currentStep() const
{
    // From a finished step, the next one still open: Ctrl+H there helps
    // with what is left to do.
    const QWidget* focus = focusWidget();
    auto from = steps_.begin();
    for (auto entry = steps_.begin(); entry != steps_.end(); ++entry) {
        const bool chosen = focus && entry->choices && entry->choices->buttons().contains(focus);
        if (focus
            && (chosen || focus == entry->answer || focus == entry->checkButton
                || focus == entry->hintButton)) {
            if (!entry->done)
                return static_cast<int>(entry - steps_.begin());
            from = entry;
        }
    }
    const auto isOpen = [](const Step& entry) { return !entry.done; };
    auto open = std::find_if(from, steps_.end(), isOpen);
    if (open == steps_.end())
        open = std::find_if(steps_.begin(), steps_.end(), isOpen);
    return open == steps_.end() ? 0 : static_cast<int>(open - steps_.begin());
}

void PracticeWindow::say(Step& entry, const QString& text)
{
    entry.feedback->setText(text);
    // Read out where the keyboard is: the field's description changes with it.
    entry.field()->setAccessibleDescription(text);
    showInView(entry.feedback);
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
    return steps_.at(static_cast<std::size_t>(step)).feedback->text();
}

QString PracticeWindow::summary() const { return copy_->isEnabled() ? summary_->text() : QString(); }

void PracticeWindow::check(int index)
{
    Step& entry = steps_.at(static_cast<std::size_t>(index));
    if (entry.done)
        return;
    if (entry.choices) {
        checkChoice(entry);
        return;
    }
    const QString typed = entry.answer->text();
    const auto read = readAnswer(typed.toStdString(), userNumberLocale());
    if (const auto* problem = std::get_if<AnswerProblem>(&read)) {
        say(entry, labelText(answerProblemMessage(*problem, typed))); // not counted as a try
        return;
    }
    const Answer& answer = std::get<Answer>(read);
    ++entry.tries;
    const AnswerCheck result = checkAnswer(solution_.record, solution_.exact(), entry.step, answer);
    QString verdict = labelText(answerCheckMessage(solution_, entry.step, answer, result));
    if (const Runs note = otherSeparatorNote(typed, userNumberLocale()); !note.empty())
        verdict += QLatin1Char(' ') + labelText(note);
    say(entry, verdict);
    if (result.right)
        finishStep(entry);
}

void PracticeWindow::checkChoice(Step& entry)
{
    QAbstractButton* chosen = entry.choices->checkedButton();
    if (!chosen) {
        say(entry, qtText(texts::kPracticeChoose)); // not counted as a try
        return;
    }
    ++entry.tries;
    const auto verdict = static_cast<ExactVerdict>(entry.choices->id(chosen));
    say(entry, labelText(solutionCountMessage(solution_, verdict)));
    if (verdict == solution_.exact().verdict)
        finishStep(entry);
}

void PracticeWindow::hint(int index)
{
    Step& entry = steps_.at(static_cast<std::size_t>(index));
    if (entry.done)
        return;
    ++entry.hints;
    say(entry, labelText(practiceHint(solution_, document_, entry.step, entry.hints)));
    if (entry.hints >= kPracticeHints) {
        entry.shown = true;
        // The value shown stands in the field, not the last wrong answer.
        if (entry.choices)
            entry.choices->button(static_cast<int>(solution_.exact().verdict))->setChecked(true);
        else
            entry.answer->setText(
                QString::fromStdString(expectedValue(solution_.exact(), entry.step).fraction())
                    .replace(QLatin1Char('-'), QStringLiteral("−")));
        finishStep(entry);
    }
}

void PracticeWindow::finishStep(Step& entry)
{
    entry.done = true;
    if (entry.answer)
        entry.answer->setReadOnly(true);
    else
        for (QAbstractButton* choice : entry.choices->buttons())
            choice->setEnabled(choice->isChecked());
    entry.checkButton->setEnabled(false);
    entry.hintButton->setEnabled(false);
    if (!figures_.empty()) {
        const FigureSecrets found = secrets();
        for (FigureView* figure : figures_)
            figure->setSecrets(found);
        if (allDone()) {
            figuresHeading_->show();
            for (FigureView* figure : figures_)
                figure->show();
        }
    }
    // The keyboard moves on to the next value still to find.
    for (const Step& next : steps_) {
        if (!next.done) {
            next.field()->setFocus();
            showInView(next.field());
            return;
        }
    }
    showSummaryIfDone();
}

bool PracticeWindow::allDone() const
{
    return std::all_of(steps_.begin(), steps_.end(), [](const Step& entry) { return entry.done; });
}

FigureSecrets PracticeWindow::secrets() const
{
    // Only two unknowns have pictures: d, d₁, d₂.
    FigureSecrets secrets { false, { true, true, true } };
    if (allDone())
        return { false, { false, false, false } };
    for (const Step& entry : steps_) {
        if (entry.step.kind == PracticeStep::Kind::SolutionCount)
            continue;
        if (entry.step.kind == PracticeStep::Kind::Determinant)
            secrets.areas.at(static_cast<std::size_t>(entry.step.index)) = !entry.done;
        else
            secrets.point = secrets.point || !entry.done;
    }
    return secrets;
}

void PracticeWindow::showSummaryIfDone()
{
    std::vector<PracticeOutcome> outcomes;
    for (const Step& entry : steps_)
        outcomes.push_back({ entry.step, entry.shown, entry.tries, entry.hints });
    summaryDocument_ = practiceSummary(solution_, outcomes, clock_.elapsed() / 1000);
    QStringList lines;
    for (const Block& line : summaryDocument_.sections.front().blocks)
        lines << labelText(line.runs);
    summary_->setText(lines.join(QLatin1Char('\n')));
    summary_->show();
    copy_->setEnabled(true);
    save_->setEnabled(true);
    summary_->setFocus();
    showInView(summary_);
    speak(summary_->text());
}

} // namespace cramer
