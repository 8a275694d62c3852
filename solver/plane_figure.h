// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry of a system of two equations in two unknowns, for the two
// pictures drawn of it: each equation as a line in the (x₁, x₂) plane and
// where the lines meet, and d, d₁, d₂ as the signed areas of the
// parallelograms spanned by columns of the matrix. What is exact (the point,
// the areas) stays rational; what is drawn is in doubles.

#include "solver/exact.h"

#include <array>
#include <optional>
#include <vector>

namespace cramer {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// The part of the plane a picture shows, and the values its axes mark.
struct PlaneView {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    std::vector<double> xTicks, yTicks;
    double xStep = 0.0, yStep = 0.0; // between neighbouring ticks

    bool contains(PlanePoint p) const { return p.x >= xMin && p.x <= xMax && p.y >= yMin && p.y <= yMax; }
};

// Equation `row`: a·x₁ + b·x₂ = c.
struct EquationLine {
    int row = 0;
    Rational a, b, c;
    // Where the line enters and leaves the view; none for an equation with
    // no unknown (a = b = 0), which is no line.
    std::optional<std::array<PlanePoint, 2>> drawn;
};

enum class LinesMeet {
    AtOnePoint,
    Parallel, // no common point: no solution
    Same, // one line written twice: infinitely many solutions
    NoLine, // an equation without unknowns
};

struct LinesFigure {
    std::array<EquationLine, 2> lines;
    LinesMeet meet = LinesMeet::AtOnePoint;
    std::optional<std::array<Rational, 2>> point; // with AtOnePoint
    PlaneView view;
};

// `typed`: the two rows a₁₁ a₁₂ b₁, a₂₁ a₂₂ b₂.
LinesFigure linesFigure(const std::vector<Rational>& typed);

// d, d₁ or d₂: the parallelogram spanned by `first` and `second` (columns of
// its matrix), its signed area positive when `second` lies anticlockwise of `first`.
struct SpannedParallelogram {
    int index = 0; // 0 for d
    PlanePoint first, second;
    Rational area;
};

struct AreasFigure {
    std::array<SpannedParallelogram, 3> parts;
    PlaneView view; // one for all three, so that their areas compare
};

AreasFigure areasFigure(const std::vector<Rational>& typed);

// Ticks 1, 2 or 5 · 10^k apart, about `wanted` of them over [low, high].
std::vector<double> niceTicks(double low, double high, int wanted, double* step = nullptr);

} // namespace cramer
