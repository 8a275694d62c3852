// SPDX-License-Identifier: GPL-3.0-or-later

// Every form of the worked solution within its limits, for systems of every
// size and of values from the smallest single to the largest: the text in
// 80 columns with every announced value whole, the pages with every matrix,
// formula and heading kept with what belongs to it.

#include "report/matrix_paint.h"
#include "report/working_document.h"
#include "report/working_export.h"
#include "report/working_forms.h"

#include "window_test_support.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace cramer {
namespace {

using testing_support::kBulgarianNumbers;
using testing_support::workedSolutionOf;

// Integers, decimals of every length, the limits of single precision and
// numbers far apart in size, mixed so that values overflow nowhere.
std::vector<std::vector<std::string>> systemOf(int n, unsigned seed)
{
    static const std::vector<std::string> kValues { "1", "-7", "0", "0.1", "-2.5", "3.14159", "1E-45",
        "1.17549435E-38", "123456789", "-0.000001", "1E+15", "22.75", "-13", "0.3333333", "9.99999",
        "1E-20" };
    std::mt19937 random(seed);
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(n));
    for (auto& row : rows)
        for (int column = 0; column <= n; ++column)
            row.push_back(kValues[random() % kValues.size()]);
    return rows;
}

struct Sized {
    int n;
    unsigned seed;
};

class EveryForm : public testing::TestWithParam<Sized> { };

TEST_P(EveryForm, TextKeepsEightyColumnsAndEveryAnnouncedValueWhole)
{
    const WorkedSolution solution
        = workedSolutionOf(systemOf(GetParam().n, GetParam().seed), kBulgarianNumbers);
    const WorkingDocument document = workingDocument(solution);
    const QString text = workingAsPlainText(document);
    for (const QString& line : text.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), kTextColumns) << line.toStdString();
    // A number longer than a line may only be parted after a group of digits;
    // right digits are underlined.
    const QString joined
        = QString(text)
              .replace(QRegularExpression(QStringLiteral("\u202F\n *")), QStringLiteral("\u202F"))
              .remove(QChar(0x0332));
    for (const Section& section : document.sections)
        for (const Block& block : section.blocks)
            for (const cramer::Run& run : block.runs)
                if (run.kind == cramer::Run::Kind::Number && section.id != Section::Id::Figures) {
                    EXPECT_TRUE(joined.contains(run.number.plain())) << run.number.plain().toStdString();
                }
    // No hyphen stands for a minus sign outside a quoted typed number.
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.contains(QStringLiteral("„"))) {
            EXPECT_FALSE(line.contains(QRegularExpression(QStringLiteral("(^|[ (=])-[0-9]"))))
                << line.toStdString();
        }
}

