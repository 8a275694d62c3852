// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where every control of the window stands and how it looks, as data and
// index rules. Positions are in twips (15 to a pixel at 96 dpi), relative to
// the containing frame; colours are 0x00BBGGRR, or 0x800000nn for system
// colour nn of the desktop's scheme.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

namespace cramer::tables {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kGridRows = 9;
inline constexpr int kGridColumns = 10;
inline constexpr int kLabelCount = 140;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }
QRect toPixels(const TwipsRect& rect);

// One zoom factor for the whole form. At 1 every position and size is
// exactly the design's pixels (twips / 15, rounded down); at any other
// factor the design's, scaled and rounded down, so that controls that do
// not overlap at 1 do not overlap at any zoom.
class Scale {
public:
    static constexpr double kSmallest = 0.5;
    static constexpr double kLargest = 3.0;

    constexpr Scale() = default;
    explicit Scale(double factor);

    double factor() const { return factor_; }
    int pixels(int twips) const;
    QRect rect(const TwipsRect& twips) const;
    // A length designed in pixels (a font's size, a line's width).
    int scaled(int designPixels) const;
    bool operator==(const Scale&) const = default;

private:
    double factor_ = 1.0;
};

enum Colour : std::uint32_t {
    kYellow = 0x0000FFFF,
    kGreen = 0x0000C000,
    kTeal = 0x00C0C000,
    kRed = 0x000000FF,
    kBlue = 0x00FF0000,
    kDarkRed = 0x000000C0,
    kBlack = 0x00000000,
    kWindowBackground = 0x80000005,
    kWindowText = 0x80000008,
    kButtonFace = 0x8000000F,
    kButtonText = 0x80000012,
};

// The specified colours, or the contrast set for projectors and low vision:
// the same bands, with each text colour darkened until every text reads at
// 4.5:1 or more on its background.
enum class ColourSet { Specified, Contrast };
struct ContrastColour {
    std::uint32_t specified;
    std::uint32_t contrast;
};
inline constexpr std::array<ContrastColour, 3> kContrastColours { {
    { kRed, 0x000000B0 }, // numbers in white cells: 4.0:1 → 7.4:1
    { kBlue, 0x00800000 }, // d_i and d on the results band: 3.8:1 → 7.1:1
    { kDarkRed, 0x00000080 }, // x_i on the results band: 2.9:1 → 4.9:1
} };
void setColourSet(ColourSet set);
ColourSet colourSet();

// System colours follow the desktop palette's matching roles; fixed colours
// go through the colour set in use.
QColor toQColor(std::uint32_t colour, const QPalette& desktop);
constexpr bool isSystemColour(std::uint32_t colour) { return (colour & 0xFF000000u) == 0x80000000u; }

// Least contrast (WCAG ratio) for text and for lines and bars. A desktop
// colour that falls short on a band of fixed colour gives way to black or
// white, so that a dark desktop scheme leaves every text readable.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kLineContrast = 3.0;
double contrastRatio(const QColor& first, const QColor& second);
// `wanted` if it reaches `minimum` against `background`, otherwise black or
// white, whichever contrasts more.
QColor readableOn(const QColor& wanted, const QColor& background, double minimum);
// A control's colour on `background`: fixed colours as they are, system
// colours from the desktop where they are readable there.
QColor foregroundColour(
    std::uint32_t colour, const QColor& background, double minimum, const QPalette& desktop);

enum class FontKind {
    Window, // 9.75 pt: frame caption, buttons, Label100
    Control, // 12 pt: cells, options, labels
    Attribution, // 12 pt italic: Label101
    HeadingSmall, // 13.5 pt: Label139, Label140
    HeadingLetter, // 18 pt: Label138
    List, // 9.75 pt in the list's face
};

// The form's client area at `factor`.
QSize formSizeAt(double factor);

// Bold, in pixels of 1/96 inch so that fonts scale with the layout.
QFont makeFont(FontKind kind, const Scale& scale = Scale());

// The three frames, top to bottom: the size selector, the grid, the commands
// and results. Indexes kFrames.
enum class Band { Selector, Grid, Results };

struct FrameSpec {
    const char* name;
    TwipsRect rect;
    std::uint32_t background;
};
inline constexpr std::array<FrameSpec, 3> kFrames { {
    { "Frame2", { 0, 0, 12615, 855 }, kYellow },
    { "Frame1", { 0, 840, 12615, 3735 }, kGreen },
    { "Frame3", { 0, 4560, 12615, 4215 }, kTeal },
} };
constexpr const FrameSpec& frameSpec(Band band) { return kFrames[static_cast<std::size_t>(band)]; }
inline constexpr int kClientWidth = 12585;
inline constexpr int kClientHeight = 8805;

// Grid cell (row, column) is Text<10·row + column>, so the tenth cell of a
// row carries the next row's tens: Text20 ends row 1, Text21 starts row 2.
constexpr int cellNumber(int row, int column) { return 10 * row + column; }
constexpr int cellRow(int number) { return (number - 1) / 10; }
constexpr int cellColumn(int number) { return (number - 1) % 10 + 1; }
constexpr TwipsRect cellRect(int row, int column)
{
    const bool tall = row == 1 || cellNumber(row, column) == 76;
    return { 960 + 1200 * (column - 1), 360 * row, 735, tall ? 405 : 375 };
}

