// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution out of the program: a file in the form asked for,
// and paper. Print and PDF lay out the same rich text the window shows.

#include "report/working_document.h"
#include "report/working_typeset.h"
#include "sheets/system_file.h"

#include <QByteArray>
#include <QString>

class QImage;
class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

namespace cramer {

enum class WorkingFormat { Text, Html, Latex, Pdf };

// The whole working in `format`; PDF on A4 pages with margins, as printed.
QByteArray workingBytes(const WorkingDocument& document, WorkingFormat format);

// Writes the working in `format`, whatever `path` is called, as
// `writeFileAtomically` writes: on any failure the old file stays as it was.
FileError writeWorking(const WorkingDocument& document, WorkingFormat format, const QString& path);

// Lays the working out on pages of `device` (a printer or a PDF writer).
void printWorking(const WorkingDocument& document, QPagedPaintDevice& device);
// The first page as printed on A4, `width` pixels wide, for a preview.
QImage pagePreview(const WorkingDocument& document, int width);
// The pages `printWorking` paints: the working laid out in `text` (pixels
// at 96 dpi) and cut into pages of `layout` on `device`; turns the layout to
// landscape if a matrix is too wide for portrait.
std::vector<PageSlice> typesetPages(
    const WorkingDocument& document, QPageLayout& layout, const QPaintDevice& device, QTextDocument& text);
// The same on `device`'s own pages, with margins of 20 mm where it has none.
std::vector<PageSlice> typesetPages(
    const WorkingDocument& document, QPagedPaintDevice& device, QTextDocument& text);

} // namespace cramer
