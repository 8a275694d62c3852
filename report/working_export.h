// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution out of the program: a file (HTML, or PDF by the
// name's suffix) and paper. Print and PDF lay out the same rich text the
// window shows.

#include "report/working_document.h"

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace cramer {

bool isPdfName(const QString& path);

// Writes atomically: on any failure the old file, if there was one, stays
// as it was. Returns why it failed, or an empty text.
QString writeWorkingFile(const QString& path, const WorkingDocument& document);

// Lays the working out on pages of `device` (a printer or a PDF writer).
void printWorking(const WorkingDocument& document, QPagedPaintDevice& device);
// The pages `printWorking` paints, laid out in `text` (pixels at 96 dpi);
// turns the device to landscape if a matrix is too wide for portrait.
void typesetPages(const WorkingDocument& document, QPagedPaintDevice& device, QTextDocument& text);

} // namespace cramer
