// SPDX-License-Identifier: GPL-3.0-or-later

// What the program says, in English: templates filled with names and their
// indices, counts agreeing with their nouns, in the order English puts them.

#include "report/figure.h"
#include "report/language.h"
#include "report/practice_messages.h"
#include "report/solve_messages.h"
#include "report/working_document.h"
#include "solver/practice.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>

namespace cramer {
namespace {

WorkedSolution solutionOf(int n, std::vector<std::string> texts)
{
    return WorkedSolution(solveQuietly(n, texts, { ".", "" }));
}

const std::vector<std::string> kTwo { "2", "1", "5", "1", "-3", "-8" };
const std::vector<std::string> kFour { "2", "1", "0", "0", "1", "4", "3", "1", "0", "2", "0", "2", "1", "1",
    "3", "1", "0", "0", "2", "4" };
const std::vector<std::string> kFourSingular { "1", "2", "0", "1", "4", "2", "4", "0", "2", "8", "0", "1",
    "1", "0", "2", "1", "0", "0", "1", "1" };
constexpr PracticeStep kD { PracticeStep::Kind::Determinant, 0 };
constexpr PracticeStep kD1 { PracticeStep::Kind::Determinant, 1 };
constexpr PracticeStep kX1 { PracticeStep::Kind::Unknown, 1 };

QString hint(int n, const std::vector<std::string>& system, PracticeStep step, int level)
{
    const WorkedSolution solution = solutionOf(n, system);
    return labelText(practiceHint(solution, workingDocument(solution), step, level));
}

struct EnglishCase {
    const char* name;
    std::function<QString()> said;
    const char* expected;
};

void PrintTo(const EnglishCase& c, std::ostream* os) { *os << c.name; }

class InEnglish : public testing::TestWithParam<EnglishCase> {
protected:
    void SetUp() override { ASSERT_TRUE(installLanguage(Language::English, QtTexts::AsQtWritesThem)); }
    void TearDown() override { installLanguage(Language::Bulgarian, QtTexts::AsQtWritesThem); }
};

TEST_P(InEnglish, ReadsAsEnglish) { EXPECT_EQ(GetParam().said().toStdString(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Messages, InEnglish,
    testing::Values(EnglishCase { "Heading", [] { return labelText(practiceStepHeading(kD1)); },
                        "The determinant d₁ (column 1 is replaced with the constant terms)" },
        EnglishCase {
            "RuleOfAnUnknown", [] { return hint(2, kTwo, kX1, 1); }, "By Cramer's rule x₁ = d₁/d." },
        EnglishCase { "Value", [] { return hint(2, kTwo, kD1, 3); },
            "The value is d₁ = −7. This step is marked as revealed." },
        EnglishCase { "RuleOf4", [] { return hint(4, kFour, kD, 1); },
            "Work out d by Gaussian elimination with exact fractions: make zeros below each pivot, and take "
            "as "
            "the pivot the first non-zero entry of the column from the top down (if it is in another row, "
            "swap "
            "the two rows); d is the product of the pivots, with the sign changed at each swap. Or expand "
            "along "
            "row 1, which has 2 zeros." },
        EnglishCase { "ZeroColumnOf4", [] { return hint(4, kFourSingular, kD, 2); },
            "The pivots (exactly): column 1: 1; column 2: swap rows 2 and 3 (the sign changes), pivot 1; "
            "column 3: swap rows 3 and 4 (the sign changes), pivot 2. In column 4 only zeros are left below "
            "them, so d = 0." },
        EnglishCase { "BadCell",
            [] {
                return badCellMessage({ .row = 1, .column = 2, .text = "a" }, 2, { ".", "" });
            },
            "The cell for the coefficient of x2 in equation 1 holds “a”, which is not a number." },
        EnglishCase { "Overflow",
            [] {
                return overflowMessage(
                    { .value = OverflowValue::Solution, .index = 2 }, QStringLiteral("3.4E+38"));
            },
            "The unknown x2 = d2/d overflows the range of the numbers the program works with (up to 3.4E+38 "
            "in absolute value).\nThe system has been restored as you typed it: correct it and try again." }),
    [](const testing::TestParamInfo<EnglishCase>& info) { return std::string(info.param.name); });

// The codes --language and the settings name a language by: its code in
// any case, or a locale's name; nothing else.
TEST(LanguageCodes, NameEachLanguageOnly)
{
    for (const Language language : { Language::Bulgarian, Language::English })
        EXPECT_EQ(languageNamed(languageCode(language)), language);
    for (const char* english : { "EN", "en_US", "en_GB.UTF-8" })
        EXPECT_EQ(languageNamed(QString::fromLatin1(english)), Language::English) << english;
    EXPECT_EQ(languageNamed(QStringLiteral("bg_BG")), Language::Bulgarian);
    for (const char* other : { "", "fr", "english", "e" })
        EXPECT_EQ(languageNamed(QString::fromLatin1(other)), std::nullopt) << other;
}

} // namespace
} // namespace cramer