// Operator label (row, column), between cell (row, column) and the next.
constexpr int operatorLabelNumber(int row, int column) { return 10 * row + column; }
constexpr TwipsRect operatorLabelRect(int row, int column)
{
    return { 1680 + 1200 * (column - 1), 360 * row, 495, 375 };
}

enum class ResultColumn { Name, Numerator, Slash, Determinant, Equals, Solution };
inline constexpr std::array<ResultColumn, 6> kResultColumns { ResultColumn::Name, ResultColumn::Numerator,
    ResultColumn::Slash, ResultColumn::Determinant, ResultColumn::Equals, ResultColumn::Solution };

constexpr int resultLabelNumber(int row, ResultColumn column)
{
    switch (column) {
    case ResultColumn::Name:
        return row;
    case ResultColumn::Numerator:
        return 10 * row;
    case ResultColumn::Slash:
        return 100 + 2 * row;
    case ResultColumn::Determinant:
        return 101 + 2 * row;
    case ResultColumn::Equals:
        return 118 + 2 * row;
    case ResultColumn::Solution:
        return 119 + 2 * row;
    }
    return 0;
}

struct ResultColumnSpec {
    int left;
    int width;
    std::uint32_t textColour;
};
constexpr ResultColumnSpec resultColumnSpec(ResultColumn column)
{
    switch (column) {
    case ResultColumn::Name:
        return { 3480, 1095, kButtonText };
    case ResultColumn::Numerator:
        return { 4560, 735, kBlue };
    case ResultColumn::Slash:
        return { 5280, 135, kButtonText };
    case ResultColumn::Determinant:
        return { 5400, 735, kBlue };
    case ResultColumn::Equals:
        return { 6120, 255, kButtonText };
    case ResultColumn::Solution:
        return { 6360, 975, kDarkRed };
    }
    return {};
}
constexpr TwipsRect resultLabelRect(int row, ResultColumn column)
{
    const ResultColumnSpec entry = resultColumnSpec(column);
    return { entry.left, 360 * (row + 1), entry.width, 375 };
}

// The three labels beside the grid that read "d", index, "=".
inline constexpr int kHeadingLetterLabel = 138;
inline constexpr int kHeadingIndexLabel = 139;
inline constexpr int kHeadingEqualsLabel = 140;
inline constexpr int kResultHeadingLabel = 100;
inline constexpr int kAttributionLabel = 101;

struct FixedLabelSpec {
    int number;
    Band band;
    TwipsRect rect;
    FontKind font;
    std::uint32_t background;
};
inline constexpr std::array<FixedLabelSpec, 5> kFixedLabels { {
    { kHeadingLetterLabel, Band::Grid, { 120, 1800, 255, 375 }, FontKind::HeadingLetter, kGreen },
    { kHeadingEqualsLabel, Band::Grid, { 360, 1800, 255, 255 }, FontKind::HeadingSmall, kGreen },
    { kHeadingIndexLabel, Band::Grid, { 360, 2040, 255, 375 }, FontKind::HeadingSmall, kGreen },
    { kResultHeadingLabel, Band::Results, { 4680, 240, 1335, 375 }, FontKind::Window, kButtonFace },
    { kAttributionLabel, Band::Results, { 8760, 3720, 2895, 375 }, FontKind::Attribution, kTeal },
} };

// Size option k (1 … 8) stands for n = k + 1.
constexpr TwipsRect optionRect(int k) { return { 1440 + 1200 * (k - 1), 360, 735, 375 }; }

struct CommandSpec {
    int number;
    int top;
};
// Top to bottom on screen: lay out, solve, clear.
inline constexpr std::array<CommandSpec, 3> kCommands { { { 1, 240 }, { 3, 960 }, { 2, 1680 } } };
constexpr TwipsRect commandRect(int top) { return { 240, top, 2775, 495 }; }

inline constexpr TwipsRect kListRect { 7560, 240, 4815, 3180 };
inline constexpr TwipsRect kPictureRect { 360, 2280, 2490, 1650 };

struct LineSpec {
    int number;
    Band band;
    int x1, y1, x2, y2;
    std::uint32_t colour;
    int drawMode;
};
inline constexpr int kLineWidthPixels = 4;
inline constexpr int kDrawModeCopyPen = 13;
inline constexpr int kDrawModeMaskNotPen = 3;
inline constexpr std::array<LineSpec, 3> kLines { {
    { 1, Band::Grid, 840, 240, 840, 3720, kWindowText, kDrawModeCopyPen },
    { 3, Band::Grid, 5520, 240, 5520, 2040, kBlack, kDrawModeMaskNotPen },
    { 2, Band::Results, 3360, 720, 3360, 3960, kWindowText, kDrawModeCopyPen },
} };

// The left bar at rest, after every clear.
inline constexpr int kRestingBarX = 840;
inline constexpr int kRestingBarTop = 240;
inline constexpr int kRestingBarBottom = 3840;

// Where the bars and the heading stand beside an n × n determinant.
struct DeterminantDecoration {
    int headingTop;
    int indexTop;
    int leftBarX;
    int rightBarX;
    int barTop;
    int barBottom;
};
constexpr DeterminantDecoration decorationFor(int n)
{
    const int headingTop = 120 * (3 * n / 2 + 2);
    return { headingTop, headingTop + 240, 840, 720 + 1200 * n, 240, 600 + 360 * n };
}

} // namespace cramer::tables
