// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/language.h"
#include "window/shell/program_style.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only the fonts the package brings, drawn as Debian draws them: pixels
    // compared with references must not depend on the machine's fonts.
    qputenv("FONTCONFIG_FILE", TEST_FONTS_CONF);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings go to a test location
    QApplication::setStyle(cramer::makeProgramStyle()); // as the program draws
    cramer::installLanguage(cramer::Language::Bulgarian); // as the program does
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
