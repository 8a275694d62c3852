// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/qt_texts.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings go to a test location
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    cramer::installBulgarianQtTexts(); // as the program does
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
