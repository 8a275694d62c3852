// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/plane_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace cramer {
namespace {

Rational tenTo(int exponent)
{
    Rational value(1);
    for (int i = 0; i < std::abs(exponent); ++i)
        value = exponent > 0 ? value * Rational(10) : value / Rational(10);
    return value;
}

struct LinesCase {
    const char* name;
    std::vector<Rational> typed; // a₁₁ a₁₂ b₁ a₂₁ a₂₂ b₂
    LinesMeet meet;
    std::optional<std::array<Rational, 2>> point;
    bool crossingsInView = true; // every crossing of an axis is in view
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

std::vector<Rational> row(long a, long b, long c, long d, long e, long f)
{
    return { Rational(a), Rational(b), Rational(c), Rational(d), Rational(e), Rational(f) };
}

class Lines : public testing::TestWithParam<LinesCase> { };

TEST_P(Lines, MeetWhereTheSystemSaysAndAllThatMattersIsInView)
{
    const LinesCase& c = GetParam();
    const LinesFigure figure = linesFigure(c.typed);
    EXPECT_EQ(figure.meet, c.meet);
    ASSERT_EQ(figure.point.has_value(), c.point.has_value());
    const PlaneView& view = figure.view;
    EXPECT_TRUE(view.contains({ 0.0, 0.0 })) << "the axes cross in view";
    if (c.point) {
        EXPECT_EQ((*figure.point)[0], (*c.point)[0]);
        EXPECT_EQ((*figure.point)[1], (*c.point)[1]);
        const PlanePoint point { (*c.point)[0].toDouble(), (*c.point)[1].toDouble() };
        EXPECT_TRUE(view.contains(point));
        // Not lost in a corner: the view is no more than a few times the point's reach.
        const double reach = std::max({ std::abs(point.x), std::abs(point.y) });
        if (reach > 0) {
            EXPECT_LT(std::max(view.xMax - view.xMin, view.yMax - view.yMin), 30 * reach);
        }
    }
    for (const EquationLine& line : figure.lines) {
        if (line.a.isZero() && line.b.isZero()) {
            EXPECT_FALSE(line.drawn);
            continue;
        }
        ASSERT_TRUE(line.drawn) << "line " << line.row;
        const double a = line.a.toDouble(), b = line.b.toDouble(), cc = line.c.toDouble();
        const double scale = std::max({ std::abs(a), std::abs(b) })
            * std::max(
                { std::abs(view.xMin), std::abs(view.xMax), std::abs(view.yMin), std::abs(view.yMax) });
        for (const PlanePoint& end : *line.drawn) {
            EXPECT_NEAR(a * end.x + b * end.y, cc, 1e-9 * scale) << "line " << line.row;
            EXPECT_TRUE(view.contains(end));
        }
        if (c.crossingsInView && !line.a.isZero()) {
            EXPECT_TRUE(view.contains({ (line.c / line.a).toDouble(), 0.0 })) << "line " << line.row;
        }
        if (c.crossingsInView && !line.b.isZero()) {
            EXPECT_TRUE(view.contains({ 0.0, (line.c / line.b).toDouble() })) << "line " << line.row;
        }
    }
    for (const auto& [ticks, low, high, step] :
        { std::tuple { &view.xTicks, view.xMin, view.xMax, view.xStep },
            std::tuple { &view.yTicks, view.yMin, view.yMax, view.yStep } }) {
        EXPECT_GE(ticks->size(), 3u);
        EXPECT_LE(ticks->size(), 15u);
        for (std::size_t i = 0; i < ticks->size(); ++i) {
            EXPECT_GE((*ticks)[i], low);
            EXPECT_LE((*ticks)[i], high);
            if (i > 0) {
                EXPECT_NEAR((*ticks)[i] - (*ticks)[i - 1], step, step * 1e-9);
            }
        }
    }
}

Rational q(long numerator, long denominator) { return Rational(numerator) / Rational(denominator); }

INSTANTIATE_TEST_SUITE_P(Systems, Lines,
    testing::Values(LinesCase { "Crossed", row(2, 1, 5, 1, -3, -8), LinesMeet::AtOnePoint,
                        std::array { Rational(1), Rational(3) } },
        LinesCase {
            "Fractions", row(3, 2, 1, 1, -4, 2), LinesMeet::AtOnePoint, std::array { q(4, 7), q(-5, 14) } },
        LinesCase { "VerticalAndLevel", row(1, 0, 2, 0, 1, 3), LinesMeet::AtOnePoint,
            std::array { Rational(2), Rational(3) } },
        LinesCase { "ThroughTheOrigin", row(1, -1, 0, 1, 1, 0), LinesMeet::AtOnePoint,
            std::array { Rational(0), Rational(0) } },
        LinesCase { "Huge", { tenTo(30), tenTo(30), tenTo(31), tenTo(30), -tenTo(30), Rational(0) },
            LinesMeet::AtOnePoint, std::array { Rational(5), Rational(5) } },
        LinesCase { "TinyPoint",
            { Rational(1), Rational(1), tenTo(-20), Rational(1), Rational(-1), Rational(0) },
            LinesMeet::AtOnePoint, std::array { tenTo(-20) / Rational(2), tenTo(-20) / Rational(2) } },
        // Nearly level: its crossing of the x₁ axis is a million units out.
        LinesCase { "FarCrossing",
            { Rational(1), tenTo(6), tenTo(6), Rational(1), Rational(-1), Rational(0) },
            LinesMeet::AtOnePoint,
            std::array { tenTo(6) / (tenTo(6) + Rational(1)), tenTo(6) / (tenTo(6) + Rational(1)) }, false },
        LinesCase { "Parallel", row(1, 2, 3, 2, 4, 7), LinesMeet::Parallel, std::nullopt },
        LinesCase { "Same", row(1, 2, 3, -2, -4, -6), LinesMeet::Same, std::nullopt },
        LinesCase { "NoUnknown", row(0, 0, 5, 1, 1, 2), LinesMeet::NoLine, std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Areas, AreTheDeterminantsWithTheirSignsAndShareOneSquareView)
{
    // d = 2·(−3) − 1·1 = −7, d₁ = 5·(−3) − 1·(−8) = −7, d₂ = 2·(−8) − 5·1 = −21.
    const AreasFigure figure = areasFigure(row(2, 1, 5, 1, -3, -8));
    const std::array<long, 3> areas { -7, -7, -21 };
    for (std::size_t k = 0; k < 3; ++k) {
        const SpannedParallelogram& part = figure.parts[k];
        EXPECT_EQ(part.area, Rational(areas[k])) << k;
        for (const PlanePoint corner : { part.first, part.second,
                 PlanePoint { part.first.x + part.second.x, part.first.y + part.second.y } })
            EXPECT_TRUE(figure.view.contains(corner)) << k;
    }
    EXPECT_DOUBLE_EQ(figure.view.xMax - figure.view.xMin, figure.view.yMax - figure.view.yMin);
}

} // namespace
} // namespace cramer
