// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution's texts and those of its pictures. UTF-8.

#include "report/texts.h"

namespace cramer::texts {

inline constexpr const char* kWorkingSystemHeading = "Системата";
inline constexpr const char* kWorkingStoredAsTyped
    = "Всяко въведено число се пази в единична точност точно такова, каквото е въведено.";
inline constexpr const char* kWorkingStored = "„%1“ за %2 се пази в единична точност като %3.";
inline constexpr const char* kWorkingMainHeading = "Главната детерминанта d";
inline constexpr const char* kWorkingNumeratorHeading
    = "Детерминантата d%1 (колона %1 е заменена със свободните членове)";
inline constexpr const char* kWorkingCross
    = "По правилото за 2 × 2 (произведението по главния диагонал минус произведението по другия):";
inline constexpr const char* kWorkingSarrus
    = "По правилото на Сарус (три произведения със знак +, три със знак −):";
inline constexpr const char* kWorkingElimination
    = "Така я пресмята програмата: по метода на Гаус с числа с единична точност, като всяко действие се "
      "закръгля поотделно.";
inline constexpr const char* kWorkingExchange = "Колона %1: елементът в ред %1 е 0, затова редове %1 и %2 се "
                                                "разменят и знакът на произведението се сменя.";
// %3 is the row the new element in row %1 came from.
inline constexpr const char* kWorkingExchangeAgain
    = "Елементът, който дойде в ред %1 от ред %3, също е 0, затова редове %1 и %2 се разменят и знакът "
      "се сменя отново.";
inline constexpr const char* kWorkingAfterExchange = "Матрицата след размяната в колона %1:";
inline constexpr const char* kWorkingAfterExchanges = "Матрицата след размените в колона %1:";
inline constexpr const char* kWorkingNoPivot
    = "Под него в колона %1 няма ненулев елемент: детерминантата е 0.";
inline constexpr const char* kWorkingPivot = "Колона %1: водещият елемент е %2. Ред %1 се дели на него; "
                                             "произведението на знака и водещите елементи става %3.";
inline constexpr const char* kWorkingFactors
    = "От всеки следващ ред се изважда ред %1, умножен по множител: %2.";
inline constexpr const char* kWorkingFactor = "ред\u00A0%1: %2"; // no line break inside "ред 2"
inline constexpr const char* kWorkingAfterColumn = "След колона %1:";
inline constexpr const char* kWorkingFinalProduct
    = "По диагонала остават единици и последният елемент; произведението се умножава по тях: %1 · %2 = %3.";
// A value of column %1's work that leaves single precision's range.
inline constexpr const char* kWorkingRangeProduct
    = "Колона %1: водещият елемент е %2, но произведението на знака и водещите елементи %3 · %2 излиза извън "
      "обхвата на единичната точност, затова програмата спира тук.";
inline constexpr const char* kWorkingRangeDivision
    = "Ред %1 се дели на водещия елемент, но в колона %2 частното %3 / %4 излиза извън обхвата на единичната "
      "точност, затова програмата спира тук.";
inline constexpr const char* kWorkingRangeSubtraction
    = "От ред %2 се изважда ред %1, умножен по множител, но в колона %3 разликата %4 − %5 · %6 излиза извън "
      "обхвата на единичната точност, затова програмата спира тук.";
inline constexpr const char* kWorkingRangeIntermediate
    = "Точно %1 = %2: извън обхвата излезе само междинна стойност, не самата детерминанта.";
// %1 the determinant, %2 the largest single.
inline constexpr const char* kOverflowIntermediate = QT_TRANSLATE_NOOP("cramer::texts",
    "Детерминантата %1 е в обхвата на единичната точност, но междинна стойност при пресмятането ѝ излиза "
    "извън него (до %2 по абсолютна стойност) и програмата спира тук.");
inline constexpr const char* kWorkingRangeItself = "Точно %1 = %2: и самата детерминанта е извън обхвата.";
inline constexpr const char* kWorkingFinalProductOverflow
    = "По диагонала остават единици и последният елемент; произведението %1 · %2 излиза извън обхвата на "
      "единичната точност.";
// %3 is nothing, or kWorkingShownAs where the window showed fewer digits.
inline constexpr const char* kWorkingAnnounced = "%1 = %2: това е стойността, която програмата съобщи%3.";
inline constexpr const char* kWorkingShownAs = " (в прозореца: %1)";
inline constexpr const char* kWorkingExact = "Точната стойност от числата, както са въведени: %1 = %2.";
inline constexpr const char* kWorkingError
    = "Единична точност %1, точно %2: абсолютна грешка %3, относителна грешка %4; %5";
inline constexpr const char* kWorkingErrorNear
    = "Единична точност %1, точната стойност ≈ %2: абсолютна грешка %3, относителна грешка %4; %5";
inline constexpr const char* kWorkingErrorOfZero = "Единична точност %1, точно 0: абсолютна грешка %2.";
inline constexpr const char* kWorkingCorrectlyRounded = "това е най-близкото число с единична точност.";
// %2 is how many singles apart, "1 стъпка" or "3 стъпки".
inline constexpr const char* kWorkingNotCorrectlyRounded
    = "най-близкото число с единична точност е %1, на %2 оттук.";
inline constexpr const char* kOneStep = "1 стъпка";
inline constexpr const char* kSteps = "%1 стъпки";
inline constexpr const char* kWorkingUnknownsHeading = "Неизвестните";
// %1 is "d1/d".
inline constexpr const char* kWorkingSolutionSingle
    = "Програмата: %1 = %2 в единична точност, в реда за резултата %3 (закръглено до 3 знака).";
inline constexpr const char* kWorkingCheckHeading = "Проверка чрез заместване";
inline constexpr const char* kWorkingCheckIntro
    = "Лявата страна минус дясната с пресметнатите x (преди закръглянето до 3 знака):";
inline constexpr const char* kWorkingResidual = "уравнение %1: %2 в единична точност, точно %3";
inline constexpr const char* kWorkingResidualOutOfRange
    = "уравнение %1: в единична точност излиза извън обхвата на единичната точност, точно %2";
inline constexpr const char* kWorkingVerdictHeading = "Извод";
inline constexpr const char* kVerdictOneSolution = "Системата има единствено решение.";
inline constexpr const char* kVerdictRanks = "Точно d = 0. Рангът на матрицата на системата е %1, рангът на "
                                             "разширената матрица (със свободните членове) е %2.";
inline constexpr const char* kVerdictNoSolution
    = "Рангът на разширената матрица е по-голям: системата няма решение (несъвместима е).";
inline constexpr const char* kVerdictInfinitelyMany
    = "Двата ранга са равни и по-малки от %1: системата има безброй много решения:";
inline constexpr const char* kVerdictParameter = "където %1 е произволно число.";
inline constexpr const char* kVerdictParameters = "където %1 са произволни числа.";
inline constexpr const char* kVerdictZeroOnlyInSingle
    = "С единична точност програмата получи d = 0 и не реши системата по правилото на Крамер, но точно d = "
      "%1, "
      "а не 0: системата има единствено решение.";
inline constexpr const char* kVerdictZeroOnlyExactly
    = "Точно d = 0: системата е особена. Програмата получи d = %1 само от закръглянията, затова показаните x "
      "са шум "
      "от закръглянията, а не решение.";
// When single precision got some x_i wrong: how many digits are right and why.
inline constexpr const char* kAccuracyWarning
    = "Внимание: с единична точност програмата получи неточни стойности. Верните значещи цифри:";
// %1 "x₁", %2 the single, %3 the exact value, %4 how many digits are right.
inline constexpr const char* kAccuracyDigits = "%1 = %2 в единична точност, точно %3: %4.";
// %5 the relative error in per cent.
inline constexpr const char* kAccuracyDigitsAndError = QT_TRANSLATE_NOOP(
    "cramer::texts", "%1 = %2 в единична точност, точно %3: %4 (относителната грешка е ≈ %5 %).");
// %1 how many digits are right, %2 both values rounded to that many.
inline constexpr const char* kAccuracyRoundedAlike
    = QT_TRANSLATE_NOOP("cramer::texts", "%1, защото закръглени до толкова цифри и двете стойности са %2");
inline constexpr const char* kAccuracyWrongSign = "%1 = %2 в единична точност, точно %3: знакът е обратен.";
inline constexpr const char* kAccuracyZero = "%1 = 0 в единична точност, а точно %2.";
inline constexpr const char* kAccuracyNoDigit = "нито една значеща цифра не е вярна";
inline constexpr const char* kAccuracyOneDigit = "вярна е 1 значеща цифра";
inline constexpr const char* kAccuracyManyDigits = "верни са %1 значещи цифри";
inline constexpr const char* kAccuracyAllDigits = "това е точната стойност";
inline constexpr const char* kAccuracyEveryDigit = "всички значещи цифри са верни";
// Where the digits of one x_i went, each source measured exactly: %1 "x₂",
// then the clauses below, joined by "; ".
inline constexpr const char* kCauseHeading
    = QT_TRANSLATE_NOOP("cramer::texts", "Откъде идва грешката в %1: ");
// %1 the exact value from the typed numbers, %2 that of the numbers as stored, %3 kCauseKept….
inline constexpr const char* kCauseInput = QT_TRANSLATE_NOOP("cramer::texts",
    "закръгляването на въведените числа до единична точност само по себе си го променя от %1 на %2 и %3");
// How many right significant digits are left.
inline constexpr const char* kCauseKeptNone
    = QT_TRANSLATE_NOOP("cramer::texts", "не остава нито една вярна значеща цифра");
inline constexpr const char* kCauseKeptOne
    = QT_TRANSLATE_NOOP("cramer::texts", "остава 1 вярна значеща цифра");
inline constexpr const char* kCauseKeptMany
    = QT_TRANSLATE_NOOP("cramer::texts", "остават %1 верни значещи цифри");
// %1 Skeel's condition of x_i, (|A⁻¹|·|A|·|x|)_i / |x_i|, %2 its logarithm.
inline constexpr const char* kCauseCondition = QT_TRANSLATE_NOOP("cramer::texts",
    "обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %2 цифри");
inline constexpr const char* kCausePart
    = QT_TRANSLATE_NOOP("cramer::texts", " — това обяснява само част от загубата");
inline constexpr const char* kCauseNotCondition
    = QT_TRANSLATE_NOOP("cramer::texts", "обусловеността му по Скийл е ≈ %1 и не обяснява загубата");
// %1 kCauseKept…: what the arithmetic keeps of the stored system's exact value.
inline constexpr const char* kCauseArithmetic = QT_TRANSLATE_NOOP("cramer::texts",
    "след изключването с единична точност, сравнено с точното решение на съхранените числа, %1");
// %1 κ∞, %2 the largest of Skeel's conditions.
inline constexpr const char* kCauseOnlyScaling = QT_TRANSLATE_NOOP("cramer::texts",
    "Числото на обусловеност κ(A) = ‖A‖∞·‖A⁻¹‖∞ е ≈ %1, но системата е само лошо мащабирана: обусловеността "
    "на всяко неизвестно по Скийл е най-много ≈ %2.");
inline constexpr const char* kCauseConditionNumber = QT_TRANSLATE_NOOP(
    "cramer::texts", "Числото на обусловеност на матрицата (пресметнато точно) е κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ %1.");
inline constexpr const char* kCausePivotOrder = QT_TRANSLATE_NOOP("cramer::texts",
    "Изключването със същата единична точност, но с най-големия водещ елемент във всяка колона запазва "
    "повече цифри (по-долу): загубата идва от реда на водещите елементи.");
// %1 "d" or "d₂", %2 the column, %3 the pivot, %4 the row of the larger entry, %5 that entry.
inline constexpr const char* kAccuracySmallPivot
    = "При %1 програмата взема за водещ елемент в колона %2 първия ненулев, %3, макар в ред %4 да стои %5. "
      "Делението на толкова малък водещ елемент увеличава грешките от закръгляването.";
// %1 "d", %2 the column, %3 the entry before, %4 the pivot it left, %5 the exact pivot.
inline constexpr const char* kAccuracyCancellation
    = "При %1 водещият елемент на колона %2 излиза от изваждане на близки числа: от %3 остава %4, а "
      "точно е %5. При това изваждане се губят повечето значещи цифри.";
inline constexpr const char* kAccuracyTypedBelowRange
    = "Числото в ред %1, колона %2 е под обхвата на нормалните числа с единична точност и се пази като %3, "
      "с малко или без значещи цифри.";
inline constexpr const char* kAccuracyStepBelowRange
    = "При %1, в колона %2, междинната стойност %3 пада под обхвата на нормалните числа с единична точност "
      "и губи значещи цифри.";
inline constexpr const char* kAccuracyQuotientBelowRange
    = "Частното %1 = %2 пада под обхвата на нормалните числа с единична точност и губи значещите си цифри.";
inline constexpr const char* kAccuracyLargestPivot
    = "Същото изключване, но с най-големия по абсолютна стойност водещ елемент във всяка колона (частичен "
      "избор), дава с единична точност:";
inline constexpr const char* kAccuracyLargestPivotDigits = "%1 ≈ %2: %3.";
inline constexpr const char* kAccuracyLargestPivotOutOfRange
    = "Същото изключване с най-големия по абсолютна стойност водещ елемент във всяка колона излиза извън "
      "обхвата на единичната точност.";
inline constexpr const char* kWorkingTooLong
    = "Точните стойности не са изчислени: числото „%2“ за %1 има твърде много цифри.";
inline constexpr const char* kWorkingBelowSingles
    = "Точните стойности не са изчислени: числото „%2“ за %1 е по абсолютна стойност под най-малкото "
      "число с единична точност (%4) и програмата го пази като %3.";
inline constexpr const char* kWorkingAnd = " и ";
// After the leading digits of a decimal that never ends.
inline constexpr const char* kNeverEnds = " (безкрайна десетична дроб)";
// After a number shortened with "…": how many digits it has.
inline constexpr const char* kDigitsInAll = "(общо %1 цифри)";
// The plain text of a matrix too wide for one screen, in blocks of columns.
inline constexpr const char* kColumnsBlock = "колони %1–%2:";
inline constexpr const char* kColumnBlock = "колона %1:";
inline constexpr const char* kRowLabel = "ред %1";
inline constexpr const char* kReplacedColumnMark = "заменената колона";
inline constexpr const char* kMatrixReplacedColumn = "Колона %1 е заменена със свободните членове.";

// The pictures of a system of two unknowns.
inline constexpr const char* kWorkingFiguresHeading = "Графично представяне";
inline constexpr const char* kFigureLinesAtOnePoint
    = "Всяко уравнение е права в равнината с оси x%1 и x%2. Правите се пресичат в точката %3: "
      "това е решението на системата.";
inline constexpr const char* kFigureLinesParallel
    = "Всяко уравнение е права в равнината с оси x%1 и x%2. Правите са успоредни и нямат обща точка: "
      "системата няма решение.";
inline constexpr const char* kFigureLinesSame
    = "Всяко уравнение е права в равнината с оси x%1 и x%2. Двете уравнения описват една и съща права: "
      "всяка нейна точка е решение, системата има безброй много решения.";
inline constexpr const char* kFigureLinesNoLine
    = "Уравнение %1 няма неизвестни (коефициентите му са 0) и не е права.";
inline constexpr const char* kFigureLegend = "права %1 (%2): ";
inline constexpr const char* kFigureSolid = "плътна";
inline constexpr const char* kFigureDashed = "прекъсната";
inline constexpr const char* kFigureAreas
    = "d, d%1 и d%2 са лицата със знак на успоредниците върху колоните на матрицата: d върху a%1 и a%2, "
      "d%1 върху b и a%2, d%2 върху a%1 и b (b е колоната на свободните членове). Лицето е положително "
      "(плътно запълване), когато втората колона е обратно на часовниковата стрелка от първата, и "
      "отрицателно (щриховка) иначе. Така x%1 = d%1 / d и x%2 = d%2 / d са отношения на лица.";
inline constexpr const char* kFigureAreaValues = "Лицата: %1.";
inline constexpr const char* kFigureUnknownValue = "?";
// What a screen reader calls the two pictures.
inline constexpr const char* kFigureLinesName = "Правите на двете уравнения";
inline constexpr const char* kFigureAreasName = "d, d₁ и d₂ като лица";

// A worksheet for a class: its header, each variant, the key and the
// worked solutions.
inline constexpr const char* kWorksheetTitle
    = QT_TRANSLATE_NOOP("cramer::texts", "Правило на Крамер: работен лист");
inline constexpr const char* kWorksheetClass = QT_TRANSLATE_NOOP("cramer::texts", "Клас: %1");
inline constexpr const char* kWorksheetDate = QT_TRANSLATE_NOOP("cramer::texts", "Дата: %1");
inline constexpr const char* kWorksheetBlank = "____________";
inline constexpr const char* kWorksheetName
    = QT_TRANSLATE_NOOP("cramer::texts", "Име: ________________________________________");
inline constexpr const char* kWorksheetTask = QT_TRANSLATE_NOOP("cramer::texts",
    "Реши системата по правилото на Крамер: пресметни главната детерминанта d, после детерминантите на "
    "неизвестните и частните им с d.");
// %1 the seed.
inline constexpr const char* kWorksheetSeed
    = QT_TRANSLATE_NOOP("cramer::texts", "Код на листа: %1. Със същия код програмата прави същите варианти.");
inline constexpr const char* kWorksheetVariant = QT_TRANSLATE_NOOP("cramer::texts", "Вариант %1");
inline constexpr const char* kWorksheetKey = QT_TRANSLATE_NOOP("cramer::texts", "Ключ с отговорите");
// %1 the variant's number, %2 its answer.
inline constexpr const char* kWorksheetKeyLine = QT_TRANSLATE_NOOP("cramer::texts", "Вариант %1: %2");
inline constexpr const char* kWorksheetKeyNone
    = QT_TRANSLATE_NOOP("cramer::texts", "d = 0 и системата няма решение");
inline constexpr const char* kWorksheetKeyMany
    = QT_TRANSLATE_NOOP("cramer::texts", "d = 0 и системата има безброй много решения");
inline constexpr const char* kWorksheetKeySheet = QT_TRANSLATE_NOOP("cramer::texts", "Ключ");
inline constexpr const char* kWorksheetKeyVariant = QT_TRANSLATE_NOOP("cramer::texts", "Вариант");
inline constexpr const char* kWorksheetKeyNoneShort = QT_TRANSLATE_NOOP("cramer::texts", "няма решение");
inline constexpr const char* kWorksheetKeyManyShort
    = QT_TRANSLATE_NOOP("cramer::texts", "безброй много решения");
inline constexpr const char* kWorksheetSolutionOf
    = QT_TRANSLATE_NOOP("cramer::texts", "Решение на вариант %1");

} // namespace cramer::texts
