// SPDX-License-Identifier: GPL-3.0-or-later

// Messages at the edges: no display, a paste too long for a cell, control
// characters in a quoted text; and copies that say when the grid has changed
// since the solve they show.

#include "report/quoted_text.h"
#include "window/form/grid_input.h"
#include "window/shell/working_window.h"

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

// What the user is told, on standard error or in a message box.
struct EdgeCase {
    const char* name;
    QString (*told)();
    std::vector<const char*> fragments;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

QString startedWithoutDisplay()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CRAMER_PROGRAM), {});
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit
        || program.exitCode() != 1)
        return QStringLiteral("did not end with exit code 1");
    return QString::fromUtf8(program.readAllStandardError())
        + QString::fromUtf8(program.readAllStandardOutput());
}

QString lastMessage(TestWindow& window)
{
    return window.boxes.shown.empty()
        ? QString()
        : window.boxes.shown.back().title + QLatin1Char('|') + window.boxes.shown.back().text;
}

QString pastedTooLong()
{
    TestWindow window;
    window.form->cell(1, 2)->setText(QStringLiteral("5"));
    QApplication::clipboard()->setText(QStringLiteral("1\t") + QString(40000, QLatin1Char('7')));
    window.form->gridInput().paste(2, 1);
    if (window.form->cell(2, 1)->text() != QString()
        || window.form->cell(1, 2)->text() != QStringLiteral("5"))
        return QStringLiteral("the grid changed");
    return lastMessage(window);
}

QString controlCharacterInACell()
{
    TestWindow window;
    window.type({ { QStringLiteral("1\u0001"), "2", "3" }, { "4", "5", "6" } });
    window.solve();
    return lastMessage(window) + QLatin1Char('|') + quotedForMessage(QString(50, QLatin1Char('8')));
}

class MessagesAtTheEdges : public testing::TestWithParam<EdgeCase> { };

TEST_P(MessagesAtTheEdges, SayWhatIsWrongAndWhere)
{
    const QString told = GetParam().told();
    for (const char* fragment : GetParam().fragments)
        EXPECT_TRUE(told.contains(QString::fromUtf8(fragment))) << fragment << "\nnot in\n"
                                                                << told.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, MessagesAtTheEdges,
    testing::Values(
        EdgeCase { "NoDisplay", startedWithoutDisplay,
            { "cramer: няма екран, на който да се отвори прозорецът",
                "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)" } },
        EdgeCase { "PasteLongerThanACell", pastedTooLong,
            { "Поставяне на числа|Текстът за ред 2, колона 2 има 40000 знака, а една клетка побира най-много "
              "32767.",
                "Нищо не е променено." } },
        EdgeCase { "ControlCharactersShownAndLongTextsCut", controlCharacterInACell,
            { "съдържа „1U+0001“, а това не е число.", "|8888888888888888888888888888888888888888…" } }),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

TEST(OutdatedSolution, IsSaidAtTheTopOfEveryCopyUntilTheNextSolve)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    window.main->actions().showWorking->trigger();
    const QTextBrowser* view = window.main->solution().workingWindow()->view();
    const QString note = QString::fromUtf8("Това е решението на последната решена система");
    window.form->cell(3, 5)->setText(QStringLiteral("9")); // outside the system
    EXPECT_FALSE(view->toPlainText().contains(note));

    QTest::keyClick(window.form->cell(1, 1), Qt::Key_7);
    EXPECT_TRUE(view->toPlainText().startsWith(QString::fromUtf8("Подробно решение\n") + note))
        << view->toPlainText().toStdString();
    window.main->solution().copy();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(note));
    window.main->solution().copyAsLatex();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("\\textbf{") + note));

    window.solve();
    EXPECT_FALSE(view->toPlainText().contains(note));
    window.main->solution().copy();
    EXPECT_FALSE(QApplication::clipboard()->text().contains(note));
}

} // namespace
} // namespace cramer
