// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The working typeset as a QTextDocument, for the window's view and for
// pages (print and PDF). Numbers never break inside; on pages no matrix or
// formula is split and no heading or lead-in ends a page.

#include "report/working_document.h"

class QTextDocument;

namespace cramer {

// Where the document is laid out as pages, in pixels at 96 dpi.
struct TypesetPages {
    qreal width; // of the text
    qreal height;
};

// Fills `target` (cleared first) in its default font. With pages, a matrix
// wider than the text is set smaller, down to a readable floor; returns
// false if one is still too wide there.
bool typesetWorking(
    const WorkingDocument& document, QTextDocument& target, const TypesetPages* pages = nullptr);

} // namespace cramer
