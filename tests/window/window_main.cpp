// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/program_style.h"
#include "window/shell/qt_texts.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings go to a test location
    QApplication::setStyle(cramer::makeProgramStyle()); // as the program draws
    cramer::installBulgarianQtTexts(); // as the program does
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
