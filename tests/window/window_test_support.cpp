// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_test_support.h"

#include "window/shell/kept_grid.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace cramer::testing_support {

namespace {

// A fresh start has no grid kept by a window closed before.
std::unique_ptr<MainWindow> startedWindow(MessageBoxes& boxes, TestWindow::Start start)
{
    if (start == TestWindow::Start::Fresh)
        QFile::remove(keptGridPath());
    return std::make_unique<MainWindow>(boxes);
}

} // namespace

TestWindow::TestWindow(Start start)
    : main(startedWindow(boxes, start))
    , form(main->form())
{
}

void TestWindow::activate()
{
    main->show();
    QApplication::setActiveWindow(main.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
}

void TestWindow::layOut(int n)
{
    form->option(n - 1)->setChecked(true);
    QTest::mouseClick(form->command(1), Qt::LeftButton);
}

void TestWindow::type(const std::vector<std::vector<QString>>& rows)
{
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            form->cell(static_cast<int>(row) + 1, static_cast<int>(column) + 1)->setText(rows[row][column]);
}

void TestWindow::solve() { QTest::mouseClick(form->command(3), Qt::LeftButton); }

std::vector<QString> TestWindow::texts(int rows, int columns) const
{
    std::vector<QString> result;
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            result.push_back(form->cell(row, column)->text());
    return result;
}

WorkedSolution workedSolutionOf(const std::vector<std::vector<std::string>>& rows, const NumberLocale& locale)
{
    TypedSystem system { static_cast<int>(rows.size()), {} };
    for (const auto& row : rows)
        system.texts.insert(system.texts.end(), row.begin(), row.end());
    return WorkedSolution(solveQuietly(system.n, system.texts, locale));
}

void EnglishLocaleTest::SetUp() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
void EnglishLocaleTest::TearDown() { QLocale::setDefault(QLocale::system()); }

QColor activeCellColour() { return QApplication::palette().color(QPalette::Base); }
QColor inactiveCellColour() { return QColor(0, 192, 0); }
QColor cellColour(const GridCell* cell) { return cell->palette().color(QPalette::Base); }

} // namespace cramer::testing_support
