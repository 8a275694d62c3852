// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solution's own text for systems whose working a student would
// check by hand, without a window.

#include "report/working_document.h"
#include "report/working_forms.h"

#include "window_test_support.h"

#include <gtest/gtest.h>

namespace cramer {
namespace {

using testing_support::kBulgarianNumbers;
using testing_support::workedSolutionOf;

struct WorkingCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    NumberLocale locale;
    std::vector<const char*> fragments; // in this order
};

void PrintTo(const WorkingCase& c, std::ostream* os) { *os << c.name; }

class WorkingText : public testing::TestWithParam<WorkingCase> { };

TEST_P(WorkingText, ShowsHowEveryValueArises)
{
    const WorkingCase& c = GetParam();
    // Lines as wrapped for 80 columns, joined again; groups of digits apart
    // by a blank; right digits without the line that marks them.
    const QString text = workingAsPlainText(workingDocument(workedSolutionOf(c.rows, c.locale)))
                             .remove(QChar(0x0332))
                             .simplified();
    qsizetype from = 0;
    for (const char* fragment : c.fragments) {
        const qsizetype found = text.indexOf(QString::fromUtf8(fragment), from);
        ASSERT_GE(found, 0) << fragment << "\nnot in (or not after the fragment before)\n"
                            << text.toStdString();
        from = found;
    }
    // The ∞-norm of the condition number is no value.
    EXPECT_FALSE(QString(text).remove(QStringLiteral("‖∞")).contains(QStringLiteral("∞")))
        << "a value out of range is named, never shown";
}

INSTANTIATE_TEST_SUITE_P(Systems, WorkingText,
    testing::Values(
        WorkingCase { "CrossProduct", { { "3", "0", "1" }, { "0", "3", "2" } }, kCLocale,
            { "d = 3·3 − 0·0 = 9 − 0 = 9", "d1 = 1·3 − 0·2 = 3 − 0 = 3", "x1 = d1/d = 1/3 = 0.(3)",
                "Програмата: d1/d = 0.33333334 в единична точност, в реда за резултата 0.333",
                "абсолютна грешка 9.93·10⁻⁹", "това е най-близкото число с единична точност." } },
        // The single-precision d is -0.99999994, the exact one -1.
        WorkingCase { "SarrusAndTheRoundingOfD",
            { { "2", "1", "1", "4" }, { "1", "3", "2", "6" }, { "1", "0", "0", "1" } }, kBulgarianNumbers,
            { "Всяко въведено число се пази в единична точност точно такова, каквото е въведено.",
                "| 2 1 1 |", "d = 2·3·0 + 1·2·1 + 1·1·0 − 1·3·1 − 2·2·0 − 1·1·0 = 0 + 2 + 0 − 3 − 0 − 0 = −1",
                "Колона 1: водещият елемент е 2.", "ред 2: 1; ред 3: 1.", "0 −0,5 −0,5",
                "произведението се умножава по тях: 5 · (−0,19999999) = −0,99999994.",
                "d = −0,99999994: това е стойността, която програмата съобщи (в прозореца: −0,9999999).",
                "Точната стойност от числата, както са въведени: d = −1.",
                "Единична точност −0,99999994, точно −1: абсолютна грешка 5,96·10⁻⁸, относителна грешка "
                "5,96·10⁻⁸; най-близкото число с единична точност е −1, на 1 стъпка оттук.",
                "Проверка чрез заместване",
                "уравнение 2: 4,7683716·10⁻⁷ в единична точност, точно 0,00000035762786865234375",
                "Системата има единствено решение." } },
        WorkingCase { "ExchangesAndPeriodicFractions",
            { { "0", "1", "2", "1", "1" }, { "1", "0", "1", "2", "2" }, { "2", "1", "0", "3", "4" },
                { "1", "2", "1", "5", "5" } },
            kBulgarianNumbers,
            { "Колона 1: елементът в ред 1 е 0, затова редове 1 и 2 се разменят и знакът на произведението "
              "се "
              "сменя.",
                "Точната стойност от числата, както са въведени: d = 12.", "x1 = d1/d = 3/4 = 0,75",
                "x3 = d3/d = −1/12 = −0,08(3)", "x4 = d4/d = 2/3 = 0,(6)" } },
        // Row 2 holds 0 as well: a second exchange, worded as the search runs.
        WorkingCase { "TwoExchangesInOneColumn",
            { { "0", "1", "2", "1", "4" }, { "0", "2", "1", "2", "4" }, { "2", "1", "0", "1", "4" },
                { "1", "2", "1", "3", "4" } },
            kCLocale,
            { "Колона 1: елементът в ред 1 е 0, затова редове 1 и 2 се разменят",
                "Елементът, който дойде в ред 1 от ред 2, също е 0, затова редове 1 и 3 се разменят и знакът "
                "се сменя отново.",
                "Матрицата след размените в колона 1: 2 1 0 1 0 1 2 1 0 2 1 2 1 2 1 3",
                "Колона 1: водещият елемент е 2." } },
        // Only row 1 divided by the tiny pivot leaves the range, not d itself.
        WorkingCase { "AnIntermediateLeavesTheRange", { { "1E-40", "2", "3" }, { "4", "1E20", "5" } },
            kCLocale,
            { "Ред 1 се дели на водещия елемент, но в колона 2 частното 2 / 1·10⁻⁴⁰ излиза извън обхвата",
                "Точно d = −799999999999999999999/100000000000000000000 = −7.99999999999999999999: извън "
                "обхвата излезе само междинна стойност, не самата детерминанта." } },
        // The product of the pivots leaves the range at column 2: d itself is out of range.
        WorkingCase { "TheProductLeavesTheRange",
            { { "1E30", "0", "0", "1" }, { "0", "1E30", "0", "1" }, { "0", "0", "1", "1" } }, kCLocale,
            { "Колона 2: водещият елемент е 1·10³⁰, но произведението на знака и водещите елементи 1·10³⁰ · "
              "1·10³⁰ излиза извън обхвата",
                "и самата детерминанта е извън обхвата." } },
        // Row 2 minus 3 times row 1 leaves the range in column 2.
        WorkingCase { "ASubtractionLeavesTheRange", { { "1", "3E38", "1" }, { "3", "-3E38", "1" } }, kCLocale,
            { "От ред 2 се изважда ред 1, умножен по множител, но в колона 2 разликата −3·10³⁸ − 3 · 3·10³⁸ "
              "излиза извън обхвата",
                "Точно d = −1200000000000000000000000000000000000000: и самата детерминанта е извън "
                "обхвата." } },
        WorkingCase { "TypedDecimalsAndASystemSingularOnlyExactly",
            { { "0.1", "0.3", "1" }, { "0.3", "0.9", "3" } }, kCLocale,
            { "„0.1“ за коефициента пред x1 в уравнение 1 се пази в единична точност като "
              "0.100 000 001 490 116 119 384 765 625.",
                "d = 0.1·0.9 − 0.3·0.3 = 0.09 − 0.09 = 0", "Точно d = 0: системата е особена.",
                "Рангът на матрицата на системата е 1, рангът на разширената матрица (със свободните "
                "членове) е 1.",
                "безброй много решения", "x1 = 10 − 3·t1", "x2 = t1", "където t1 е произволно число." } },
        WorkingCase { "NoSolution", { { "1", "2", "1" }, { "2", "4", "3" } }, kCLocale,
            { "d = 1·4 − 2·2 = 4 − 4 = 0", "разширената матрица (със свободните членове) е 2.",
                "системата няма решение (несъвместима е)." } },
        WorkingCase { "RegularButZeroInSingle", { { "1", "1", "2" }, { "1", "1.00000001", "3" } }, kCLocale,
            { "„1.00000001“ за коефициента пред x2 в уравнение 2 се пази в единична точност като 1.",
                "но точно d = 1/100000000 = 0.00000001, а не 0: системата има единствено решение.",
                "x1 = −99999998", "x2 = 100000000" } },
        // 1.8 is no single: its single is not written "1.8" beside the exact 1.8.
        WorkingCase { "ASingleThatReadsAsItsExactValue", { { "1", "0", "1.8" }, { "0", "1", "1" } }, kCLocale,
            { "Единична точност 1.79999995, точно 1.8: абсолютна грешка 4.77·10⁻⁸" } },
        // Each kind of number written by its rule.
        // A period too long to write: leading digits, and that it never ends.
        WorkingCase { "APeriodTooLongIsApproximated", { { "97", "0", "1" }, { "0", "1", "1" } }, kCLocale,
            { "x1 = d1/d = 1/97 ≈ 0.0103092783505155 (безкрайна десетична дроб)",
                // One notation in the sentence: no fraction beside a decimal.
                "Единична точност 0.010309278, точната стойност ≈ 0.0103092783505155 (безкрайна десетична "
                "дроб): "
                "абсолютна грешка" } },
        WorkingCase { "ALongDecimalBelowOneInScientificForm",
            { { "1152921504606846976", "0", "1" }, { "0", "1", "1" } }, kCLocale,
            { "d = 1.1529215·10¹⁸: това е стойността",
                "x1 = d1/d = 1/1152921504606846976 = 8.6736173798840354720596224069…·10⁻¹⁹ (общо 42 "
                "цифри)" } },
        WorkingCase { "MinusZeroIsZero", { { "-0", "1", "-0" }, { "1", "0", "0" } }, kCLocale,
            { "0·x1 + x2 = 0", "x1 = d1/d = 0" } },
        WorkingCase { "ThePowerOfTwoBoundary", { { "16777217", "0", "1" }, { "0", "1", "1" } }, kCLocale,
            { "d = 16777216: това е стойността",
                "Единична точност 16777216, точно 16777217: абсолютна грешка 1, относителна грешка "
                "5.96·10⁻⁸; "
                "това е най-близкото число с единична точност." } },
        WorkingCase { "AnExactZeroHasItsAbsoluteErrorAlone",
            { { "-0.1", "-0.3", "-0.8" }, { "0.3", "0.9", "0.9" } }, kCLocale,
            { "Единична точност 5.9604646·10⁻⁹, точно 0: абсолютна грешка 5.96·10⁻⁹." } },
        WorkingCase { "TwoParameters",
            { { "1", "2", "3", "6" }, { "2", "4", "6", "12" }, { "-1", "-2", "-3", "-6" } }, kCLocale,
            { "x1 = 6 − 2·t1 − 3·t2", "x2 = t1", "x3 = t2", "където t1 и t2 са произволни числа." } },
        // Under a locale of decimal commas a typed point is written as a comma.
        WorkingCase { "APointTypedUnderCommas", { { "0.5", "1.25", "2" }, { "1", "-1", "1" } },
            kBulgarianNumbers, { "0,5·x1 + 1,25·x2 = 2", "x1 − x2 = 1" } },
        // A tiny first pivot: x2 lost to 0, by the order of pivots in a
        // system only badly scaled; the others right in all but their last
        // digits, and not called exact, since they are not.
        WorkingCase { "BadlyScaled",
            { { "1e-20", "1", "1", "2" }, { "1", "1e20", "1", "3" }, { "1", "1", "1e-20", "4" } }, kCLocale,
            { "x1 = 4 в единична точност, точно ≈ 4: верни са 8 значещи цифри",
                "x2 = 0 в единична точност, а точно ≈ −3·10⁻²⁰.",
                "κ(A) = ‖A‖∞·‖A⁻¹‖∞ е ≈ 1·10²⁰, но системата е само лошо мащабирана",
                "загубата идва от реда на водещите елементи",
                "първия ненулев, 1·10⁻²⁰, макар в ред 2 да стои 1.",
                "x2 ≈ −3·10⁻²⁰: верни са 7 значещи цифри." } }),
    [](const testing::TestParamInfo<WorkingCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace cramer
