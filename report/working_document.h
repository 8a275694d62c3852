// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The step-by-step working of one solve: how every determinant and unknown
// arises in single precision, its exact value, the check and the verdict.
// Built once as a list of blocks; the window, the clipboard, HTML, PDF and
// print all render these same blocks.

#include "report/worked_solution.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace cramer {

struct WorkingBlock {
    enum class Kind { Heading, Paragraph, Verdict, Matrix };
    Kind kind = Kind::Paragraph;
    QString text; // for a Matrix, the name written before it ("d1 =") or nothing
    std::vector<QStringList> rows; // a Matrix's cells
    int markedColumn = 0; // the column replaced by the right-hand sides, from 1; 0 for none
    bool bars = false; // a determinant between two bars, or a plain array of numbers
};

using WorkingDocument = std::vector<WorkingBlock>;

WorkingDocument workingDocument(const WorkedSolution& solution);

// A whole HTML page (UTF-8) that Qt's rich text, browsers and word
// processors show alike.
QString workingAsHtml(const WorkingDocument& document);
QString workingAsPlainText(const WorkingDocument& document);
// The verdict's lines alone, as plain text.
QString verdictAsPlainText(const WorkingDocument& document);
// A whole LaTeX document (UTF-8, Cyrillic through T2A and babel).
QString workingAsLatex(const WorkingDocument& document);

} // namespace cramer
