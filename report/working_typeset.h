// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The working typeset as a QTextDocument, for the window's view and for
// pages (print and PDF). Numbers never break inside; on pages no matrix or
// formula is split and no heading or lead-in ends a page.

#include "report/working_document.h"

#include <vector>

class QTextDocument;

namespace cramer {

// Where the document is laid out as pages, in pixels at 96 dpi.
struct TypesetPages {
    qreal width; // of the text
    qreal height;
};

// Fills `target` (cleared first) in its default font. With pages, the text
// is laid out as one long page of their width, and a matrix wider than the
// text is set smaller, down to a readable floor; returns false if one is
// still too wide there.
bool typesetWorking(
    const WorkingDocument& document, QTextDocument& target, const TypesetPages* pages = nullptr);

// A page's part of the long page, from `top` to `bottom`.
struct PageSlice {
    qreal top;
    qreal bottom;
};

// The long page of `text` cut into pages of at most `height` between
// blocks: every block is on exactly one page, in order. A matrix, a formula
// or a heading with what it introduces moves whole to the next page, unless
// it is taller than a page.
std::vector<PageSlice> pageSlices(const QTextDocument& text, qreal height);

// Whether `pages` hold the whole of `text` as pageSlices promises: each
// page follows the last, every block on exactly one page and within its
// `height` (to the pixel the layout rounds to) unless it is taller than a
// page, the last block on the last.
bool pagePlanHolds(const QTextDocument& text, const std::vector<PageSlice>& pages, qreal height);
// Pages of `height` one after the other, cut wherever they fall: what is
// printed if a plan ever fails its check, so that nothing is lost.
std::vector<PageSlice> plainPages(const QTextDocument& text, qreal height);

} // namespace cramer
