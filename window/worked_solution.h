// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution of one solve, in the texts the window showed, and its
// forms for the clipboard: plain text, HTML tables and LaTeX source.

#include <QString>
#include <QStringList>

#include <vector>

namespace cramer {

struct WorkedSolution {
    struct Determinant {
        int index = 0; // 0 for d, i for d_i
        std::vector<QStringList> matrix; // rows of cell texts
        QString value; // as announced
    };
    struct ResultRow {
        QString numerator;
        QString determinant;
        QString solution;
    };

    std::vector<QStringList> system; // rows of n coefficients and the right-hand side, as typed
    std::vector<Determinant> determinants;
    std::vector<ResultRow> results;
};

QString solutionAsPlainText(const WorkedSolution& solution);
QString solutionAsHtml(const WorkedSolution& solution);
QString solutionAsLatex(const WorkedSolution& solution);

} // namespace cramer
