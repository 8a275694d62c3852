// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cramer {

bool installBulgarianQtTexts()
{
    static QTranslator translator;
    if (translator.isEmpty()
        && !translator.load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace cramer
