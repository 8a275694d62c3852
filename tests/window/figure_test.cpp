// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of a 2 × 2 in the working: what they say in words, their SVG,
// and what practice keeps hidden.

#include "report/figure.h"
#include "report/working_document.h"
#include "report/working_forms.h"

#include "window_test_support.h"

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace cramer {
namespace {

using testing_support::kBulgarianNumbers;
using testing_support::workedSolutionOf;

struct FigureCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    const char* saysOfTheLines;
    const char* saysOfTheAreas;
};

void PrintTo(const FigureCase& c, std::ostream* os) { *os << c.name; }

class Pictures : public testing::TestWithParam<FigureCase> { };

std::vector<const FigureBlock*> figuresOf(const WorkingDocument& document)
{
    std::vector<const FigureBlock*> figures;
    if (const Section* section = document.section(Section::Id::Figures))
        for (const Block& block : section->blocks)
            if (block.kind == Block::Kind::Figure)
                figures.push_back(block.figure.get());
    return figures;
}

TEST_P(Pictures, SayWhatTheyShowAndAreWellFormedSvg)
{
    const FigureCase& c = GetParam();
    const WorkingDocument document = workingDocument(workedSolutionOf(c.rows, kBulgarianNumbers));
    const std::vector<const FigureBlock*> figures = figuresOf(document);
    ASSERT_EQ(figures.size(), 2u);
    const char* says[] = { c.saysOfTheLines, c.saysOfTheAreas };
    for (std::size_t i = 0; i < 2; ++i) {
        const Drawing drawing = figureDrawing(*figures[i]);
        EXPECT_TRUE(drawing.description.contains(QString::fromUtf8(says[i])))
            << drawing.description.toStdString();
        QXmlStreamReader svg(drawingAsSvg(drawing));
        QString title;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QStringLiteral("title"))
                title = svg.readElementText();
        EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
        EXPECT_EQ(title, drawing.description);
    }
    // In HTML as images of the page itself, which word processors keep.
    const QString html = workingAsHtml(document);
    for (const FigureBlock* figure : figures)
        EXPECT_TRUE(
            html.contains(QString::fromLatin1(drawingAsSvg(figureDrawing(*figure)).toUtf8().toBase64())));
    // Pictures are for the forms that can show them.
    EXPECT_FALSE(workingAsPlainText(document).contains(
        runsAsPlainText(document.section(Section::Id::Figures)->heading)));
}

INSTANTIATE_TEST_SUITE_P(Systems, Pictures,
    testing::Values(FigureCase { "OnePoint", { { "3", "2", "1" }, { "1", "-4", "2" } },
                        "пресичат в точката (4/7; −5/14)", "d = −14, d₁ = −8, d₂ = 5" },
        FigureCase {
            "Parallel", { { "1", "2", "3" }, { "2", "4", "7" } }, "успоредни", "d = 0, d₁ = −2, d₂ = 1" },
        FigureCase {
            "Same", { { "1", "2", "3" }, { "-2", "-4", "-6" } }, "една и съща права", "d = 0, d₁ = 0" },
        FigureCase {
            "NoUnknown", { { "0", "0", "5" }, { "1", "1", "2" } }, "Уравнение 1 няма неизвестни", "d = 0" }),
    [](const auto& info) { return std::string(info.param.name); });

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear
            = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Lines, text and the point read on paper and on a dark window; fills stay
// light enough on paper for the lines drawn over them, and grey print tells
// the two lines and the two signs apart by dash and hatching.
TEST(Pictures, ReadOnLightAndDarkAndInGrey)
{
    for (const bool dark : { false, true }) {
        const QColor background(dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white));
        for (const Ink ink : { Ink::Axis, Ink::Text, Ink::FirstLine, Ink::SecondLine, Ink::Point })
            EXPECT_GE(contrast(QColor(inkColour(ink, dark)), background), 4.5)
                << static_cast<int>(ink) << (dark ? " dark" : " light");
        for (const Ink fill : { Ink::PositiveFill, Ink::NegativeFill })
            for (const Ink line : { Ink::FirstLine, Ink::SecondLine, Ink::Text })
                EXPECT_GE(contrast(QColor(inkColour(line, dark)), QColor(inkColour(fill, dark))), 3.0)
                    << static_cast<int>(line) << " on " << static_cast<int>(fill)
                    << (dark ? " dark" : " light");
    }
    const WorkingDocument document
        = workingDocument(workedSolutionOf({ { "2", "1", "5" }, { "1", "-3", "-8" } }, kBulgarianNumbers));
    const std::vector<const FigureBlock*> figures = figuresOf(document);
    ASSERT_EQ(figures.size(), 2u);
    const Drawing lines = figureDrawing(*figures[0]);
    std::array<int, 2> dashed {}, solid {};
    for (const Stroke& stroke : lines.strokes)
        if (stroke.ink == Ink::FirstLine || stroke.ink == Ink::SecondLine)
            ++(stroke.dashed ? dashed : solid)[stroke.ink == Ink::SecondLine];
    EXPECT_EQ(solid, (std::array { 2, 0 })) << "the first line and its legend solid";
    EXPECT_EQ(dashed, (std::array { 0, 2 })) << "the second dashed";
    const Drawing areas = figureDrawing(*figures[1]);
    ASSERT_EQ(areas.shapes.size(), 3u);
    for (const Shape& shape : areas.shapes)
        EXPECT_EQ(shape.hatched, shape.fill == Ink::NegativeFill) << "d, d₁, d₂ are all negative here";
}

