// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures of a system of two unknowns in practice: each value shows
// as "?" until its step is done. Those of a system without one solution
// wait until the choice is made: parallel or coinciding lines would give
// it away.

#include "report/figure.h"
#include "report/working_document.h"

#include <vector>

class QLabel;
class QWidget;

namespace cramer {

class FigureView;
class PracticeStepRow;

class PracticeFigures {
public:
    // Adds the document's pictures, if it has any, to `page`'s layout.
    PracticeFigures(const WorkingDocument& document, ExactVerdict verdict,
        const std::vector<PracticeStepRow*>& steps, QWidget* page);

    // Shows what the steps done so far have found.
    void update(const std::vector<PracticeStepRow*>& steps);

private:
    static FigureSecrets secrets(const std::vector<PracticeStepRow*>& steps);

    QLabel* heading_ = nullptr;
    std::vector<FigureView*> views_;
};

} // namespace cramer
