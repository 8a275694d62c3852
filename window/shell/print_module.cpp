// SPDX-License-Identifier: GPL-3.0-or-later

// The print dialog and the printer, built as a module of their own: Qt's
// printing support, and the print system it talks to, are loaded when the
// user first prints (printing.cpp), not at every start.

#include "window/shell/printing.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void cramerPrintWithDialog(
    QWidget* parent, const QString& documentName, const cramer::PaintPages& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        paint(printer);
}
