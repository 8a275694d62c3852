// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/language.h"
#include "window/shell/kept_grid.h"
#include "window/shell/program_style.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every test's window starts as at a first start: no grid kept by the
// window an earlier test closed.
class FreshStart : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { QFile::remove(cramer::keptGridPath()); }
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only the fonts the package brings, drawn as Debian draws them: pixels
    // compared with references must not depend on the machine's fonts.
    qputenv("FONTCONFIG_FILE", TEST_FONTS_CONF);
    // A home of its own for each run: the settings and the kept grid of
    // tests that run side by side never meet.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // settings go to a test location
    QApplication::setStyle(cramer::makeProgramStyle()); // as the program draws
    cramer::installLanguage(cramer::Language::Bulgarian); // as the program does
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStart);
    return RUN_ALL_TESTS();
}
