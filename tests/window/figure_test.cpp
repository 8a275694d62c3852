// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of a 2 × 2 in the working: what they say in words, their SVG,
// and what practice keeps hidden.

#include "report/figure.h"
#include "report/working_document.h"

#include "window_test_support.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

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

} // namespace
} // namespace cramer
