// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the menu bar above the unchanged form, its commands and
// when they are enabled, and the worked solution's window and files.

#include "window/shell/help_window.h"
#include "window/shell/working_window.h"

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::TestWindow;

TEST(MainWindow, PutsTheMenuBarAboveTheFormAndMovesNothingOfIt)
{
    TestWindow window;
    window.activate();
    const QMenuBar* bar = window.main->menuBar();
    QStringList titles;
    for (QAction* menu : bar->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({ "&Файл", "&Редактиране", "&Изглед", "Р&ешение", "&Помощ" }));

    EXPECT_EQ(window.form->mapTo(window.main.get(), QPoint(0, 0)), QPoint(0, bar->height()));
    EXPECT_EQ(window.form->size(), QSize(839, 587));
    EXPECT_EQ(window.main->size(), QSize(839, 587 + bar->height()));
    EXPECT_EQ(window.form->findChild<QWidget*>("Frame2")->mapTo(window.main.get(), QPoint(0, 0)),
        QPoint(0, bar->height()));

    const MainWindow::Actions& actions = window.main->actions();
    EXPECT_EQ(actions.quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(actions.copySolution->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_FALSE(actions.showWorking->shortcut().isEmpty());
}

struct EnablingCase {
    const char* name;
    std::vector<std::vector<QString>> rows;
    bool copies;
    bool working;
};

void PrintTo(const EnablingCase& c, std::ostream* os) { *os << c.name; }

class CommandsAfterASolve : public testing_support::EnglishLocaleTest,
                            public testing::WithParamInterface<EnablingCase> { };

TEST_P(CommandsAfterASolve, AreEnabledWhereTheyHaveSomethingToShow)
{
    const EnablingCase& c = GetParam();
    TestWindow window;
    const MainWindow::Actions& actions = window.main->actions();
    EXPECT_FALSE(actions.copySolution->isEnabled());
    EXPECT_FALSE(actions.showWorking->isEnabled());

    window.type(c.rows);
    window.solve();
    EXPECT_EQ(actions.copySolution->isEnabled(), c.copies);
    EXPECT_EQ(actions.copySolutionAsLatex->isEnabled(), c.copies);
    EXPECT_EQ(actions.showWorking->isEnabled(), c.working);
    EXPECT_EQ(window.main->solution().worked() != nullptr, c.working);

    QTest::mouseClick(window.form->command(2), Qt::LeftButton);
    EXPECT_FALSE(actions.copySolution->isEnabled());
    EXPECT_FALSE(actions.showWorking->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Outcomes, CommandsAfterASolve,
    testing::Values(EnablingCase { "Solved", { { "2", "1", "5" }, { "1", "-3", "-8" } }, true, true },
        EnablingCase { "SingularStillHasItsWorking", { { "1", "2", "1" }, { "2", "4", "3" } }, false, true },
        EnablingCase { "BadCellHasNone", { { "1", "x", "1" }, { "2", "4", "3" } }, false, false },
        EnablingCase { "OverflowHasNone", { { "3E+38", "0", "1" }, { "0", "3E+38", "1" } }, false, false }),
    [](const testing::TestParamInfo<EnablingCase>& info) { return std::string(info.param.name); });

struct LocaleCase {
    const char* name;
    QLocale locale;
    std::vector<std::vector<QString>> rows;
    const char* fraction; // x3 exactly
    const char* quotient; // x4 in single precision
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class WorkingWindowInLocale : public testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override { QLocale::setDefault(GetParam().locale); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_P(WorkingWindowInLocale, ShowsTheLastSolveAndFollowsTheNext)
{
    const LocaleCase& c = GetParam();
    TestWindow window;
    window.activate();
    window.layOut(4);
    window.type(c.rows);
    window.solve();
    QTest::keyClick(window.form->cell(1, 1), Qt::Key_D, Qt::ControlModifier);
    WorkingWindow* working = window.main->solution().workingWindow();
    ASSERT_NE(working, nullptr);
    EXPECT_TRUE(working->isVisible());
    const QString shown = working->view()->toPlainText();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(c.fraction))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(c.quotient))) << shown.toStdString();

    // Copy gives the whole working, as text and as HTML.
    working->findChild<QPushButton*>("copyWorking")->click();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(copied->text().contains(QString::fromUtf8(c.fraction)));
    EXPECT_TRUE(copied->html().contains(QString::fromUtf8(c.fraction).section(QStringLiteral(" = "), -1)));

    // The window stays open and shows the next solve.
    window.layOut(2);
    window.type({ { "3", "0", "1" }, { "0", "3", "2" } });
    window.solve();
    EXPECT_TRUE(working->view()->toPlainText().contains(QStringLiteral("d = 3·3 − 0·0 = 9 − 0 = 9")));
}

INSTANTIATE_TEST_SUITE_P(Locales, WorkingWindowInLocale,
    testing::Values(LocaleCase { "English", QLocale(QLocale::English, QLocale::UnitedStates),
                        { { "0", "1", "2", "1", "1" }, { "1", "0", "1", "2", "2" },
                            { "2", "1", "0", "3", "4" }, { "1", "2", "1", "5", "5" } },
                        "x3 = d3/d = −1/12 = −0.08(3)", "d4/d = 0.6666667 в единична точност" },
        LocaleCase { "Bulgarian", QLocale(QLocale::Bulgarian, QLocale::Bulgaria),
            { { "0", "1", "2", "1", "1" }, { "1", "0", "1", "2", "2" }, { "2", "1", "0", "3", "4" },
                { "1", "2", "1", "5", "5" } },
            "x3 = d3/d = −1/12 = −0,08(3)", "d4/d = 0,6666667 в единична точност" }),
    [](const testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

class WorkingFiles : public testing_support::EnglishLocaleTest { };

TEST_F(WorkingFiles, AreWrittenAsHtmlOrPdfAndAFailureIsNamed)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    window.main->actions().showWorking->trigger();
    WorkingWindow& working = *window.main->solution().workingWindow();
    window.boxes.shown.clear();

    QTemporaryDir directory;
    const QString html = directory.filePath("working.html");
    const QString pdf = directory.filePath("working.PDF");
    ASSERT_TRUE(working.saveTo(html, WorkingFormat::Html));
    ASSERT_TRUE(working.saveTo(pdf, WorkingFormat::Pdf));
    QFile htmlFile(html);
    ASSERT_TRUE(htmlFile.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(htmlFile.readAll());
    EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">")));
    EXPECT_TRUE(page.contains(QString::fromUtf8("<h2>Главната детерминанта d</h2>")));
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5) == "%PDF-");
    EXPECT_GT(pdfFile.size(), 2000);
    EXPECT_TRUE(window.boxes.shown.empty());

    const QString nowhere = directory.filePath("missing/working.html");
    EXPECT_FALSE(working.saveTo(nowhere, WorkingFormat::Html));
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown.back().title, QString::fromUtf8("Файлът не е записан"));
    EXPECT_TRUE(window.boxes.shown.back().text.contains(nowhere))
        << window.boxes.shown.back().text.toStdString();
}

