// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/plane_figure.h"

#include <algorithm>
#include <cmath>

namespace cramer {

namespace {

// An axis crossing farther out than this many times the distance of the
// point that matters (the intersection, or the line nearest the origin)
// would squeeze everything else into a corner: it is left out of view.
constexpr double kFarthestCrossing = 10.0;
constexpr int kTicksWanted = 6;
constexpr double kMargin = 0.12; // of the span, on each side

struct Box {
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;

    void add(PlanePoint p)
    {
        xMin = std::min(xMin, p.x);
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
};

double chebyshev(PlanePoint p) { return std::max(std::abs(p.x), std::abs(p.y)); }

// Widens [low, high] about its middle to at least `span`.
void widen(double& low, double& high, double span)
{
    if (high - low >= span)
        return;
    const double middle = low / 2 + high / 2;
    low = middle - span / 2;
    high = middle + span / 2;
}

PlaneView viewOf(Box box, bool square)
{
    double span = std::max(box.xMax - box.xMin, box.yMax - box.yMin);
    if (!(span > 0.0) || !std::isfinite(span))
        span = 10.0; // everything at the origin: lines through it look alike at every scale
    // Neither side thinner than half the other (a square shows true shapes).
    const double least = square ? span : span / 2;
    widen(box.xMin, box.xMax, least);
    widen(box.yMin, box.yMax, least);
    // A margin, so that nothing shown sits on the edge.
    const double marginX = (box.xMax - box.xMin) * kMargin;
    const double marginY = (box.yMax - box.yMin) * kMargin;
    PlaneView view;
    view.xMin = box.xMin - marginX;
    view.xMax = box.xMax + marginX;
    view.yMin = box.yMin - marginY;
    view.yMax = box.yMax + marginY;
    view.xTicks = niceTicks(view.xMin, view.xMax, kTicksWanted, &view.xStep);
    view.yTicks = niceTicks(view.yMin, view.yMax, kTicksWanted, &view.yStep);
    return view;
}

// Where a·x + b·y = c enters and leaves the view, if it crosses it.
std::optional<std::array<PlanePoint, 2>> clipped(const EquationLine& line, const PlaneView& view)
{
    double a = line.a.toDouble();
    double b = line.b.toDouble();
    double c = line.c.toDouble();
    const double scale = std::max(std::abs(a), std::abs(b));
    if (scale == 0.0 || !std::isfinite(scale))
        return std::nullopt;
    a /= scale;
    b /= scale;
    c /= scale;
    // A hair of slack, so that a line through a corner is not lost to rounding.
    const double slackX = (view.xMax - view.xMin) * 1e-9;
    const double slackY = (view.yMax - view.yMin) * 1e-9;
    std::vector<PlanePoint> found;
    for (double x : { view.xMin, view.xMax })
        if (b != 0.0)
            if (const double y = (c - a * x) / b; y >= view.yMin - slackY && y <= view.yMax + slackY)
                found.push_back({ x, std::clamp(y, view.yMin, view.yMax) });
    for (double y : { view.yMin, view.yMax })
        if (a != 0.0)
            if (const double x = (c - b * y) / a; x >= view.xMin - slackX && x <= view.xMax + slackX)
                found.push_back({ std::clamp(x, view.xMin, view.xMax), y });
    if (found.size() < 2)
        return std::nullopt;
    std::array<PlanePoint, 2> ends { found[0], found[1] };
    double longest = -1.0;
    for (std::size_t i = 0; i < found.size(); ++i)
        for (std::size_t j = i + 1; j < found.size(); ++j)
            if (const double length = std::hypot(found[i].x - found[j].x, found[i].y - found[j].y);
                length > longest) {
                longest = length;
                ends = { found[i], found[j] };
            }
    return ends;
}

PlanePoint pointOf(const Rational& x, const Rational& y) { return { x.toDouble(), y.toDouble() }; }

} // namespace

std::vector<double> niceTicks(double low, double high, int wanted, double* step)
{
    std::vector<double> ticks;
    const double raw = (high - low) / wanted;
    if (!(raw > 0.0) || !std::isfinite(raw))
        return ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double nice = (fraction < 1.5 ? 1.0 : fraction < 3.5 ? 2.0 : fraction < 7.5 ? 5.0 : 10.0) * power;
    if (step)
        *step = nice;
    for (double k = std::ceil(low / nice); k * nice <= high; k += 1.0)
        ticks.push_back(k == 0.0 ? 0.0 : k * nice);
    return ticks;
}

LinesFigure linesFigure(const std::vector<Rational>& typed)
{
    LinesFigure figure;
    for (int i = 0; i < 2; ++i)
        figure.lines[i] = { i + 1, typed[i * 3], typed[i * 3 + 1], typed[i * 3 + 2], std::nullopt };
    const EquationLine& first = figure.lines[0];
    const EquationLine& second = figure.lines[1];
    const auto noUnknown = [](const EquationLine& line) { return line.a.isZero() && line.b.isZero(); };
    const Rational d = first.a * second.b - second.a * first.b;
    if (noUnknown(first) || noUnknown(second)) {
        figure.meet = LinesMeet::NoLine;
    } else if (!d.isZero()) {
        figure.meet = LinesMeet::AtOnePoint;
        figure.point = std::array<Rational, 2> { (first.c * second.b - second.c * first.b) / d,
            (first.a * second.c - second.a * first.c) / d };
    } else {
        const bool proportional
            = first.a * second.c == second.a * first.c && first.b * second.c == second.b * first.c;
        figure.meet = proportional ? LinesMeet::Same : LinesMeet::Parallel;
    }

    Box box;
    double reach = 0.0;
    if (figure.point) {
        const PlanePoint point = pointOf((*figure.point)[0], (*figure.point)[1]);
        box.add(point);
        reach = chebyshev(point);
    }
    for (const EquationLine& line : figure.lines) {
        if (noUnknown(line))
            continue;
        // The line's point nearest the origin: c / (a² + b²) · (a, b).
        const Rational along = line.c / (line.a * line.a + line.b * line.b);
        const PlanePoint foot = pointOf(along * line.a, along * line.b);
        box.add(foot);
        reach = std::max(reach, chebyshev(foot));
    }
    for (const EquationLine& line : figure.lines) {
        std::vector<PlanePoint> crossings;
        if (!line.a.isZero())
            crossings.push_back({ (line.c / line.a).toDouble(), 0.0 });
        if (!line.b.isZero())
            crossings.push_back({ 0.0, (line.c / line.b).toDouble() });
        for (PlanePoint crossing : crossings)
            if (chebyshev(crossing) <= kFarthestCrossing * reach)
                box.add(crossing);
    }
    figure.view = viewOf(box, false);
    for (EquationLine& line : figure.lines)
        line.drawn = clipped(line, figure.view);
    return figure;
}

AreasFigure areasFigure(const std::vector<Rational>& typed)
{
    // Columns of the matrix: a₁ = (a₁₁, a₂₁), a₂ = (a₁₂, a₂₂), b = (b₁, b₂).
    const std::array<std::array<const Rational*, 2>, 3> columns { {
        { &typed[0], &typed[3] },
        { &typed[1], &typed[4] },
        { &typed[2], &typed[5] },
    } };
    // d spans a₁, a₂; d₁ has b in place of a₁, d₂ in place of a₂.
    constexpr std::array<std::array<int, 2>, 3> spans { { { 0, 1 }, { 2, 1 }, { 0, 2 } } };
    AreasFigure figure;
    Box box;
    for (int index = 0; index < 3; ++index) {
        const auto& first = columns[spans[index][0]];
        const auto& second = columns[spans[index][1]];
        SpannedParallelogram& part = figure.parts[index];
        part.index = index;
        part.first = pointOf(*first[0], *first[1]);
        part.second = pointOf(*second[0], *second[1]);
        part.area = *first[0] * *second[1] - *first[1] * *second[0];
        box.add(part.first);
        box.add(part.second);
        box.add({ part.first.x + part.second.x, part.first.y + part.second.y });
    }
    figure.view = viewOf(box, true);
    return figure;
}

} // namespace cramer
