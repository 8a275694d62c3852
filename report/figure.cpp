// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/figure.h"
#include "report/working_forms.h"

#include "report/runs.h"
#include "report/texts.h"
#include "report/working_texts.h"

#include <QStringBuilder>

#include <algorithm>
#include <climits>

#include <cmath>

namespace cramer {
namespace {

using texts::qtText;

// The lines' picture: a plot and, under it, a legend of two rows.
constexpr double kPlotLeft = 40.0;
constexpr double kPlotTop = 10.0;
constexpr double kPlotWidth = 280.0;
constexpr double kPlotHeight = 190.0;
constexpr double kLegendRow = 15.0;
// The areas' picture: three square panels side by side.
constexpr double kPanel = 128.0;
constexpr double kPanelGap = 26.0;
constexpr double kMargin = 10.0;
constexpr double kTick = 3.0;

// Maps the plane's view onto a rectangle of the drawing.
class Frame {
public:
    Frame(const PlaneView& view, double left, double top, double width, double height)
        : view_(view)
        , left_(left)
        , top_(top)
        , width_(width)
        , height_(height)
    {
    }
    double x(double planeX) const
    {
        return left_ + (planeX - view_.xMin) / (view_.xMax - view_.xMin) * width_;
    }
    double y(double planeY) const
    {
        return top_ + (view_.yMax - planeY) / (view_.yMax - view_.yMin) * height_;
    }
    DrawnPoint at(PlanePoint p) const { return { x(p.x), y(p.y) }; }
    double left() const { return left_; }
    double right() const { return left_ + width_; }
    double top() const { return top_; }
    double bottom() const { return top_ + height_; }

private:
    const PlaneView& view_;
    double left_, top_, width_, height_;
};

// A tick's value as the axis writes it: plain digits, or a power of ten
// when the ticks are very large or very small.
Runs tickText(double value, double step, const QString& point)
{
    const int power = static_cast<int>(std::floor(std::log10(step) + 1e-9));
    WrittenNumber number;
    number.negative = value < 0;
    const double magnitude = std::abs(value);
    if (power >= -4 && power <= 5) {
        number.digits = QString::number(magnitude, 'f', std::max(0, -power));
        number.digits.replace(QLatin1Char('.'), point);
    } else {
        number.digits = QString::number(std::llround(magnitude / std::pow(10.0, power)));
        number.scaled = true;
        number.exponent = power;
    }
    return { numberRun(number) };
}

void axes(Drawing& drawing, const Frame& frame, const PlaneView& view, const QString& point, bool numbered)
{
    const double y0 = frame.y(0.0);
    const double x0 = frame.x(0.0);
    drawing.strokes.push_back({ { frame.left(), y0 }, { frame.right(), y0 }, Ink::Axis, 0.75, false, true });
    drawing.strokes.push_back({ { x0, frame.bottom() }, { x0, frame.top() }, Ink::Axis, 0.75, false, true });
    // The last tick stays clear of the arrow's head.
    const double clear = 8.0;
    for (double tick : view.xTicks) {
        const double x = frame.x(tick);
        if (tick == 0.0 || x > frame.right() - clear)
            continue;
        drawing.strokes.push_back({ { x, y0 - kTick / 2 }, { x, y0 + kTick / 2 }, Ink::Axis, 0.75 });
        if (numbered)
            drawing.labels.push_back(
                { { x, y0 + kTick }, tickText(tick, view.xStep, point), Label::Across::Middle,
                    Label::Along::Below, 7.0, Ink::Text, Label::Moves::AcrossAxis, { x, y0 } });
    }
    for (double tick : view.yTicks) {
        const double y = frame.y(tick);
        if (tick == 0.0 || y < frame.top() + clear)
            continue;
        drawing.strokes.push_back({ { x0 - kTick / 2, y }, { x0 + kTick / 2, y }, Ink::Axis, 0.75 });
        if (numbered)
            drawing.labels.push_back(
                { { x0 - kTick - 1.0, y }, tickText(tick, view.yStep, point), Label::Across::End,
                    Label::Along::Middle, 7.0, Ink::Text, Label::Moves::AcrossAxis, { x0, y } });
    }
    if (numbered) {
        drawing.labels.push_back(
            { { x0 - 2.0, y0 + 2.0 }, { numberRun(WrittenNumber { false, QStringLiteral("0") }) },
                Label::Across::End, Label::Along::Below, 7.0 });
        drawing.labels.push_back({ { frame.right(), y0 - 4.0 }, { nameRun('x', 1) }, Label::Across::End,
            Label::Along::Above, 9.0 });
        drawing.labels.push_back({ { x0 + 6.0, frame.top() }, { nameRun('x', 2) }, Label::Across::Start,
            Label::Along::Below, 9.0 });
    }
}

Runs hiddenOr(bool hidden, const Runs& value)
{
    return hidden ? Runs { textRun(qtText(texts::kFigureUnknownValue)) } : value;
}

Runs pointText(const FigureBlock& figure, const FigureSecrets& secrets)
{
    return Runs { textRun(QStringLiteral("(")) }
    << hiddenOr(secrets.point, figure.coordinates[0]) << textRun(QStringLiteral("; "))
    << hiddenOr(secrets.point, figure.coordinates[1]) << textRun(QStringLiteral(")"));
}

Runs areaText(const FigureBlock& figure, const FigureSecrets& secrets, int index)
{
    return Runs { nameRun('d', index), operatorRun("=") } << hiddenOr(
               secrets.areas[static_cast<std::size_t>(index)], figure.areas[static_cast<std::size_t>(index)]);
}

// The point's label in the corner around it farthest from both lines and
// the axes, and where the label fits.
Label pointLabel(DrawnPoint at, const LinesFigure& figure, const Frame& frame, Runs text)
{
    Label label { {}, std::move(text), Label::Across::Start, Label::Along::Above, 9.0, Ink::Point,
        Label::Moves::Around, at };
    // Its width, roughly: half a size to a character.
    const double room = 0.55 * label.size * static_cast<double>(labelText(label.text).size()) + 8.0;
    double best = -1.0;
    for (const double dx : { 1.0, -1.0 }) {
        for (const double dy : { -1.0, 1.0 }) {
            const bool fits = (dx > 0 ? frame.right() - at.x : at.x - frame.left()) > room
                && (dy < 0 ? at.y - frame.top() : frame.bottom() - at.y) > 16.0;
            // The least angle to a line or an axis, by its sine.
            double clearance = 1.0;
            const auto away = [&](double ux, double uy) {
                const double length = std::hypot(ux, uy);
                if (length > 0)
                    clearance = std::min(clearance, std::abs(dx * uy - dy * ux) / (length * std::sqrt(2.0)));
            };
            for (const EquationLine& line : figure.lines)
                if (line.drawn)
                    away(frame.x((*line.drawn)[1].x) - frame.x((*line.drawn)[0].x),
                        frame.y((*line.drawn)[1].y) - frame.y((*line.drawn)[0].y));
            if (std::abs(at.x - frame.x(0.0)) < room && (dx < 0) == (at.x > frame.x(0.0)))
                away(0.0, 1.0);
            if (std::abs(at.y - frame.y(0.0)) < 16.0 && (dy < 0) == (at.y > frame.y(0.0)))
                away(1.0, 0.0);
            const double score = clearance + (fits ? 1.0 : 0.0);
            if (score > best) {
                best = score;
                label.at = { at.x + 5.0 * dx, at.y + 4.0 * dy };
                label.across = dx > 0 ? Label::Across::Start : Label::Across::End;
                label.along = dy < 0 ? Label::Along::Above : Label::Along::Below;
            }
        }
    }
    return label;
}

void linesDrawing(Drawing& drawing, const FigureBlock& block, const LinesFigure& figure,
    const FigureSecrets& secrets, const QString& point)
{
    const Frame frame(figure.view, kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight);
    axes(drawing, frame, figure.view, point, true);
    for (std::size_t i = 0; i < 2; ++i) {
        const EquationLine& line = figure.lines[i];
        const Ink ink = i == 0 ? Ink::FirstLine : Ink::SecondLine;
        if (line.drawn)
            drawing.strokes.push_back(
                { frame.at((*line.drawn)[0]), frame.at((*line.drawn)[1]), ink, 1.6, i == 1, false });
        const double y = frame.bottom() + 22.0 + kLegendRow * static_cast<double>(i);
        drawing.strokes.push_back({ { kPlotLeft, y }, { kPlotLeft + 24.0, y }, ink, 1.6, i == 1, false });
        drawing.labels.push_back(
            { { kPlotLeft + 30.0, y }, block.equations[i], Label::Across::Start, Label::Along::Middle, 9.0 });
    }
    if (figure.point) {
        const DrawnPoint at = frame.at({ (*figure.point)[0].toDouble(), (*figure.point)[1].toDouble() });
        drawing.dots.push_back({ at, 3.0, Ink::Point });
        drawing.labels.push_back(pointLabel(at, figure, frame, pointText(block, secrets)));
    }
    drawing.width = kPlotLeft + kPlotWidth + kMargin;
    drawing.height = frame.bottom() + 22.0 + kLegendRow * 2.0;
}

void areasDrawing(Drawing& drawing, const FigureBlock& block, const AreasFigure& figure,
    const FigureSecrets& secrets, const QString& point)
{
    for (std::size_t k = 0; k < 3; ++k) {
        const SpannedParallelogram& part = figure.parts[k];
        const double left = kMargin + static_cast<double>(k) * (kPanel + kPanelGap);
        const Frame frame(figure.view, left, kMargin, kPanel, kPanel);
        axes(drawing, frame, figure.view, point, false);
        const DrawnPoint origin = frame.at({ 0.0, 0.0 });
        const DrawnPoint first = frame.at(part.first);
        const DrawnPoint second = frame.at(part.second);
        const DrawnPoint far = frame.at({ part.first.x + part.second.x, part.first.y + part.second.y });
        if (const int sign = part.area.sign(); sign != 0)
            drawing.shapes.push_back({ { origin, first, far, second },
                sign > 0 ? Ink::PositiveFill : Ink::NegativeFill, Ink::Axis, sign < 0 });
        // a₁, a₂ or b: which columns span this one.
        const auto name = [&](bool firstOne) -> Runs {
            const bool b = (part.index == 1 && firstOne) || (part.index == 2 && !firstOne);
            return b ? Runs { nameRun('b', 0) } : Runs { nameRun('a', firstOne ? 1 : 2) };
        };
        for (const bool firstOne : { true, false }) {
            const DrawnPoint tip = firstOne ? first : second;
            drawing.strokes.push_back(
                { origin, tip, firstOne ? Ink::FirstLine : Ink::SecondLine, 1.4, !firstOne, true });
            drawing.labels.push_back({ { tip.x + (tip.x >= origin.x ? 3.0 : -3.0), tip.y }, name(firstOne),
                tip.x >= origin.x ? Label::Across::Start : Label::Across::End,
                tip.y <= origin.y ? Label::Along::Above : Label::Along::Below, 9.0, Ink::Text,
                Label::Moves::Around, tip });
        }
        drawing.labels.push_back({ { left + kPanel / 2, kMargin + kPanel + 6.0 },
            areaText(block, secrets, static_cast<int>(k)), Label::Across::Middle, Label::Along::Below, 9.0 });
    }
    drawing.width = kMargin * 2 + 3 * kPanel + 2 * kPanelGap;
    drawing.height = kMargin + kPanel + 6.0 + 16.0;
}

// A label's box, roughly: half its size to a character, its size high,
// with a point of room around it.
struct Box {
    double left, top, right, bottom;
};

Box boxOf(const Label& label)
{
    const double width = 0.55 * label.size * static_cast<double>(labelText(label.text).size());
    const double height = label.size;
    const double left = label.across == Label::Across::Start ? label.at.x
        : label.across == Label::Across::Middle              ? label.at.x - width / 2
                                                             : label.at.x - width;
    const double top = label.along == Label::Along::Above ? label.at.y - height
        : label.along == Label::Along::Middle             ? label.at.y - height / 2
                                                          : label.at.y;
    return { left - 1.0, top - 1.0, left + width + 1.0, top + height + 1.0 };
}

bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the segment from `p` to `q` passes through the box (Liang–Barsky).
bool crosses(const Box& box, DrawnPoint p, DrawnPoint q)
{
    double from = 0.0;
    double to = 1.0;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    for (const auto& [direction, distance] :
        { std::pair { -dx, p.x - box.left }, std::pair { dx, box.right - p.x },
            std::pair { -dy, p.y - box.top }, std::pair { dy, box.bottom - p.y } }) {
        if (direction == 0.0) {
            if (distance < 0.0)
                return false;
            continue;
        }
        const double t = distance / direction;
        if (direction < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
}

// The places a label may take, its own first.
std::vector<Label> placesOf(const Label& label)
{
    std::vector<Label> places { label };
    const DrawnPoint a = label.anchor;
    if (label.moves == Label::Moves::AcrossAxis) {
        // A tick's number on either side of its axis, centred on the tick or
        // beside it, away from a line through the tick.
        const bool xAxis = label.along == Label::Along::Below;
        for (const double side : { 1.0, -1.0 })
            for (const int beside : { 0, 1, -1 }) {
                Label other = label;
                if (xAxis) {
                    other.at = { a.x + 1.5 * beside, a.y + side * (label.at.y - a.y) };
                    other.along = side > 0 ? Label::Along::Below : Label::Along::Above;
                    other.across = beside == 0 ? Label::Across::Middle
                        : beside > 0           ? Label::Across::Start
                                               : Label::Across::End;
                } else {
                    other.at = { a.x + side * (label.at.x - a.x), a.y + 1.5 * beside };
                    other.across = side > 0 ? Label::Across::End : Label::Across::Start;
                    other.along = beside == 0 ? Label::Along::Middle
                        : beside > 0          ? Label::Along::Below
                                              : Label::Along::Above;
                }
                places.push_back(other);
            }
    } else if (label.moves == Label::Moves::Around) {
        // Nearest first; farther out, into the wedge between two lines.
        for (const double distance : { 5.0, 10.0, 16.0, 24.0 })
            for (const double dy : { -1.0, 1.0, 0.0 })
                for (const double dx : { 1.0, -1.0, 0.0 }) {
                    if (dx == 0.0 && dy == 0.0)
                        continue;
                    Label other = label;
                    other.at = { a.x + distance * dx, a.y + distance * dy };
                    other.across = dx > 0 ? Label::Across::Start
                        : dx < 0          ? Label::Across::End
                                          : Label::Across::Middle;
                    other.along = dy < 0 ? Label::Along::Above
                        : dy > 0         ? Label::Along::Below
                                         : Label::Along::Middle;
                    places.push_back(other);
                }
    }
    return places;
}

// Each label that may move takes the first of its places that no line,
// edge, dot or label before it crosses and that stays in the picture; where
// none is free, the one crossed least.
void keepLabelsClear(Drawing& drawing)
{
    std::vector<std::pair<DrawnPoint, DrawnPoint>> segments;
    for (const Stroke& stroke : drawing.strokes)
        segments.emplace_back(stroke.from, stroke.to);
    for (const Shape& shape : drawing.shapes)
        for (std::size_t i = 0; i < shape.corners.size(); ++i)
            segments.emplace_back(shape.corners[i], shape.corners[(i + 1) % shape.corners.size()]);
    std::vector<Box> taken;
    for (const Dot& dot : drawing.dots)
        taken.push_back({ dot.centre.x - dot.radius, dot.centre.y - dot.radius, dot.centre.x + dot.radius,
            dot.centre.y + dot.radius });
    for (const Label& label : drawing.labels)
        if (label.moves == Label::Moves::Never)
            taken.push_back(boxOf(label));
    for (Label& label : drawing.labels) {
        if (label.moves == Label::Moves::Never)
            continue;
        int fewest = INT_MAX;
        Label chosen = label;
        for (const Label& place : placesOf(label)) {
            const Box box = boxOf(place);
            int crossings
                = box.left < 0 || box.top < 0 || box.right > drawing.width || box.bottom > drawing.height ? 1
                                                                                                          : 0;
            for (const auto& [from, to] : segments)
                crossings += crosses(box, from, to) ? 1 : 0;
            for (const Box& other : taken)
                crossings += overlap(box, other) ? 1 : 0;
            if (crossings < fewest) {
                fewest = crossings;
                chosen = place;
            }
            if (crossings == 0)
                break;
        }
        label = chosen;
        taken.push_back(boxOf(label));
    }
}

} // namespace

Runs figureCaption(const FigureBlock& figure, const FigureSecrets& secrets)
{
    if (const auto* lines = std::get_if<LinesFigure>(&figure.geometry)) {
        switch (lines->meet) {
        case LinesMeet::AtOnePoint:
            return filled(texts::kFigureLinesAtOnePoint,
                { indexedName('x', 1), indexedName('x', 2), pointText(figure, secrets) });
        case LinesMeet::Parallel:
            return filled(texts::kFigureLinesParallel, { indexedName('x', 1), indexedName('x', 2) });
        case LinesMeet::Same:
            return filled(texts::kFigureLinesSame, { indexedName('x', 1), indexedName('x', 2) });
        case LinesMeet::NoLine:
            break;
        }
        Runs caption;
        for (const EquationLine& line : lines->lines)
            if (line.a.isZero() && line.b.isZero())
                caption << filled(texts::kFigureLinesNoLine, { line.row });
        return caption;
    }
    Runs values;
    for (int index = 0; index < 3; ++index) {
        if (index > 0)
            values << textRun(QStringLiteral(", "));
        values << areaText(figure, secrets, index);
    }
    return filled(texts::kFigureAreas,
               { indexedName('d', 1), indexedName('d', 2), indexedName('a', 1), indexedName('a', 2),
                   indexedName('x', 1), indexedName('x', 2) })
        << textRun(QStringLiteral(" ")) << filled(texts::kFigureAreaValues, { values });
}

Drawing figureDrawing(const FigureBlock& figure, const FigureSecrets& secrets)
{
    Drawing drawing;
    const QString& point = figure.decimalPoint;
    Runs description;
    if (const auto* lines = std::get_if<LinesFigure>(&figure.geometry)) {
        linesDrawing(drawing, figure, *lines, secrets, point);
        for (int row = 1; row <= 2; ++row)
            description << filled(texts::kFigureLegend,
                { row, Runs { textRun(qtText(row == 1 ? texts::kFigureSolid : texts::kFigureDashed)) } })
                        << figure.equations[static_cast<std::size_t>(row - 1)]
                        << textRun(QStringLiteral(". "));
    } else {
        areasDrawing(drawing, figure, std::get<AreasFigure>(figure.geometry), secrets, point);
    }
    keepLabelsClear(drawing);
    drawing.description = labelText(description << figureCaption(figure, secrets));
    return drawing;
}

QString labelText(const Runs& runs)
{
    QString text;
    for (const Run& run : runs) {
        if (run.kind != Run::Kind::Name || run.index == 0) {
            text += runsAsPlainText({ run });
            continue;
        }
        text += run.text + subscriptDigits(run.index);
    }
    return text;
}

std::array<DrawnPoint, 3> arrowHead(const Stroke& stroke)
{
    const double dx = stroke.to.x - stroke.from.x;
    const double dy = stroke.to.y - stroke.from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return { stroke.to, stroke.to, stroke.to };
    const double ux = dx / length;
    const double uy = dy / length;
    // No longer than half the stroke: a short vector beside a long one (the
    // columns of a system whose lines cross far out) keeps its head on itself,
    // pointing away from where it starts.
    const double back = std::min(3.0 + 2.0 * stroke.width, length / 2);
    const double half = back * 0.45;
    const DrawnPoint base { stroke.to.x - ux * back, stroke.to.y - uy * back };
    return { stroke.to, { base.x - uy * half, base.y + ux * half },
        { base.x + uy * half, base.y - ux * half } };
}

DrawnPoint baselineStart(const Label& label, double width)
{
    // Of a sans-serif face: the ascent above the baseline, the descent below.
    constexpr double kAscent = 0.76;
    constexpr double kDescent = 0.24;
    const double x = label.across == Label::Across::Start ? label.at.x
        : label.across == Label::Across::Middle           ? label.at.x - width / 2
                                                          : label.at.x - width;
    const double y = label.along == Label::Along::Above ? label.at.y - kDescent * label.size
        : label.along == Label::Along::Middle           ? label.at.y + (kAscent - kDescent) / 2 * label.size
                                                        : label.at.y + kAscent * label.size;
    return { x, y };
}

QString inkColour(Ink ink, bool dark)
{
    switch (ink) {
    case Ink::Axis:
        return QString::fromLatin1(dark ? "#b4b4b4" : "#4a4a4a");
    case Ink::Text:
        return QString::fromLatin1(dark ? "#ececec" : "#1a1a1a");
    case Ink::FirstLine:
        return QString::fromLatin1(dark ? "#82b6ff" : "#1d5fa8");
    case Ink::SecondLine:
        return QString::fromLatin1(dark ? "#ffa477" : "#c2451a");
    case Ink::Point:
        return QString::fromLatin1(dark ? "#ffffff" : "#000000");
    case Ink::PositiveFill:
        return QString::fromLatin1(dark ? "#2c4d73" : "#c3d8f0");
    case Ink::NegativeFill:
        return QString::fromLatin1(dark ? "#73402a" : "#f5cdb8");
    }
    return {};
}

} // namespace cramer
