// SPDX-License-Identifier: GPL-3.0-or-later

// Printing from its module, and a start that loads no library it does not
// need for the window.

#include "window/shell/printing.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace cramer {
namespace {

// The dialog opens from the module built beside the program and, closed
// without a printer chosen, prints nothing; where there is no module, the
// answer says which file could not be loaded.
TEST(Printing, OpensTheDialogFromItsModuleAndSaysWhyWhenItCannot)
{
    QTimer closer;
    QString shown;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    closer.start(10);
    bool printed = false;
    const PaintPages paint = [&printed](QPagedPaintDevice&) { printed = true; };
    EXPECT_EQ(
        printWithDialog(nullptr, QStringLiteral("test"), paint, QStringLiteral(CRAMER_BUILD_MODULE_DIR)),
        QString());
    EXPECT_EQ(shown, QStringLiteral("QPrintDialog"));
    EXPECT_FALSE(printed);

    const QString missing
        = printWithDialog(nullptr, QStringLiteral("test"), paint, QStringLiteral("/nonexistent"));
    EXPECT_TRUE(missing.contains(QStringLiteral("/nonexistent/libcramer-print.so"))) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QString::fromUtf8("модулът за печат"))) << "in the loader's English: " << missing.toStdString();
    EXPECT_FALSE(printed);
}

// Printing support, exact arithmetic and the spreadsheet container are loaded
// when first used: the program names none of them as a library it needs.
TEST(Program, NeedsNoLibraryItLoadsWhenFirstUsed)
{
    QProcess objdump;
    objdump.start(QStringLiteral("objdump"), { QStringLiteral("-p"), QStringLiteral(CRAMER_PROGRAM) });
    ASSERT_TRUE(objdump.waitForFinished(20000));
    const QString headers = QString::fromUtf8(objdump.readAllStandardOutput());
    ASSERT_TRUE(headers.contains(QStringLiteral("NEEDED"))) << headers.toStdString();
    for (const char* library : { "libQt6PrintSupport", "libgmp", "libmpfr", "libzip" })
        EXPECT_FALSE(headers.contains(QString::fromLatin1(library))) << library;
}

} // namespace
} // namespace cramer
