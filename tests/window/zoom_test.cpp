// SPDX-License-Identifier: GPL-3.0-or-later

// The form at other zooms: every control scaled and nothing newly
// overlapping, the zoom commands, a window that fits a small screen, and
// the windows beside the form following the zoom.

#include "window/shell/form_area.h"
#include "window/shell/working_window.h"

#include "window_test_support.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>

namespace cramer {
namespace {

using testing_support::TestWindow;

// Every control of the form with its rectangle in the form's coordinates.
std::vector<std::pair<const QWidget*, QRect>> controls(const Form1& form)
{
    std::vector<std::pair<const QWidget*, QRect>> found;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        found.emplace_back(widget, QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size()));
    }
    return found;
}

class FormAtZoom : public testing::TestWithParam<double> { };

TEST_P(FormAtZoom, IsTheDesignScaledWithNothingNewlyOverlapping)
{
    const double zoom = GetParam();
    TestWindow window;
    window.type({ { "-1.234568E+07", "2", "3" }, { "4", "5", "6" } });
    window.solve();
    const auto atOne = controls(*window.form);
    window.form->setZoom(zoom);
    const auto scaled = controls(*window.form);
    ASSERT_EQ(scaled.size(), atOne.size());
    ASSERT_EQ(scaled.size(), 249u); // frames, options, cells, labels, commands, list, picture, bars

    EXPECT_EQ(window.form->size(), QSize(std::floor(839 * zoom + 1e-6), std::floor(587 * zoom + 1e-6)));
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        const QRect& before = atOne[i].second;
        const QRect& after = scaled[i].second;
        const QString name = scaled[i].first->objectName();
        // Bars are as much thicker as they are longer: their boxes are not the design's rectangles.
        if (name.startsWith(QStringLiteral("Line")))
            continue;
        EXPECT_LE(std::abs(after.left() - before.left() * zoom), 1.0 + zoom) << name.toStdString();
        EXPECT_LE(std::abs(after.top() - before.top() * zoom), 1.0 + zoom) << name.toStdString();
        EXPECT_LE(std::abs(after.width() - before.width() * zoom), 1.0 + zoom) << name.toStdString();
        EXPECT_LE(std::abs(after.height() - before.height() * zoom), 1.0 + zoom) << name.toStdString();
    }
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        for (std::size_t j = i + 1; j < scaled.size(); ++j) {
            if (scaled[i].first->parentWidget() != scaled[j].first->parentWidget())
                continue;
            if (!atOne[i].second.intersects(atOne[j].second)) {
                EXPECT_FALSE(scaled[i].second.intersects(scaled[j].second))
                    << scaled[i].first->objectName().toStdString() << " and "
                    << scaled[j].first->objectName().toStdString();
            }
        }
    }
    // The fonts grew with the form.
    EXPECT_EQ(window.form->cell(1, 2)->font().pixelSize(), std::lround(16 * zoom));

    window.form->setZoom(1.0);
    const auto back = controls(*window.form);
    for (std::size_t i = 0; i < back.size(); ++i)
        EXPECT_EQ(back[i].second, atOne[i].second) << back[i].first->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Factors, FormAtZoom, testing::Values(0.5, 1.5, 2.0, 3.0),
    [](const testing::TestParamInfo<double>& info) { return std::to_string(std::lround(info.param * 100)); });

TEST(Zoom, StepsByTheMenuAndIsRememberedOnlyWhenChosenByHand)
{
    QSettings().remove(QStringLiteral("view/zoom"));
    TestWindow window;
    const MainWindow::Actions& actions = window.main->actions();
    EXPECT_TRUE(actions.zoomIn->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    EXPECT_EQ(actions.zoomNormal->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));

    window.main->zoom().fitInto(QRect(0, 0, 4000, 3000));
    EXPECT_FALSE(QSettings().contains(QStringLiteral("view/zoom")));
    actions.zoomIn->trigger();
    actions.zoomIn->trigger();
    EXPECT_DOUBLE_EQ(window.form->zoom(), 1.25);
    actions.zoomOut->trigger();
    EXPECT_DOUBLE_EQ(window.form->zoom(), 1.1);
    EXPECT_DOUBLE_EQ(QSettings().value(QStringLiteral("view/zoom")).toDouble(), 1.1);
    EXPECT_EQ(window.main->size(), window.main->zoom().windowSizeAt(1.1));

    TestWindow next;
    next.main->zoom().restore();
    EXPECT_DOUBLE_EQ(next.form->zoom(), 1.1);
    actions.zoomNormal->trigger();
    EXPECT_DOUBLE_EQ(window.form->zoom(), 1.0);
    for (int i = 0; i < 20; ++i)
        actions.zoomOut->trigger();
    EXPECT_DOUBLE_EQ(window.form->zoom(), 0.5);
    QSettings().remove(QStringLiteral("view/zoom"));
}

TEST(Zoom, ResizingScalesTheFormToTheLargestThatFits)
{
    TestWindow window;
    window.activate();
    const int bar = window.main->menuBar()->height();
    window.main->resize(1678 + 200, 1174 + bar);
    QTest::qWait(20);
    EXPECT_NEAR(window.form->zoom(), 2.0, 0.002);
    window.main->resize(600, 500 + bar);
    QTest::qWait(20);
    EXPECT_LE(window.form->width(), 600);
    EXPECT_LE(window.form->height(), 500);
    EXPECT_GE(window.form->width(), 599);
}

TEST(Zoom, StartsSmallerWhereTheScreenCannotHoldTheForm)
{
    TestWindow window;
    window.main->zoom().fitInto(QRect(0, 0, 1024, 600));
    const QSize frame = window.main->size() + ZoomController::kFrameAllowance;
    EXPECT_LE(frame.width(), 1024);
    EXPECT_LE(frame.height(), 600);
    EXPECT_LT(window.form->zoom(), 1.0);
    EXPECT_GT(window.form->zoom(), 0.85);

    TestWindow large;
    large.main->zoom().fitInto(QRect(0, 0, 1920, 1080));
    EXPECT_DOUBLE_EQ(large.form->zoom(), 1.0) << "a screen that holds the form keeps it at 100 %";
}

TEST(Zoom, TheWorkingWindowFollowsIt)
{
    TestWindow window;
    window.type({ { "2", "1", "5" }, { "1", "-3", "-8" } });
    window.solve();
    window.main->solution().showWorking();
    const QFont before = window.main->solution().workingWindow()->view()->font();
    window.main->zoom().byHand(2.0);
    const QFont after = window.main->solution().workingWindow()->view()->font();
    EXPECT_NEAR(after.pointSizeF(), 2 * before.pointSizeF(), 0.01);
    window.main->zoom().byHand(1.0);
    QSettings().remove(QStringLiteral("view/zoom"));
}

} // namespace
} // namespace cramer
