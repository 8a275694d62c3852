// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/printing.h"

#include <QDir>
#include <QLibrary>

namespace cramer {

QString moduleDirectory(const QString& programDirectory)
{
    return QDir::cleanPath(programDirectory + QLatin1Char('/') + QStringLiteral(CRAMER_MODULES_FROM_PROGRAM));
}

QString printWithDialog(
    QWidget* parent, const QString& documentName, const PaintPages& paint, const QString& directory)
{
    using PrintWithDialog = void (*)(QWidget*, const QString&, const PaintPages&);
    // Loaded once and kept: the dialog's classes stay in use after it closes.
    QLibrary module(QDir(directory).filePath(QStringLiteral(CRAMER_PRINT_MODULE)));
    const auto print = reinterpret_cast<PrintWithDialog>(module.resolve("cramerPrintWithDialog"));
    if (print == nullptr)
        return module.errorString();
    print(parent, documentName, paint);
    return {};
}

} // namespace cramer
