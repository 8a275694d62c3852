// SPDX-License-Identifier: GPL-3.0-or-later

// An arrow's head lies on its own stroke and points to its end, however
// short the stroke beside the others of its picture.

#include "report/figure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cramer {
namespace {

struct ArrowCase {
    Stroke stroke;
};

class ArrowHead : public testing::TestWithParam<ArrowCase> { };

TEST_P(ArrowHead, SitsOnItsStrokeAndPointsToItsEnd)
{
    const Stroke& stroke = GetParam().stroke;
    const auto head = arrowHead(stroke);
    const double dx = stroke.to.x - stroke.from.x;
    const double dy = stroke.to.y - stroke.from.y;
    const double length = std::hypot(dx, dy);
    EXPECT_EQ(head[0].x, stroke.to.x);
    EXPECT_EQ(head[0].y, stroke.to.y);
    for (const DrawnPoint& corner : { head[1], head[2] }) {
        // How far along the stroke, from its start, a back corner lies.
        const double along = ((corner.x - stroke.from.x) * dx + (corner.y - stroke.from.y) * dy) / length;
        EXPECT_GE(along, length / 2 - 1e-9) << "the head reaches back past the stroke's middle";
        EXPECT_LT(along, length) << "the head points back";
    }
}

INSTANTIATE_TEST_SUITE_P(Strokes, ArrowHead,
    testing::Values(ArrowCase { { { 0, 0 }, { 100, 0 }, Ink::Axis, 0.75, false, true } },
        ArrowCase { { { 22.65, 125.61 }, { 23.67, 124.60 }, Ink::FirstLine, 1.4, false, true } },
        ArrowCase { { { 50, 50 }, { 46, 53 }, Ink::SecondLine, 1.4, true, true } },
        ArrowCase { { { 10, 10 }, { 10, -90 }, Ink::Axis, 0.75, false, true } }));

} // namespace
} // namespace cramer