TEST(MainWindow, PasteFromTheMenuGoesToTheFocusedCellOrTheFirst)
{
    QApplication::clipboard()->clear();
    TestWindow window;
    window.activate();
    const MainWindow::Actions& actions = window.main->actions();
    // Not asked at start: the menu asks as it opens, the action as it runs.
    actions.paste->trigger();
    EXPECT_TRUE(window.boxes.shown.empty());
    EXPECT_FALSE(actions.paste->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("7"));
    QApplication::clipboard()->clear();
    EXPECT_FALSE(actions.paste->isEnabled());

    QApplication::clipboard()->setText(QStringLiteral("7"));
    ASSERT_TRUE(actions.paste->isEnabled());
    window.form->cell(2, 3)->setFocus();
    actions.paste->trigger();
    EXPECT_EQ(window.form->cell(2, 3)->text(), "7");

    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\t4\n5\t6\t7\t8\n9\t1\t2\t3\n"));
    window.form->command(1)->setFocus();
    actions.paste->trigger();
    EXPECT_EQ(window.form->store().SystemSize, 3) << "a whole system at the first cell lays the grid out";
    EXPECT_EQ(window.form->cell(3, 4)->text(), "3");
}

TEST(MainWindow, F1OpensTheGuideWithItsPicturesAndTheManualPageSaysTheSame)
{
    TestWindow window;
    window.activate();
    QTest::keyClick(window.main.get(), Qt::Key_F1);
    ASSERT_NE(window.main->helpWindow(), nullptr);
    const QTextBrowser* view = window.main->helpWindow()->view();
    const QString guide = view->toPlainText();
    EXPECT_TRUE(guide.contains(QString::fromUtf8("Въвеждане на система")));
    EXPECT_FALSE(view->document()
                     ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("result.png")))
                     .isNull());

    // Every heading of the guide is a section of the manual page's description.
    QFile manual(QStringLiteral(MANUAL_PAGE));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll());
    for (const QString& heading : { QString::fromUtf8("Въвеждане на система"), QString::fromUtf8("Файлове"),
             QString::fromUtf8("Нови задачи"), QString::fromUtf8("Подробното решение") })
        EXPECT_TRUE(page.contains(QStringLiteral(".SS ") + heading)) << heading.toStdString();
}

TEST(MainWindow, AboutNamesTheProgramItsVersionAndLicence)
{
    TestWindow window;
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    window.main->actions().about->trigger();
    ASSERT_EQ(window.boxes.shown.size(), 1u);
    EXPECT_EQ(window.boxes.shown[0].title, QString::fromUtf8("За програмата"));
    for (const char* fragment : { "Метод на Крамер, версия 9.8.7", "GNU General Public License, версия 3" })
        EXPECT_TRUE(window.boxes.shown[0].text.contains(QString::fromUtf8(fragment)));
}

} // namespace
} // namespace cramer
