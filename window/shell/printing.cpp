// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/printing.h"

#include "report/texts.h"
#include "sheets/file_name.h"
#include "solver/loaded_library.h"

#include <QDir>
#include <QFile>

namespace cramer {

using texts::qtText;

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
            localFile(QDir(directory).filePath(QStringLiteral(CRAMER_PRINT_MODULE))).string());
        module.resolve(print, "cramerPrintWithDialog");
    } catch (const MissingLibrary& missing) {
        // The loader's own reason is English: the module's file says enough.
        return qtText(texts::kPrintModuleMissing)
            .arg(QDir::toNativeSeparators(QString::fromStdString(missing.soname())));
    }
    print(parent, documentName, paint);
    return {};
}

} // namespace cramer
