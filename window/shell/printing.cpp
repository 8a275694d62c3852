// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/printing.h"

#include "solver/loaded_library.h"

#include <QDir>
#include <QFile>

namespace cramer {

QString moduleDirectory(const QString& programDirectory)
{
    return QDir::cleanPath(programDirectory + QLatin1Char('/') + QStringLiteral(CRAMER_MODULES_FROM_PROGRAM));
}

QString printWithDialog(
    QWidget* parent, const QString& documentName, const PaintPages& paint, const QString& directory)
{
    using PrintWithDialog = void(QWidget*, const QString&, const PaintPages&);
    PrintWithDialog* print = nullptr;
    try {
        // Kept once loaded: the dialog's classes stay in use after it closes.
        const LoadedLibrary module(
            QFile::encodeName(QDir(directory).filePath(QStringLiteral(CRAMER_PRINT_MODULE))).toStdString());
        module.resolve(print, "cramerPrintWithDialog");
    } catch (const MissingLibrary& missing) {
        return QString::fromLocal8Bit(missing.what());
    }
    print(parent, documentName, paint);
    return {};
}

} // namespace cramer
