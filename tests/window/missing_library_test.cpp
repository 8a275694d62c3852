// SPDX-License-Identifier: GPL-3.0-or-later

// A broken installation: GMP or libzip, loaded when first needed, cannot be
// loaded. The window says which library and package, and goes on working.
// The test runs itself again with empty files standing in for both first
// on the library search path.

#include "window/shell/exercises.h"
#include "window/shell/practice.h"
#include "window/shell/system_files.h"

#include "window_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

constexpr const char* kChild = "CRAMER_TEST_BROKEN_LIBRARIES";

TEST(MissingLibraries, AreNamedInABoxAndTheFormGoesOn)
{
    if (!qEnvironmentVariableIsSet(kChild)) {
        QTemporaryDir broken;
        for (const char* soname : { "libgmp.so.10", "libzip.so.4" }) {
            QFile library(broken.filePath(QString::fromLatin1(soname)));
            ASSERT_TRUE(library.open(QIODevice::WriteOnly));
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), broken.path());
        environment.insert(QString::fromLatin1(kChild), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--gtest_filter=MissingLibraries.AreNamedInABoxAndTheFormGoesOn") });
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }

    TestWindow window;
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 3u) << "d, d1 and d2 announced";
    window.boxes.shown.clear();

    auto lastBoxNames = [&](const char* soname, const char* package) {
        ASSERT_FALSE(window.boxes.shown.empty());
        const QString text = window.boxes.shown.back().text;
        EXPECT_TRUE(text.contains(QLatin1String(soname))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("sudo apt install %1").arg(QLatin1String(package))))
            << text.toStdString();
    };
    window.main->actions().showWorking->trigger();
    lastBoxNames("libgmp.so.10", "libgmp10");
    window.main->actions().copySolution->trigger();
    lastBoxNames("libgmp.so.10", "libgmp10");
    window.main->practice().startAction()->trigger();
    lastBoxNames("libgmp.so.10", "libgmp10");
    EXPECT_FALSE(window.main->files().open(QStringLiteral(SPREADSHEETS_FOLDER "/calc.ods")));
    lastBoxNames("libzip.so.4", "libzip4");
    // A new exercise is checked exactly: it is not made, and the grid stays.
    const TypedSystem typed = window.form->typedSystem();
    window.main->exercises().newExerciseAction()->trigger();
    lastBoxNames("libgmp.so.10", "libgmp10");
    EXPECT_EQ(window.form->typedSystem(), typed);
    QProcess batch;
    batch.start(QStringLiteral(CRAMER_PROGRAM), { QStringLiteral("--new-exercise"), QStringLiteral("3") });
    ASSERT_TRUE(batch.waitForFinished(60000));
    EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(batch.exitCode(), 4) << batch.readAllStandardError().toStdString();

    // The form still solves.
    window.boxes.shown.clear();
    window.solve();
    EXPECT_EQ(window.boxes.shown.size(), 3u);
}

} // namespace
} // namespace cramer
