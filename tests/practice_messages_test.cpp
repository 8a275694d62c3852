// SPDX-License-Identifier: GPL-3.0-or-later

// What practice says at each hint level and on a wrong answer, as the
// window shows it (names with subscript digits).

#include "report/figure.h"
#include "report/practice_messages.h"
#include "report/working_document.h"
#include "solver/practice.h"

#include <gtest/gtest.h>

namespace cramer {
namespace {

WorkedSolution solutionOf(int n, std::vector<std::string> texts)
{
    return WorkedSolution(solveQuietly(n, texts, { ".", "" }));
}

struct HintCase {
    const char* name;
    int n;
    std::vector<std::string> system;
    PracticeStep step;
    int level;
    const char* expected;
};

void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }

class Hint : public testing::TestWithParam<HintCase> { };

TEST_P(Hint, SaysWhatTheStudentCanDoByHand)
{
    const HintCase& c = GetParam();
    const WorkedSolution solution = solutionOf(c.n, c.system);
    const WorkingDocument document = workingDocument(solution);
    EXPECT_EQ(labelText(practiceHint(solution, document, c.step, c.level)).toStdString(), c.expected);
}

const std::vector<std::string> kTwo { "2", "1", "5", "1", "-3", "-8" };
const std::vector<std::string> kFour { "2", "1", "0", "0", "1", "4", "3", "1", "0", "2", "0", "2", "1", "1",
    "3", "1", "0", "0", "2", "4" };
constexpr PracticeStep kD { PracticeStep::Kind::Determinant, 0 };
constexpr PracticeStep kD1 { PracticeStep::Kind::Determinant, 1 };
constexpr PracticeStep kX1 { PracticeStep::Kind::Unknown, 1 };
constexpr PracticeStep kCount { PracticeStep::Kind::SolutionCount, 0 };
const std::vector<std::string> kParallel { "1", "2", "1", "2", "4", "3" };
const std::vector<std::string> kFourSingular { "1", "2", "0", "1", "4", "2", "4", "0", "2", "8", "0", "1",
    "1", "0", "2", "1", "0", "0", "1", "1" };

INSTANTIATE_TEST_SUITE_P(Levels, Hint,
    testing::Values(
        // The rule with this system's numbers, its products still to work out.
        HintCase { "CrossWithNumbers", 2, kTwo, kD, 2, "d = 2·(−3) − 1·1" },
        HintCase { "CrossOfD1", 2, kTwo, kD1, 2, "d₁ = 5·(−3) − 1·(−8)" },
        HintCase { "Value", 2, kTwo, kD1, 3, "Стойността е d₁ = −7. Тази стъпка се брои за показана." },
        // The division, without values the student may not have found yet.
        HintCase { "Divide", 2, kTwo, kX1, 2,
            "x₁ = d₁/d: раздели двете стойности, намерени в стъпките по-горе, и съкрати дробта." },
        // n ≥ 4: the exact pivots, each exchange named, and the product.
        HintCase { "PivotsOf4", 4, kFour, kD, 2,
            "Водещите елементи (точно): колона 1: 2; колона 2: 1; колона 3: −1; колона 4: 5/2. Значи d = "
            "2·1·(−1)·(5/2)." },
        // The rule for n ≥ 4, and the line to expand along, its count agreeing with its noun.
        HintCase { "RuleOf4", 4, kFour, kD, 1,
            "Пресметни d по метода на Гаус с точни дроби: под всеки водещ елемент направи нули, а за водещ взимай "
            "първия ненулев елемент на колоната отгоре надолу (ако е в друг ред, размени двата реда); d е "
            "произведението на водещите елементи, със смяна на знака при всяка размяна. Или развий по ред 1, "
            "който има 2 нули." },
        // d = 0 exactly: elimination ends at a column without a pivot.
        HintCase { "ZeroColumnOf4", 4, kFourSingular, kD, 2,
            "Водещите елементи (точно): колона 1: 1; колона 2: размени редове 2 и 3 (знакът се сменя), водещ елемент 1; "
            "колона 3: размени редове 3 и 4 (знакът се сменя), водещ елемент 2. В колона 4 под тях остават само нули, "
            "значи d = 0." },
        // How many solutions: the two ranks, then the answer.
        HintCase { "Ranks", 2, kParallel, kCount, 2,
            "Рангът на матрицата на системата е 1, рангът на разширената матрица е 2." },
        HintCase {
            "Choice", 2, kParallel, kCount, 3, "Системата няма решение. Тази стъпка се брои за показана." }),
    [](const testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

// A grouping mark that, as a decimal mark, would make another number is
// pointed out; where both readings agree, or the text is no number, not.
struct SeparatorCase {
    const char* typed;
    NumberLocale locale;
    const char* expected;
};

class OtherSeparator : public testing::TestWithParam<SeparatorCase> { };

TEST_P(OtherSeparator, IsPointedOutWhereItChangesTheNumber)
{
    const SeparatorCase& c = GetParam();
    EXPECT_EQ(labelText(otherSeparatorNote(QString::fromUtf8(c.typed), c.locale)).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, OtherSeparator,
    testing::Values(
        SeparatorCase { "-1,875", { ".", "," },
            "„-1,875“ е прочетено като −1875: „,“ тук разделя хилядите; ако това е десетична дроб, "
            "напиши „-1.875“." },
        SeparatorCase { "1,5", { ".", "," }, "" }, // no number as typed: said elsewhere
        SeparatorCase { "1.875", { ",", "\u00A0" }, "" }, // a point is a decimal mark there too
        SeparatorCase { "1.875", { ",", "." },
            "„1.875“ е прочетено като 1875: „.“ тук разделя хилядите; ако това "
            "е десетична дроб, напиши „1,875“." },
        SeparatorCase { "12", { ".", "," }, "" }));

// The verdict on a wrong answer names the mistake, or both mistakes where
// two give the answer's value; what is not a number is not a try.
struct VerdictCase {
    const char* name;
    int n;
    std::vector<std::string> system;
    PracticeStep step;
    const char* typed;
    const char* expected;
    bool counted = true;
    bool right = false;
};

void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.name; }

class Verdict : public testing::TestWithParam<VerdictCase> { };

TEST_P(Verdict, NamesWhatWentWrong)
{
    const VerdictCase& c = GetParam();
    const WorkedSolution solution = solutionOf(c.n, c.system);
    const PracticeReply reply = replyToAnswer(solution, c.step, QString::fromUtf8(c.typed), { ".", "," });
    EXPECT_EQ(labelText(reply.message).toStdString(), c.expected);
    EXPECT_EQ(reply.counted, c.counted);
    EXPECT_EQ(reply.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(Answers, Verdict,
    testing::Values(
        // −d is both the diagonals swapped and the sign turned.
        VerdictCase { "EitherOfTwo", 2, kTwo, kD, "7",
            "Не е вярно: или диагоналите са разменени, или знакът е обратен." },
        VerdictCase { "ProductsAdded", 2, kTwo, kD, "-5",
            "Не е вярно: двете произведения са събрани, а второто се изважда от първото." },
        VerdictCase { "OtherColumn", 2, kTwo, kD1, "-21",
            "Не е вярно: това е детерминантата, в която свободните членове заместват колона 2, а трябва "
            "колона 1." },
        // Rounded right, to too few digits: asked for three, the value shown to them.
        VerdictCase { "TooFewDigits", 2, { "3", "0", "1", "0", "3", "2" }, kX1, "0.33",
            "Закръглено е вярно, но дай поне три значещи цифри: 0.333." },
        // As measured: two significant digits below 10 %.
        VerdictCase {
            "Off", 2, kTwo, kD, "-7.5", "Не е вярно: отговорът се различава от верния с около 7.1 %." },
        VerdictCase { "Right", 2, kTwo, kD, "-7", "Вярно.", true, true },
        VerdictCase { "NotANumber", 2, kTwo, kD, "-7a",
            "„-7a“ не е число: въведи цяло число, десетична дроб или дроб като -12/23.", false },
        // A pasted line break, shown as what it is.
        VerdictCase { "LineBreakShown", 2, kTwo, kD, "-7\n8",
            "„-7U+000A8“ не е число: въведи цяло число, десетична дроб или дроб като -12/23.", false },
        VerdictCase { "GroupingMarkRead", 2, kTwo, kD, "-7,000",
            "Не е вярно. „-7,000“ е прочетено като −7000: „,“ тук разделя хилядите; ако това е "
            "десетична дроб, напиши „-7.000“." }),
    [](const testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

// The summary keeps the tries made before a value was shown.
TEST(Summary, KeepsTheTriesBeforeAValueWasShown)
{
    const WorkedSolution solution = solutionOf(2, kTwo);
    const WorkingDocument summary = practiceSummary(solution,
        { { kD, false, 1, 0 }, { kD1, true, 2, 3 }, { kX1, true, 0, 3 } }, 75);
    QStringList lines;
    for (const Block& block : summary.sections.front().blocks)
        lines << labelText(block.runs);
    EXPECT_EQ(lines.value(1), QString::fromUtf8("d = −7: вярно от първия опит, подсказки: 0"));
    EXPECT_EQ(lines.value(2), QString::fromUtf8("d₁ = −7: показано след 2 опита, подсказки: 3"));
    EXPECT_EQ(lines.value(3), QString::fromUtf8("x₁ = 1: показано, подсказки: 3"));
}

} // namespace
} // namespace cramer