TEST(Pictures, HideWhatTheStudentHasStillToFind)
{
    const WorkingDocument document
        = workingDocument(workedSolutionOf({ { "2", "1", "5" }, { "1", "-3", "-8" } }, kBulgarianNumbers));
    const std::vector<const FigureBlock*> figures = figuresOf(document);
    ASSERT_EQ(figures.size(), 2u);
    const FigureSecrets secrets { true, { false, true, true } };
    const auto labels = [&](const FigureBlock& figure, const FigureSecrets& hidden) {
        QStringList texts;
        for (const Label& label : figureDrawing(figure, hidden).labels)
            texts << labelText(label.text);
        return texts;
    };
    EXPECT_TRUE(labels(*figures[0], {}).contains(QStringLiteral("(1; 3)")));
    EXPECT_TRUE(labels(*figures[0], secrets).contains(QStringLiteral("(?; ?)")));
    EXPECT_FALSE(figureDrawing(*figures[0], secrets).description.contains(QStringLiteral("(1; 3)")));
    EXPECT_TRUE(labels(*figures[1], secrets).contains(QStringLiteral("d = −7")));
    EXPECT_TRUE(labels(*figures[1], secrets).contains(QStringLiteral("d₁ = ?")));
    EXPECT_FALSE(figureDrawing(*figures[1], secrets).description.contains(QStringLiteral("−21")));
}

// Where two lines meet, the point's name stands clear of both lines and the
// axes, and each vector's name clear of the other vector and the areas'
// edges, in 300 systems of small integers. A label's box is taken wide: 0.6
// of its size to a character.
TEST(Pictures, KeepTheirLabelsClearOfTheLines)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(-9, 9);
    int clear = 0;
    int labels = 0;
    for (int system = 0; system < 300; ++system) {
        std::vector<std::vector<std::string>> rows(2);
        for (auto& row : rows)
            for (int column = 0; column < 3; ++column)
                row.push_back(std::to_string(digit(random)));
        const WorkingDocument document = workingDocument(workedSolutionOf(rows, kBulgarianNumbers));
        for (const FigureBlock* figure : figuresOf(document)) {
            const Drawing drawing = figureDrawing(*figure);
            for (const Label& label : drawing.labels) {
                if (label.moves != Label::Moves::Around)
                    continue;
                const double width = 0.6 * label.size * static_cast<double>(labelText(label.text).size());
                const double left = label.across == Label::Across::Start ? label.at.x
                    : label.across == Label::Across::Middle              ? label.at.x - width / 2
                                                                         : label.at.x - width;
                const double top = label.along == Label::Along::Above ? label.at.y - label.size
                    : label.along == Label::Along::Middle             ? label.at.y - label.size / 2
                                                                      : label.at.y;
                const QRectF box(left, top, width, label.size);
                const QLineF edges[]
                    = { { box.topLeft(), box.topRight() }, { box.topRight(), box.bottomRight() },
                          { box.bottomRight(), box.bottomLeft() }, { box.bottomLeft(), box.topLeft() } };
                bool crossed = false;
                for (const Stroke& stroke : drawing.strokes) {
                    const QLineF line({ stroke.from.x, stroke.from.y }, { stroke.to.x, stroke.to.y });
                    crossed = crossed || box.contains(line.p1()) || box.contains(line.p2())
                        || std::any_of(std::begin(edges), std::end(edges), [&](const QLineF& edge) {
                               return edge.intersects(line) == QLineF::BoundedIntersection;
                           });
                }
                ++labels;
                clear += crossed ? 0 : 1;
            }
        }
    }
    // A vector as long as its panel can leave no free side: almost all (2084
    // of 2097 when written), not all.
    EXPECT_GE(clear, labels * 99 / 100) << clear << " of " << labels << " labels clear";
}

} // namespace
} // namespace cramer
