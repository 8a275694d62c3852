// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/practice_figures.h"

#include "report/working_forms.h"
#include "window/shell/figure_view.h"
#include "window/shell/practice_step_row.h"

#include <QLabel>
#include <QLayout>

#include <algorithm>

namespace cramer {
namespace {

bool allDone(const std::vector<PracticeStepRow*>& steps)
{
    return std::all_of(
        steps.begin(), steps.end(), [](const PracticeStepRow* entry) { return entry->isDone(); });
}

} // namespace

PracticeFigures::PracticeFigures(const WorkingDocument& document, ExactVerdict verdict,
    const std::vector<PracticeStepRow*>& steps, QWidget* page)
{
    const Section* pictures = document.section(Section::Id::Figures);
    if (!pictures)
        return;
    const bool shown = verdict == ExactVerdict::OneSolution;
    heading_ = practiceHeading(runsAsPlainText(pictures->heading), page);
    heading_->setVisible(shown);
    page->layout()->addWidget(heading_);
    const FigureSecrets hidden = secrets(steps);
    for (const Block& block : pictures->blocks) {
        if (block.kind != Block::Kind::Figure)
            continue;
        FigureView* view = views_.emplace_back(new FigureView(block.figure, hidden, page));
        view->setVisible(shown);
        page->layout()->addWidget(view);
    }
}

void PracticeFigures::update(const std::vector<PracticeStepRow*>& steps)
{
    if (views_.empty())
        return;
    const FigureSecrets found = secrets(steps);
    for (FigureView* view : views_)
        view->setSecrets(found);
    if (allDone(steps)) {
        heading_->show();
        for (FigureView* view : views_)
            view->show();
    }
}

FigureSecrets PracticeFigures::secrets(const std::vector<PracticeStepRow*>& steps)
{
    // Only two unknowns have pictures: d, d₁, d₂.
    if (allDone(steps))
        return { false, { false, false, false } };
    FigureSecrets secrets { false, { true, true, true } };
    for (const PracticeStepRow* entry : steps) {
        const PracticeStep& step = entry->step();
        if (step.kind == PracticeStep::Kind::SolutionCount)
            continue;
        if (step.kind == PracticeStep::Kind::Determinant)
            secrets.areas.at(static_cast<std::size_t>(step.index)) = !entry->isDone();
        else
            secrets.point = secrets.point || !entry->isDone();
    }
    return secrets;
}

} // namespace cramer
