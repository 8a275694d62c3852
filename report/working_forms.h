// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The document's forms: one renderer each, and nothing else writes
// mathematics.

#include "report/working_document.h"

#include <functional>

namespace cramer {

// The typeset form and its pages are in working_typeset.h.
// A whole HTML5 page (UTF-8) for browsers, word processors and the clipboard.
QString workingAsHtml(const WorkingDocument& document);
// At most 80 columns; matrices too wide for them in blocks of columns.
QString workingAsPlainText(const WorkingDocument& document);
// The verdict's lines alone, as plain text.
QString verdictAsPlainText(const WorkingDocument& document);
// A whole LaTeX document that pdflatex compiles as it stands (T2A, babel),
// or its body alone, to paste into a document of one's own (amsmath).
enum class LatexForm { Document, Body };
QString workingAsLatex(const WorkingDocument& document, LatexForm form = LatexForm::Document);

// Pieces of the text form, for windows that show one step at a time.
QString runsAsPlainText(const Runs& runs);
QString matrixAsPlainText(const MatrixBlock& matrix);
// A line of prose filled into lines of at most kTextColumns, the first
// indented by `indent`, the others by `hangingIndent`; a long number is
// parted only between its groups of digits or after a fraction's slash.
void appendWrapped(QString& out, const QString& line, int indent, int hangingIndent);
// Words as LaTeX text, each stretch of mathematics as one inline formula.
QString runsAsLatex(const Runs& runs);

inline constexpr int kTextColumns = 80;

// A matrix too wide for its room in blocks of columns: as few blocks as fit,
// of sizes as even as the widths allow. `width(from, to)` is what columns
// [from, to) take; a single column always fits.
int columnBlockSize(int columns, qreal room, const std::function<qreal(int, int)>& width);

} // namespace cramer
