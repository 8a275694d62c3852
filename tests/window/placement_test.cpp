// SPDX-License-Identifier: GPL-3.0-or-later

// Where a window opens beside the form: the side with room, else the
// screen's edge that hides the least of the grid, within the screen.

#include "window/shell/placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace cramer {
namespace {

struct PlacementCase {
    const char* name;
    QRect form; // relative to the screen's available area, as is the rest
    QSize window;
    QRect keep;
    QPoint expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class Placement : public testing::TestWithParam<PlacementCase> { };

TEST_P(Placement, BesideTheFormOrWhereItHidesTheLeastOfTheGrid)
{
    const PlacementCase& c = GetParam();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The cases are drawn for the offscreen platform's screen, 800 wide and
    // less than 900 high.
    ASSERT_EQ(screen.width(), 800);
    ASSERT_LT(screen.height(), 900);
    const QPoint origin = screen.topLeft();
    QWidget form;
    form.setGeometry(c.form.translated(origin));
    QWidget window;
    window.resize(c.window);
    placeBeside(&window, &form, c.keep.translated(origin));
    const QRect placed = window.frameGeometry().translated(-origin);
    EXPECT_EQ(placed.topLeft(), c.expected);
    EXPECT_TRUE(screen.translated(-origin).contains(placed));
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
    testing::Values(PlacementCase { "RightOfTheForm", { 0, 0, 200, 300 }, { 400, 300 }, {}, { 200, 0 } },
        PlacementCase { "LeftOfTheForm", { 400, 50, 400, 300 }, { 300, 300 }, {}, { 100, 50 } },
        // No room either side: the edge away from the grid, though the
        // other side has more room.
        PlacementCase {
            "AwayFromTheGridOnTheLeft", { 30, 0, 760, 300 }, { 500, 300 }, { 40, 40, 260, 200 }, { 300, 0 } },
        PlacementCase {
            "AwayFromTheGridOnTheRight", { 10, 0, 760, 300 }, { 500, 300 }, { 600, 40, 180, 200 }, { 0, 0 } },
        // Both edges hide the grid alike: the roomier side.
        PlacementCase { "RoomierSide", { 30, 0, 760, 300 }, { 790, 300 }, { 40, 40, 700, 200 }, { 0, 0 } },
        // Taller than the screen: as tall as it, at its top.
        PlacementCase {
            "WithinTheScreen", { 0, 200, 790, 300 }, { 500, 900 }, { 0, 240, 300, 200 }, { 300, 0 } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
