// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution's texts and those of its pictures. UTF-8.

#include "report/texts.h"

namespace cramer::texts {

inline constexpr Text kWorkingSystemHeading = CRAMER_TEXT("WorkedSolution", "Системата");
inline constexpr Text kWorkingStoredAsTyped = CRAMER_TEXT(
    "WorkedSolution", "Всяко въведено число се пази в единична точност точно такова, каквото е въведено.");
inline constexpr Text kWorkingStored
    = CRAMER_TEXT("WorkedSolution", "„%1“ за %2 се пази в единична точност като %3.");
inline constexpr Text kWorkingMainHeading = CRAMER_TEXT("WorkedSolution", "Главната детерминанта d");
inline constexpr Text kWorkingNumeratorHeading
    = CRAMER_TEXT("WorkedSolution", "Детерминантата %1 (колона %2 е заменена със свободните членове)");
inline constexpr Text kWorkingCross = CRAMER_TEXT("WorkedSolution",
    "По правилото за 2 × 2 (произведението по главния диагонал минус произведението по другия):");
inline constexpr Text kWorkingSarrus
    = CRAMER_TEXT("WorkedSolution", "По правилото на Сарус (три произведения със знак +, три със знак −):");
inline constexpr Text kWorkingElimination = CRAMER_TEXT("WorkedSolution",
    "Така я пресмята програмата: по метода на Гаус с числа с единична точност, като всяко действие се "
    "закръгля поотделно.");
inline constexpr Text kWorkingExchange = CRAMER_TEXT("WorkedSolution",
    "Колона %1: елементът в ред %1 е 0, затова редове %1 и %2 се "
    "разменят и знакът на произведението се сменя.");
// %3 is the row the new element in row %1 came from.
inline constexpr Text kWorkingExchangeAgain = CRAMER_TEXT("WorkedSolution",
    "Елементът, който дойде в ред %1 от ред %3, също е 0, затова редове %1 и %2 се разменят и знакът "
    "се сменя отново.");
inline constexpr Text kWorkingAfterExchange
    = CRAMER_TEXT("WorkedSolution", "Матрицата след размяната в колона %1:");
inline constexpr Text kWorkingAfterExchanges
    = CRAMER_TEXT("WorkedSolution", "Матрицата след размените в колона %1:");
inline constexpr Text kWorkingNoPivot
    = CRAMER_TEXT("WorkedSolution", "Под него в колона %1 няма ненулев елемент: детерминантата е 0.");
inline constexpr Text kWorkingPivot = CRAMER_TEXT("WorkedSolution",
    "Колона %1: водещият елемент е %2. Ред %1 се дели на него; "
    "произведението на знака и водещите елементи става %3.");
inline constexpr Text kWorkingFactors
    = CRAMER_TEXT("WorkedSolution", "От всеки следващ ред се изважда ред %1, умножен по множител: %2.");
inline constexpr Text kWorkingFactor
    = CRAMER_TEXT("WorkedSolution", "ред\u00A0%1: %2"); // no line break inside "ред 2"
inline constexpr Text kWorkingAfterColumn = CRAMER_TEXT("WorkedSolution", "След колона %1:");
inline constexpr Text kWorkingFinalProduct = CRAMER_TEXT("WorkedSolution",
    "По диагонала остават единици и последният елемент; произведението се умножава по тях: %1 · %2 = %3.");
// A value of column %1's work that leaves single precision's range.
inline constexpr Text kWorkingRangeProduct = CRAMER_TEXT("WorkedSolution",
    "Колона %1: водещият елемент е %2, но произведението на знака и водещите елементи %3 · %2 излиза извън "
    "обхвата на единичната точност, затова програмата спира тук.");
inline constexpr Text kWorkingRangeDivision = CRAMER_TEXT("WorkedSolution",
    "Ред %1 се дели на водещия елемент, но в колона %2 частното %3 / %4 излиза извън обхвата на единичната "
    "точност, затова програмата спира тук.");
inline constexpr Text kWorkingRangeSubtraction = CRAMER_TEXT("WorkedSolution",
    "От ред %2 се изважда ред %1, умножен по множител, но в колона %3 разликата %4 − %5 · %6 излиза извън "
    "обхвата на единичната точност, затова програмата спира тук.");
inline constexpr Text kWorkingRangeIntermediate = CRAMER_TEXT(
    "WorkedSolution", "Точно %1 = %2: извън обхвата излезе само междинна стойност, не самата детерминанта.");
// %1 the determinant, %2 the largest single.
inline constexpr Text kOverflowIntermediate = CRAMER_TEXT("WorkedSolution",
    "Детерминантата %1 е в обхвата на единичната точност, но междинна стойност при пресмятането ѝ излиза "
    "извън него (до %2 по абсолютна стойност) и програмата спира тук.");
inline constexpr Text kWorkingRangeItself
    = CRAMER_TEXT("WorkedSolution", "Точно %1 = %2: и самата детерминанта е извън обхвата.");
inline constexpr Text kWorkingFinalProductOverflow = CRAMER_TEXT("WorkedSolution",
    "По диагонала остават единици и последният елемент; произведението %1 · %2 излиза извън обхвата на "
    "единичната точност.");
// %3 is nothing, or kWorkingShownAs where the window showed fewer digits.
inline constexpr Text kWorkingAnnounced
    = CRAMER_TEXT("WorkedSolution", "%1 = %2: това е стойността, която програмата съобщи%3.");
inline constexpr Text kWorkingShownAs = CRAMER_TEXT("WorkedSolution", " (в прозореца: %1)");
inline constexpr Text kWorkingExact
    = CRAMER_TEXT("WorkedSolution", "Точната стойност от числата, както са въведени: %1 = %2.");
inline constexpr Text kWorkingError = CRAMER_TEXT(
    "WorkedSolution", "Единична точност %1, точно %2: абсолютна грешка %3, относителна грешка %4; %5");
inline constexpr Text kWorkingErrorNear = CRAMER_TEXT("WorkedSolution",
    "Единична точност %1, точната стойност ≈ %2: абсолютна грешка %3, относителна грешка %4; %5");
inline constexpr Text kWorkingErrorOfZero
    = CRAMER_TEXT("WorkedSolution", "Единична точност %1, точно 0: абсолютна грешка %2.");
inline constexpr Text kWorkingCorrectlyRounded
    = CRAMER_TEXT("WorkedSolution", "това е най-близкото число с единична точност.");
// %2 is how many singles apart, "1 стъпка" or "3 стъпки".
inline constexpr Text kWorkingNotCorrectlyRounded
    = CRAMER_TEXT("WorkedSolution", "най-близкото число с единична точност е %1, на %2 оттук.");
inline constexpr CountedText kSteps = CRAMER_COUNTED("WorkedSolution", "%n стъпки");
inline constexpr Text kWorkingUnknownsHeading = CRAMER_TEXT("WorkedSolution", "Неизвестните");
// %1 is "d1/d".
inline constexpr Text kWorkingSolutionSingle = CRAMER_TEXT("WorkedSolution",
    "Програмата: %1 = %2 в единична точност, в реда за резултата %3 (закръглено до 3 знака).");
inline constexpr Text kWorkingCheckHeading = CRAMER_TEXT("WorkedSolution", "Проверка чрез заместване");
inline constexpr Text kWorkingCheckIntro = CRAMER_TEXT(
    "WorkedSolution", "Лявата страна минус дясната с пресметнатите x (преди закръглянето до 3 знака):");
inline constexpr Text kWorkingResidual
    = CRAMER_TEXT("WorkedSolution", "уравнение %1: %2 в единична точност, точно %3");
inline constexpr Text kWorkingResidualOutOfRange = CRAMER_TEXT("WorkedSolution",
    "уравнение %1: в единична точност излиза извън обхвата на единичната точност, точно %2");
inline constexpr Text kWorkingVerdictHeading = CRAMER_TEXT("WorkedSolution", "Извод");
inline constexpr Text kVerdictOneSolution
    = CRAMER_TEXT("WorkedSolution", "Системата има единствено решение.");
inline constexpr Text kVerdictRanks = CRAMER_TEXT("WorkedSolution",
    "Точно d = 0. Рангът на матрицата на системата е %1, рангът на "
    "разширената матрица (със свободните членове) е %2.");
inline constexpr Text kVerdictNoSolution = CRAMER_TEXT(
    "WorkedSolution", "Рангът на разширената матрица е по-голям: системата няма решение (несъвместима е).");
inline constexpr Text kVerdictInfinitelyMany = CRAMER_TEXT(
    "WorkedSolution", "Двата ранга са равни и по-малки от %1: системата има безброй много решения:");
inline constexpr Text kVerdictParameter = CRAMER_TEXT("WorkedSolution", "където %1 е произволно число.");
inline constexpr Text kVerdictParameters = CRAMER_TEXT("WorkedSolution", "където %1 са произволни числа.");
inline constexpr Text kVerdictZeroOnlyInSingle = CRAMER_TEXT("WorkedSolution",
    "С единична точност програмата получи d = 0 и не реши системата по правилото на Крамер, но точно d = "
    "%1, "
    "а не 0: системата има единствено решение.");
// After kVerdictZeroOnlyInSingle where d is below single's normal range: %1 its smallest normal number.
inline constexpr Text kVerdictDeterminantUnderflow = CRAMER_TEXT("WorkedSolution",
    " Толкова малко число е под обхвата на нормалните числа с единична точност (по абсолютна стойност "
    "под %1): при пресмятането то се губи и остава 0.");
inline constexpr Text kVerdictZeroOnlyExactly = CRAMER_TEXT("WorkedSolution",
    "Точно d = 0: системата е особена. Програмата получи d = %1 само от закръглянията, затова показаните x "
    "са шум "
    "от закръглянията, а не решение.");
// When single precision got some x_i wrong: how many digits are right and why.
inline constexpr Text kAccuracyWarning = CRAMER_TEXT("WorkedSolution",
    "Внимание: с единична точност програмата получи неточни стойности. Верните значещи цифри:");
// %1 "x₁", %2 the single, %3 the exact value, %4 how many digits are right.
inline constexpr Text kAccuracyDigits
    = CRAMER_TEXT("WorkedSolution", "%1 = %2 в единична точност, точно %3: %4.");
// %5 the relative error in per cent.
inline constexpr Text kAccuracyDigitsAndError = CRAMER_TEXT(
    "WorkedSolution", "%1 = %2 в единична точност, точно %3: %4 (относителната грешка е ≈ %5 %).");
// %1 how many digits are right, %2 both values rounded to that many.
inline constexpr Text kAccuracyRoundedAlike
    = CRAMER_TEXT("WorkedSolution", "%1, защото закръглени до толкова цифри и двете стойности са %2");
inline constexpr Text kAccuracyWrongSign
    = CRAMER_TEXT("WorkedSolution", "%1 = %2 в единична точност, точно %3: знакът е обратен.");
inline constexpr Text kAccuracyZero = CRAMER_TEXT("WorkedSolution", "%1 = 0 в единична точност, а точно %2.");
// %1 "x₃", %2 the single, %3 its absolute error.
inline constexpr Text kAccuracyAgainstZero = CRAMER_TEXT("WorkedSolution",
    "%1 = %2 в единична точност, а точно %1 = 0: стойност, различна от 0, няма нито една вярна значеща "
    "цифра (абсолютната грешка е ≈ %3).");
inline constexpr Text kAccuracyNoDigit = CRAMER_TEXT("WorkedSolution", "нито една значеща цифра не е вярна");
inline constexpr CountedText kAccuracyRightDigits
    = CRAMER_COUNTED("WorkedSolution", "верни са %n значещи цифри");
inline constexpr Text kAccuracyAllDigits = CRAMER_TEXT("WorkedSolution", "това е точната стойност");
inline constexpr Text kAccuracyEveryDigit = CRAMER_TEXT("WorkedSolution", "всички значещи цифри са верни");
// Where the digits of one x_i went, each source measured exactly: %1 "x₂",
// then the clauses below, joined by "; ".
inline constexpr Text kCauseHeading = CRAMER_TEXT("WorkedSolution", "Откъде идва грешката в %1: ");
// %1 the exact value from the typed numbers, %2 that of the numbers as stored, %3 kCauseKept….
inline constexpr Text kCauseInput = CRAMER_TEXT("WorkedSolution",
    "закръгляването на въведените числа до единична точност само по себе си го променя от %1 на %2 и %3");
// How many right significant digits are left.
inline constexpr Text kCauseKeptNone
    = CRAMER_TEXT("WorkedSolution", "не остава нито една вярна значеща цифра");
inline constexpr CountedText kCauseKept = CRAMER_COUNTED("WorkedSolution", "остават %n верни значещи цифри");
// %1 Skeel's condition of x_i, (|A⁻¹|·|A|·|x|)_i / |x_i|, %n its logarithm, rounded.
inline constexpr CountedText kCauseCondition = CRAMER_COUNTED("WorkedSolution",
    "обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %n цифри");
inline constexpr Text kCausePart = CRAMER_TEXT("WorkedSolution", " — това обяснява само част от загубата");
inline constexpr Text kCauseNotCondition
    = CRAMER_TEXT("WorkedSolution", "обусловеността му по Скийл е ≈ %1 и не обяснява загубата");
// %1 kCauseKept…: what the arithmetic keeps of the stored system's exact value.
inline constexpr Text kCauseArithmetic = CRAMER_TEXT("WorkedSolution",
    "след изключването с единична точност, сравнено с точното решение на съхранените числа, %1");
// %1 κ∞, %2 the largest of Skeel's conditions.
inline constexpr Text kCauseOnlyScaling = CRAMER_TEXT("WorkedSolution",
    "Числото на обусловеност κ(A) = ‖A‖∞·‖A⁻¹‖∞ е ≈ %1, но системата е само лошо мащабирана: обусловеността "
    "на всяко неизвестно по Скийл е най-много ≈ %2.");
inline constexpr Text kCauseConditionNumber = CRAMER_TEXT(
    "WorkedSolution", "Числото на обусловеност на матрицата (пресметнато точно) е κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ %1.");
inline constexpr Text kCausePivotOrder = CRAMER_TEXT("WorkedSolution",
    "Изключването със същата единична точност, но с най-големия водещ елемент във всяка колона запазва "
    "повече цифри (по-долу): загубата идва от реда на водещите елементи.");
// %1 "d" or "d₂", %2 the column, %3 the pivot, %4 the row of the larger entry, %5 that entry.
inline constexpr Text kAccuracySmallPivot = CRAMER_TEXT("WorkedSolution",
    "При %1 програмата взема за водещ елемент в колона %2 първия ненулев, %3, макар в ред %4 да стои %5. "
    "Делението на толкова малък водещ елемент увеличава грешките от закръгляването.");
// %1 "d", %2 the column, %3 the entry before, %4 the pivot it left, %5 the exact pivot.
inline constexpr Text kAccuracyCancellation = CRAMER_TEXT("WorkedSolution",
    "При %1 водещият елемент на колона %2 излиза от изваждане на близки числа: от %3 остава %4, а "
    "точно е %5. При това изваждане се губят повечето значещи цифри.");
inline constexpr Text kAccuracyTypedBelowRange = CRAMER_TEXT("WorkedSolution",
    "Числото в ред %1, колона %2 е под обхвата на нормалните числа с единична точност и се пази като %3, "
    "с малко или без значещи цифри.");
inline constexpr Text kAccuracyStepBelowRange = CRAMER_TEXT("WorkedSolution",
    "При %1, в колона %2, междинната стойност %3 пада под обхвата на нормалните числа с единична точност "
    "и губи значещи цифри.");
inline constexpr Text kAccuracyQuotientBelowRange = CRAMER_TEXT("WorkedSolution",
    "Частното %1 = %2 пада под обхвата на нормалните числа с единична точност и губи значещите си цифри.");
inline constexpr Text kAccuracyLargestPivot = CRAMER_TEXT("WorkedSolution",
    "Същото изключване, но с най-големия по абсолютна стойност водещ елемент във всяка колона (частичен "
    "избор), дава с единична точност:");
inline constexpr Text kAccuracyLargestPivotDigits = CRAMER_TEXT("WorkedSolution", "%1 ≈ %2: %3.");
inline constexpr Text kAccuracyLargestPivotOutOfRange = CRAMER_TEXT("WorkedSolution",
    "Същото изключване с най-големия по абсолютна стойност водещ елемент във всяка колона излиза извън "
    "обхвата на единичната точност.");
inline constexpr Text kWorkingTooLong = CRAMER_TEXT(
    "WorkedSolution", "Точните стойности не са изчислени: числото „%2“ за %1 има твърде много цифри.");
inline constexpr Text kWorkingBelowSingles = CRAMER_TEXT("WorkedSolution",
    "Точните стойности не са изчислени: числото „%2“ за %1 е по абсолютна стойност под най-малкото "
    "число с единична точност (%4) и програмата го пази като %3.");
inline constexpr Text kWorkingAnd = CRAMER_TEXT("WorkedSolution", " и ");
// After the leading digits of a decimal that never ends.
inline constexpr Text kNeverEnds = CRAMER_TEXT("WorkedSolution", " (безкрайна десетична дроб)");
// After a number shortened with "…": how many digits it has.
inline constexpr CountedText kDigitsInAll = CRAMER_COUNTED("WorkedSolution", "(общо %n цифри)");
// The plain text of a matrix too wide for one screen, in blocks of columns.
inline constexpr Text kColumnsBlock = CRAMER_TEXT("WorkedSolution", "колони %1–%2:");
inline constexpr Text kColumnBlock = CRAMER_TEXT("WorkedSolution", "колона %1:");
inline constexpr Text kRowLabel = CRAMER_TEXT("WorkedSolution", "ред %1");
inline constexpr Text kReplacedColumnMark = CRAMER_TEXT("WorkedSolution", "заменената колона");
inline constexpr Text kMatrixReplacedColumn
    = CRAMER_TEXT("WorkedSolution", "Колона %1 е заменена със свободните членове.");

// The pictures of a system of two unknowns.
inline constexpr Text kWorkingFiguresHeading = CRAMER_TEXT("Figures", "Графично представяне");
inline constexpr Text kFigureLinesAtOnePoint = CRAMER_TEXT("Figures",
    "Всяко уравнение е права в равнината с оси %1 и %2. Правите се пресичат в точката %3: "
    "това е решението на системата.");
inline constexpr Text kFigureLinesParallel = CRAMER_TEXT("Figures",
    "Всяко уравнение е права в равнината с оси %1 и %2. Правите са успоредни и нямат обща точка: "
    "системата няма решение.");
inline constexpr Text kFigureLinesSame = CRAMER_TEXT("Figures",
    "Всяко уравнение е права в равнината с оси %1 и %2. Двете уравнения описват една и съща права: "
    "всяка нейна точка е решение, системата има безброй много решения.");
inline constexpr Text kFigureLinesNoLine
    = CRAMER_TEXT("Figures", "Уравнение %1 няма неизвестни (коефициентите му са 0) и не е права.");
inline constexpr Text kFigureLegend = CRAMER_TEXT("Figures", "права %1 (%2): ");
inline constexpr Text kFigureSolid = CRAMER_TEXT("Figures", "плътна");
inline constexpr Text kFigureDashed = CRAMER_TEXT("Figures", "прекъсната");
inline constexpr Text kFigureAreas = CRAMER_TEXT("Figures",
    "d, %1 и %2 са лицата със знак на успоредниците върху колоните на матрицата: d върху %3 и %4, "
    "%1 върху b и %4, %2 върху %3 и b (b е колоната на свободните членове). Лицето е положително "
    "(плътно запълване), когато втората колона е обратно на часовниковата стрелка от първата, и "
    "отрицателно (щриховка) иначе. Така %5 = %1 / d и %6 = %2 / d са отношения на лица.");
inline constexpr Text kFigureAreaValues = CRAMER_TEXT("Figures", "Лицата: %1.");
inline constexpr Text kFigureUnknownValue = CRAMER_TEXT("Figures", "?");
// What a screen reader calls the two pictures.
inline constexpr Text kFigureLinesName = CRAMER_TEXT("Figures", "Правите на двете уравнения");
inline constexpr Text kFigureAreasName = CRAMER_TEXT("Figures", "d, d₁ и d₂ като лица");

// A worksheet for a class: its header, each variant, the key and the
// worked solutions.
inline constexpr Text kWorksheetTitle = CRAMER_TEXT("Worksheet", "Правило на Крамер: работен лист");
inline constexpr Text kWorksheetClass = CRAMER_TEXT("Worksheet", "Клас: %1");
inline constexpr Text kWorksheetDate = CRAMER_TEXT("Worksheet", "Дата: %1");
inline constexpr Text kWorksheetBlank = CRAMER_TEXT("Worksheet", "____________");
inline constexpr Text kWorksheetName
    = CRAMER_TEXT("Worksheet", "Име: ________________________________________");
inline constexpr Text kWorksheetTask = CRAMER_TEXT("Worksheet",
    "Реши системата по правилото на Крамер: пресметни главната детерминанта d, после детерминантите на "
    "неизвестните и частните им с d.");
// %1 the seed.
inline constexpr Text kWorksheetSeed
    = CRAMER_TEXT("Worksheet", "Код на листа: %1. Със същия код програмата прави същите варианти.");
inline constexpr Text kWorksheetVariant = CRAMER_TEXT("Worksheet", "Вариант %1");
inline constexpr Text kWorksheetKey = CRAMER_TEXT("Worksheet", "Ключ с отговорите");
// %1 the variant's number, %2 its answer.
inline constexpr Text kWorksheetKeyLine = CRAMER_TEXT("Worksheet", "Вариант %1: %2");
inline constexpr Text kWorksheetKeyNone = CRAMER_TEXT("Worksheet", "d = 0 и системата няма решение");
inline constexpr Text kWorksheetKeyMany
    = CRAMER_TEXT("Worksheet", "d = 0 и системата има безброй много решения");
inline constexpr Text kWorksheetKeySheet = CRAMER_TEXT("Worksheet", "Ключ");
inline constexpr Text kWorksheetKeyVariant = CRAMER_TEXT("Worksheet", "Вариант");
inline constexpr Text kWorksheetKeyNoneShort = CRAMER_TEXT("Worksheet", "няма решение");
inline constexpr Text kWorksheetKeyManyShort = CRAMER_TEXT("Worksheet", "безброй много решения");
inline constexpr Text kWorksheetSolutionOf = CRAMER_TEXT("Worksheet", "Решение на вариант %1");

} // namespace cramer::texts