TEST_P(EveryForm, PagesKeepMatricesFormulasAndHeadingsWhole)
{
    const WorkedSolution solution
        = workedSolutionOf(systemOf(GetParam().n, GetParam().seed), kBulgarianNumbers);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QTextDocument text;
    const std::vector<PageSlice> pages = typesetPages(workingDocument(solution), writer, text);
    const auto tallest = std::max_element(pages.begin(), pages.end(),
        [](PageSlice a, PageSlice b) { return a.bottom - a.top < b.bottom - b.top; });
    const qreal height = tallest->bottom - tallest->top;
    // The page a point of the long page is painted on.
    auto page = [&pages](qreal y) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (y < pages[i].bottom)
                return static_cast<int>(i);
        }
        return static_cast<int>(pages.size());
    };
    QAbstractTextDocumentLayout& layout = *text.documentLayout();
    // The pages follow each other, and hold every line.
    for (std::size_t i = 1; i < pages.size(); ++i)
        EXPECT_EQ(pages[i].top, pages[i - 1].bottom);
    EXPECT_GE(pages.back().bottom, layout.documentSize().height() - text.documentMargin() - 1);

    std::vector<qreal> filled(pages.size(), 0);
    int matrices = 0;
    int pictures = 0;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QRectF rect = layout.blockBoundingRect(block);
        filled[static_cast<std::size_t>(page(rect.top()))] += rect.height();
        const QTextBlockFormat format = block.blockFormat();
        // A matrix, a heading or a number never breaks across lines.
        if (format.nonBreakableLines()) {
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
        }
        if (MatrixObjects::in(block)) {
            ++matrices;
            EXPECT_EQ(page(rect.top()), page(rect.bottom() - 1)) << "a matrix split: " << block.blockNumber();
        }
        if (format.headingLevel() > 0 && block.next().isValid()) {
            EXPECT_EQ(page(rect.top()), page(layout.blockBoundingRect(block.next()).top()))
                << "a heading at a page's foot: " << block.text().toStdString();
        }
        // A picture whole, on the page of its caption.
        if (block.text() == QString(QChar::ObjectReplacementCharacter) && !MatrixObjects::in(block)) {
            ++pictures;
            EXPECT_EQ(page(rect.top()), page(layout.blockBoundingRect(block.next()).bottom() - 1))
                << "a picture parted from its caption";
        }
    }
    EXPECT_EQ(pictures, GetParam().n == 2 ? 2 : 0) << "two unknowns have their lines and areas drawn";
    EXPECT_GT(matrices, 0) << "the determinants' matrices were looked for and not found";
    // Breaks leave no page less than a third full but the last.
    for (std::size_t i = 0; i + 1 < filled.size(); ++i) {
        EXPECT_GT(filled[i], height / 3) << "page " << i + 1;
    }
}

// The check that stands between a page plan and the printer: each way a
// plan could lose text fails it; the plain pages it falls back to hold all.
TEST(PagePlan, FailsItsCheckWhereTextWouldBeLost)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QTextDocument text;
    const std::vector<PageSlice> pages
        = typesetPages(workingDocument(workedSolutionOf(systemOf(5, 4), kBulgarianNumbers)), writer, text);
    ASSERT_GE(pages.size(), 3u);
    qreal height = 0;
    for (const PageSlice& page : pages)
        height = std::max(height, page.bottom - page.top);
    ASSERT_TRUE(pagePlanHolds(text, pages, height));
    const qreal middle = (pages[1].top + pages[1].bottom) / 2;
    const std::vector<std::pair<const char*, std::vector<PageSlice>>> broken {
        { "a gap between two pages", { pages[0], { pages[1].top + 20, pages[1].bottom }, pages[2] } },
        { "the end left off", std::vector<PageSlice>(pages.begin(), pages.end() - 1) },
        { "a page cut through a block", { pages[0], { pages[1].top, middle }, { middle, pages[1].bottom } } },
    };
    for (const auto& [what, plan] : broken) {
        std::vector<PageSlice> whole = plan;
        if (whole.back().bottom < pages.back().bottom && std::string(what) != "the end left off")
            whole.insert(whole.end(), pages.begin() + 3, pages.end());
        EXPECT_FALSE(pagePlanHolds(text, whole, height)) << what;
    }
    const std::vector<PageSlice> plain = plainPages(text, height);
    for (std::size_t i = 1; i < plain.size(); ++i)
        EXPECT_EQ(plain[i].top, plain[i - 1].bottom);
    EXPECT_GE(plain.back().bottom, pages.back().bottom - 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EveryForm,
    testing::Values(Sized { 2, 1 }, Sized { 3, 2 }, Sized { 4, 3 }, Sized { 5, 4 }, Sized { 6, 5 },
        Sized { 7, 6 }, Sized { 8, 7 }, Sized { 9, 8 }, Sized { 9, 9 }),
    [](const testing::TestParamInfo<Sized>& info) {
        return "n" + std::to_string(info.param.n) + "_" + std::to_string(info.param.seed);
    });

} // namespace
} // namespace cramer
