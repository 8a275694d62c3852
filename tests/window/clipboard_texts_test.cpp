// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the worked solution, without a window.

#include "report/worked_solution.h"
#include "report/working_document.h"
#include "report/working_forms.h"

#include "window_test_support.h"

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::kBulgarianNumbers;
using testing_support::workedSolutionOf;

// 2·x1 + x2 = 5, x1 - 3·x2 = -8, under an English locale.
WorkedSolution englishTwoByTwo()
{
    return workedSolutionOf({ { "2", "1", "5" }, { "1", "-3", "-8" } }, kCLocale);
}

// A 3 × 3 system under a Bulgarian locale, with decimal commas.
WorkedSolution bulgarianThreeByThree()
{
    return workedSolutionOf(
        { { "2,5", "0", "1", "3,5" }, { "0", "1", "0", "2" }, { "1", "0", "1", "2" } }, kBulgarianNumbers);
}

// d = 65536 · 61717, written with an exponent.
WorkedSolution largeDeterminant()
{
    return workedSolutionOf({ { "65536", "0", "1" }, { "0", "61717", "1" } }, kBulgarianNumbers);
}

// Hilbert's 4 × 4 with seven-digit entries: d ≈ 1,65·10⁻⁷, which two
// decimals would show as 0.
WorkedSolution hilbert4()
{
    return workedSolutionOf({ { "1", "0.5", "0.3333333", "0.25", "1" },
                                { "0.5", "0.3333333", "0.25", "0.2", "2" },
                                { "0.3333333", "0.25", "0.2", "0.1666667", "3" },
                                { "0.25", "0.2", "0.1666667", "0.1428571", "4" } },
        kCLocale);
}

// The short solution in the three forms "Копирай решението" puts on the clipboard.
QString solutionAsPlainText(const WorkedSolution& solution)
{
    return workingAsPlainText(shortSolution(solution));
}
QString solutionAsHtml(const WorkedSolution& solution) { return workingAsHtml(shortSolution(solution)); }
QString solutionAsLatex(const WorkedSolution& solution)
{
    return workingAsLatex(shortSolution(solution), LatexForm::Body);
}

struct WriterCase {
    const char* name;
    WorkedSolution (*solution)();
    QString (*write)(const WorkedSolution&);
    QStringList fragments;
};

void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }

class WritesSolution : public testing::TestWithParam<WriterCase> { };

TEST_P(WritesSolution, WithTheWindowsTexts)
{
    const WriterCase& c = GetParam();
    const QString written = c.write(c.solution());
    for (const QString& fragment : c.fragments)
        EXPECT_TRUE(written.contains(fragment)) << fragment.toStdString() << "\nnot in\n"
                                                << written.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Forms, WritesSolution,
    testing::Values(
        WriterCase { "PlainEnglish", englishTwoByTwo, solutionAsPlainText,
            { "Система:\n--------\n    2·x1 + x2 = 5\n    x1 − 3·x2 = −8\n",
                "    d = | 2   1 | = −7\n        | 1  −3 |\n",
                "    d1 = |  5   1 | = −7\n         | −8  −3 |\n",
                "Решение:\n--------\n    x1 = d1/d = −7 / −7 = 1\n    x2 = d2/d = −21 / −7 = 3\n" } },
        WriterCase { "PlainBulgarian", bulgarianThreeByThree, solutionAsPlainText,
            { "    2,5·x1 + 0·x2 + x3 = 3,5\n",
                "         | 3,5  0  1 |\n"
                "    d1 = |   2  1  0 | = 1,5\n"
                "         |   2  0  1 |\n",
                "    x2 = d2/d = 3 / 1,5 = 2\n" } },
        WriterCase { "HtmlEnglish", englishTwoByTwo, solutionAsHtml,
            { "<!DOCTYPE html>\n<html lang=\"bg\">", "<meta charset=\"utf-8\">",
                // x1 − 3·x2 = −8: the sign apart from the coefficient, as in the text.
                "<i>x</i><sub>1</sub>&nbsp;− <span "
                "style=\"white-space:nowrap\">3</span>·<i>x</i><sub>2</sub>"
                "&nbsp;= <span style=\"white-space:nowrap\">−8</span>",
                "<i>d</i><sub>1</sub>&nbsp;= </td>", "border-left:2px solid black\">−8</td>",
                "&nbsp;= <span style=\"white-space:nowrap\">−21</span></td>" } },
        WriterCase { "HtmlBulgarian", bulgarianThreeByThree, solutionAsHtml,
            { "<h2>Решение:</h2>", "<span style=\"white-space:nowrap\">1,5</span>" } },
        WriterCase { "LatexEnglish", englishTwoByTwo, solutionAsLatex,
            { "\\[\n2 \\cdot x_{1} + x_{2} = 5\n\\]\n\\[\nx_{1} - 3 \\cdot x_{2} = -8\n\\]",
                "d_{2} = \\begin{vmatrix}\n2 & 5 \\\\\n1 & -8\n\\end{vmatrix} = -21\n",
                "x_{1} = d_{1}/d = -7 \\,/\\, -7 = 1" } },
        WriterCase { "LatexBulgarian", bulgarianThreeByThree, solutionAsLatex,
            { "2{,}5 \\cdot x_{1} + 0 \\cdot x_{2}", "x_{3} = d_{3}/d = 1{,}5 \\,/\\, 1{,}5 = 1\n" } },
        WriterCase { "LatexPowerOfTen", largeDeterminant, solutionAsLatex,
            { "\\end{vmatrix} = 4{,}044685 \\cdot 10^{9}\n" } },
        // A copy is no form: d and d_i in the working's digits, never "0 / 0",
        // and the single where the result row rounds it.
        WriterCase { "SmallDeterminantKeepsItsDigits", hilbert4, solutionAsPlainText,
            { "x1 = d1/d = −1.0584302·10⁻⁵ / 1.652806·10⁻⁷ = −64.03838 (в реда за резултата\n        −64.038)" } }),
    [](const testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
