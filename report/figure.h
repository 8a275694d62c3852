// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two pictures of a system of two unknowns: its equations as lines and
// where they meet, and d, d₁, d₂ as signed areas of parallelograms. A
// picture is laid out once, as a `Drawing` of lines, shapes and labels in
// points, and each form only sets it: painted (the view, print and PDF, the
// practice window), as SVG in HTML, and as TikZ in LaTeX.

#include "solver/plane_figure.h"

#include <QString>

#include <array>
#include <variant>
#include <vector>

namespace cramer {

struct Run;
using Runs = std::vector<Run>;

struct FigureBlock {
    std::variant<LinesFigure, AreasFigure> geometry;
    std::array<Runs, 2> equations; // as typed, for the lines' legend
    std::array<Runs, 2> coordinates; // of the common point, as fractions
    std::array<Runs, 3> areas; // d, d₁, d₂ exactly
    QString decimalPoint = QStringLiteral(","); // the user's, for the axes' numbers

    bool isLines() const { return std::holds_alternative<LinesFigure>(geometry); }
};

// Values a student has still to find: shown as "?" until then.
struct FigureSecrets {
    bool point = false;
    std::array<bool, 3> areas {};
};

// What the picture shows, in words: its caption in the working, and what a
// screen reader says of it.
Runs figureCaption(const FigureBlock& figure, const FigureSecrets& secrets = {});

// The roles of a drawing's colours; each form gives them colours of its own.
enum class Ink {
    Axis,
    Text,
    FirstLine,
    SecondLine,
    Point,
    PositiveFill,
    NegativeFill,
};

struct DrawnPoint {
    double x = 0.0;
    double y = 0.0; // downwards
};

struct Stroke {
    DrawnPoint from, to;
    Ink ink = Ink::Axis;
    double width = 0.75;
    bool dashed = false;
    bool arrow = false; // a head at `to`
};

struct Shape {
    std::vector<DrawnPoint> corners;
    Ink fill = Ink::PositiveFill;
    Ink edge = Ink::Axis;
    bool hatched = false; // so that grey print tells the sign too
};

struct Dot {
    DrawnPoint centre;
    double radius = 2.5;
    Ink ink = Ink::Point;
};

struct Label {
    enum class Across { Start, Middle, End };
    enum class Along { Above, Middle, Below }; // of `at`
    DrawnPoint at;
    Runs text;
    Across across = Across::Start;
    Along along = Along::Above;
    double size = 8.0; // points
    Ink ink = Ink::Text;
    // Where else it may stand when a line or another label crosses it: at
    // its place only; mirrored across the axis through `anchor` (a tick's
    // number); or on any side of `anchor` (a point, a vector's tip).
    enum class Moves { Never, AcrossAxis, Around };
    Moves moves = Moves::Never;
    DrawnPoint anchor {};
};

// Pixels at 96 to the inch (documents, HTML) to a drawing's point.
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

struct Drawing {
    double width = 0.0; // points
    double height = 0.0;
    std::vector<Shape> shapes; // beneath
    std::vector<Stroke> strokes;
    std::vector<Dot> dots;
    std::vector<Label> labels; // above all
    QString description; // the caption in plain words, for screen readers and alt texts
};

Drawing figureDrawing(const FigureBlock& figure, const FigureSecrets& secrets = {});

// The head of an arrow at `stroke.to`: its tip and the two back corners.
std::array<DrawnPoint, 3> arrowHead(const Stroke& stroke);
// Where a label's baseline starts, for forms that place text by it: its
// width as the form measured it, or 0 where the form anchors text itself.
DrawnPoint baselineStart(const Label& label, double width);

// Light colours on white, as on paper: a darker and a lighter ink, told apart
// in grey by the dashes and the hatching as well.
QString inkColour(Ink ink, bool dark = false);

// A label as one line of text, indices as subscript digits: "d₁ = −7".
QString labelText(const Runs& runs);

// As SVG, its description as its title (HTML embeds it as an image).
QString drawingAsSvg(const Drawing& drawing);
// As a tikzpicture (TikZ with its library "patterns").
QString drawingAsTikz(const Drawing& drawing);

} // namespace cramer
