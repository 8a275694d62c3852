// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Practice's texts: the student computes each value, the program checks it.
// UTF-8.

#include "report/texts.h"

#include <utility>

namespace cramer::texts {

inline constexpr Text kPracticeCommand = CRAMER_TEXT("Practice", "Реши &сам");
inline constexpr Text kPracticeTitle = CRAMER_TEXT("Practice", "Реши сам");
// The practice window's title: %1 kPracticeTitle, %2 the student whose answers it keeps.
inline constexpr Text kPracticeTitleWithStudent = CRAMER_TEXT("Practice", "%1 — %2");
// Who is practising: asked at every start, the last name offered.
inline constexpr Text kPracticeWhoTitle = CRAMER_TEXT("Practice", "Кой се упражнява?");
inline constexpr Text kPracticeWhoText = CRAMER_TEXT("Practice",
    "Напиши името си или го избери. Програмата пази отговорите ти само на този компютър, за да виждаш "
    "напредъка си; без име нищо не се пази.");
inline constexpr Text kPracticeChangeStudent = CRAMER_TEXT("Practice", "Смени &ученика");
// After the name question was cancelled.
inline constexpr Text kPracticeNoStudent = CRAMER_TEXT("Practice",
    "Без име отговорите ти не се пазят. Когато искаш да се пазят, напиши името си с „Смени ученика“.");
// A name that differs from a known one only by letter case or marks: %1 as typed, %2 the known one.
inline constexpr Text kPracticeSimilarName = CRAMER_TEXT("Practice",
    "„%1“ прилича на вече познатото име „%2“. Ти ли си „%2“? (Ако не си, отговорите ти ще се пазят "
    "под „%1“.)");
// „Напредък“: a student's kept practice.
inline constexpr Text kProgressCommand = CRAMER_TEXT("Progress", "Напред&ък");
// %1 the student.
inline constexpr Text kProgressTitle = CRAMER_TEXT("Progress", "Напредък: %1");
inline constexpr Text kProgressNobody = CRAMER_TEXT("Progress",
    "Още няма запазени отговори: напредъкът се пази, когато се упражняваш с „Реши сам“ и си казал името си.");
inline constexpr Text kProgressSkillHeader = CRAMER_TEXT("Progress", "Умение");
inline constexpr Text kProgressFirstTriesHeader = CRAMER_TEXT("Progress", "Първи опити");
inline constexpr Text kProgressShareHeader = CRAMER_TEXT("Progress", "Верни от първия опит");
inline constexpr Text kProgressLastWeekHeader = CRAMER_TEXT("Progress", "Последната седмица");
// A share in per cent: %1 the whole number.
inline constexpr Text kProgressShare = CRAMER_TEXT("Progress", "%1 %");
// Under kProgressLastWeekHeader: %1 the share, %2 the week (kProgressWeek).
inline constexpr Text kProgressWeekShare = CRAMER_TEXT("Progress", "%1 (%2)");
// A week by its first and last day.
inline constexpr Text kProgressWeek = CRAMER_TEXT("Progress", "%1 – %2");
inline constexpr Text kProgressMistakeHeader = CRAMER_TEXT("Progress", "Грешка");
inline constexpr Text kProgressCountHeader = CRAMER_TEXT("Progress", "Колко пъти");
inline constexpr Text kProgressLastSeenHeader = CRAMER_TEXT("Progress", "Последно");
// %1 the median minutes, %2 how many exercises.
inline constexpr Text kProgressTime
    = CRAMER_TEXT("Progress", "Една задача ти отнема средно (медиана) %1 мин.; задачите досега: %2.");
inline constexpr Text kProgressChartName
    = CRAMER_TEXT("Progress", "Верните от първия опит по седмици, за всяко умение");
inline constexpr Text kProgressWeakSpot = CRAMER_TEXT("Progress", "Упражнявай &слабото място");
inline constexpr Text kProgressCopy = CRAMER_TEXT("Progress", "&Копирай");
inline constexpr Text kProgressSave = CRAMER_TEXT("Progress", "&Запази…");
inline constexpr Text kProgressForget = CRAMER_TEXT("Progress", "&Изтрий моите данни");
inline constexpr Text kProgressForgetQuestion = CRAMER_TEXT(
    "Progress", "Да изтрия ли всички запазени отговори на %1 от този компютър? Това не може да се отмени.");
inline constexpr Text kProgressSaveTitle = CRAMER_TEXT("Progress", "Запазване на напредъка");
inline constexpr Text kProgressFileFilters
    = CRAMER_TEXT("Progress", "Текст (*.txt);;HTML (*.html *.htm);;CSV (*.csv)");
inline constexpr Text kProgressDefaultName = CRAMER_TEXT("Progress", "напредък.txt");
// %1 the mistake in words.
inline constexpr Text kProgressAimedAt
    = CRAMER_TEXT("Progress", "Тази задача е избрана заради най-честата ти грешка напоследък: %1.");
inline constexpr Text kProgressNothingToAim = CRAMER_TEXT(
    "Progress", "Напоследък нямаш грешки, към които да насоча задачата: упражнявай се с „Нова задача“.");
// Kept practice out of the computer, and a class's files back in.
inline constexpr Text kExportProgressCommand = CRAMER_TEXT("Progress", "Изне&си напредъка…");
inline constexpr Text kExportProgressTitle = CRAMER_TEXT("Progress", "Изнасяне на напредъка");
inline constexpr Text kExportEveryone = CRAMER_TEXT(
    "Progress", "Да изнеса ли отговорите на всички ученици на този компютър? („Не“ изнася само твоите.)");
inline constexpr Text kExportFilters = CRAMER_TEXT("Progress", "Работна книга XLSX (*.xlsx);;CSV (*.csv)");
inline constexpr Text kExportDefaultName = CRAMER_TEXT("Progress", "напредък.xlsx");
inline constexpr Text kClassOverviewCommand = CRAMER_TEXT("Progress", "Пре&глед на класа…");
inline constexpr Text kClassOverviewTitle = CRAMER_TEXT("Progress", "Преглед на класа");
inline constexpr Text kClassOverviewOpen
    = CRAMER_TEXT("Progress", "Изнесеният напредък от компютрите в класната стая");
inline constexpr Text kClassOverviewOpenFilter = CRAMER_TEXT("Progress", "Изнесен напредък (*.xlsx)");
inline constexpr Text kClassStudentHeader = CRAMER_TEXT("Progress", "Ученик");
inline constexpr Text kClassMistakeHeader = CRAMER_TEXT("Progress", "Най-честа грешка");
// %1 the files, one a line.
inline constexpr Text kClassUnread = CRAMER_TEXT("Progress",
    "Тези файлове не са изнесен напредък от програмата (или колоните им са променяни) и са пропуснати:\n%1");
inline constexpr Text kClassRepeated = CRAMER_TEXT(
    "Progress", "Тези файлове са същият изнесен напредък като файл преди тях и не се броят втори път:\n%1");
inline constexpr Text kClassSaveFilters = CRAMER_TEXT("Progress", "CSV (*.csv)");
inline constexpr Text kClassDefaultName = CRAMER_TEXT("Progress", "клас.csv");
// The skills, in the order of the program's Skill.
inline constexpr Text kSkillNames[] = {
    CRAMER_TEXT("Progress", "детерминанта 2 × 2"),
    CRAMER_TEXT("Progress", "правило на Сарус (3 × 3)"),
    CRAMER_TEXT("Progress", "детерминанта чрез изключване (4 × 4 и повече)"),
    CRAMER_TEXT("Progress", "коя колона се заменя със свободните членове"),
    CRAMER_TEXT("Progress", "делението на детерминантите"),
    CRAMER_TEXT("Progress", "закръгляне на безкрайна десетична дроб"),
    CRAMER_TEXT("Progress", "броят на решенията при d = 0"),
};
// The mistakes by the names they are kept under.
inline constexpr std::pair<const char*, Text> kMistakeWords[] = {
    { "OppositeSign", CRAMER_TEXT("Progress", "обратен знак") },
    { "ProductsAdded", CRAMER_TEXT("Progress", "събрани вместо извадени произведения") },
    { "DiagonalsSwapped", CRAMER_TEXT("Progress", "разменени диагонали") },
    { "TermLeftOut", CRAMER_TEXT("Progress", "пропуснато произведение по Сарус") },
    { "TermSignFlipped", CRAMER_TEXT("Progress", "произведение по Сарус с грешен знак") },
    { "WrongColumnReplaced", CRAMER_TEXT("Progress", "заменена е друга колона") },
    { "QuotientInverted", CRAMER_TEXT("Progress", "обърнато частно") },
    { "RoundedWrongly", CRAMER_TEXT("Progress", "грешно закръгляне") },
    { "TooFewDigits", CRAMER_TEXT("Progress", "твърде малко значещи цифри") },
    { "NotRight", CRAMER_TEXT("Progress", "грешна стойност") },
    { "WrongCount", CRAMER_TEXT("Progress", "грешен брой решения") },
};
// %1 the file, %2 what the database says.
inline constexpr Text kPracticeStoreLocked = CRAMER_TEXT("Progress",
    "Файлът с упражненията „%1“ е зает от друга програма. Упражнявай се спокойно, но днешните отговори няма "
    "да бъдат запазени.");
inline constexpr Text kPracticeStoreFull = CRAMER_TEXT("Progress",
    "Дискът с файла с упражненията „%1“ е пълен. Упражнявай се спокойно, но днешните отговори няма да "
    "бъдат запазени.");
inline constexpr Text kPracticeStoreReadOnly = CRAMER_TEXT("Progress",
    "Във файла с упражненията „%1“ не може да се пише (%2). Упражнявай се спокойно, но днешните отговори "
    "няма да бъдат запазени.");
inline constexpr Text kPracticeStoreDamaged = CRAMER_TEXT("Progress",
    "Файлът с упражненията „%1“ е повреден (%2). Програмата не го променя; упражнявай се спокойно, но "
    "днешните отговори няма да бъдат запазени.");
inline constexpr Text kPracticeStoreNewer = CRAMER_TEXT("Progress",
    "Файлът с упражненията „%1“ е от по-нова версия на програмата. Тази версия не го променя; "
    "упражнявай се спокойно, но днешните отговори няма да бъдат запазени.");
// An answer that could not be written, told once until writing works
// again: %1 the file, %2 the database's words.
inline constexpr Text kPracticeWriteLocked = CRAMER_TEXT("Progress",
    "Отговорът не можа да бъде записан: файлът с упражненията „%1“ е зает от друга програма. Програмата "
    "пази отговорите и ще ги запише, щом файлът се освободи.");
inline constexpr Text kPracticeWriteFull = CRAMER_TEXT("Progress",
    "Отговорът не можа да бъде записан: дискът с файла с упражненията „%1“ е пълен. Програмата пази "
    "отговорите и ще ги запише, щом на диска има място.");
inline constexpr Text kPracticeWriteReadOnly = CRAMER_TEXT("Progress",
    "Отговорът не можа да бъде записан: във файла с упражненията „%1“ не може да се пише (%2). Програмата "
    "пази отговорите и ще ги запише, щом това стане възможно.");
inline constexpr Text kPracticeWriteDamaged = CRAMER_TEXT("Progress",
    "Отговорът не можа да бъде записан: файлът с упражненията „%1“ е повреден (%2). Програмата пази "
    "отговорите, докато е отворена.");
inline constexpr Text kPracticeWriteFailed = CRAMER_TEXT("Progress",
    "Отговорът не можа да бъде записан във файла с упражненията „%1“ (%2). Програмата пази отговорите и "
    "ще опита отново.");
// „Изтрий моите данни“: what was done. %1 the student.
inline constexpr CountedText kProgressForgotten
    = CRAMER_COUNTED("Progress", "Изтрити са %n запазени отговора на %1.");
inline constexpr Text kProgressNotForgotten = CRAMER_TEXT("Progress",
    "Отговорите на %1 не бяха изтрити: %2 Опитай отново по-късно.");
inline constexpr Text kPracticeStoreCannotOpen = CRAMER_TEXT("Progress",
    "Файлът с упражненията „%1“ не може да бъде отворен (%2). Упражнявай се спокойно, но днешните отговори "
    "няма да бъдат запазени.");
// %1 as typed, %2 the number it was read as, %3 the grouping mark, %4 the
// decimal typed as such.
inline constexpr Text kPracticeOtherSeparator = CRAMER_TEXT("Practice",
    "„%1“ е прочетено като %2: „%3“ тук разделя хилядите; ако това е десетична дроб, напиши „%4“.");
// "Провери d₁": a step's button by its step.
inline constexpr Text kPracticeStepAction = CRAMER_TEXT("Practice", "%1 %2");
inline constexpr Text kPracticeSystemChanged = CRAMER_TEXT("Practice",
    "Системата в таблицата е променена, откакто започна упражнението. Да започне ли упражнение с новата "
    "система?");
inline constexpr Text kPracticeIntro = CRAMER_TEXT("Practice",
    "Пресметни всяка стойност и натисни Enter. Отговорът може да е цяло число, десетична дроб "
    "или дроб като -12/23; стойност, която не е крайна десетична дроб, може да се даде закръглена "
    "до поне три значещи цифри.");
inline constexpr Text kPracticeCheck = CRAMER_TEXT("Practice", "&Провери");
inline constexpr Text kPracticeHint = CRAMER_TEXT("Practice", "Под&сказка");
inline constexpr Text kPracticeUnknown = CRAMER_TEXT("Practice", "Неизвестното %1");
// Exactly d ≠ 0, but single precision found d = 0 or left its range: %1 is the exact d.
inline constexpr Text kPracticeSingleFailed = CRAMER_TEXT("Practice",
    "Системата има единствено решение (точно d = %1), но с единична точност програмата не стига до него "
    "(„Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.");
// Where d = 0 exactly: the step that asks how many solutions there are.
inline constexpr Text kPracticeCountHeading = CRAMER_TEXT("Practice", "Колко решения има системата");
inline constexpr Text kPracticeCountQuestion = CRAMER_TEXT("Practice",
    "Щом d = 0, системата или няма решение, или има безброй много решения. Избери кое и натисни Enter.");
inline constexpr Text kPracticeCountName = CRAMER_TEXT("Practice", "броя на решенията");
inline constexpr Text kPracticeNoSolution = CRAMER_TEXT("Practice", "няма решение");
inline constexpr Text kPracticeInfinitelyMany = CRAMER_TEXT("Practice", "безброй много решения");
inline constexpr Text kPracticeChoose = CRAMER_TEXT("Practice", "Избери един от двата отговора.");
inline constexpr Text kPracticeCountRight = CRAMER_TEXT(
    "Practice", "Вярно: рангът на матрицата на системата е %1, рангът на разширената матрица е %2.");
inline constexpr Text kPracticeCountWrong = CRAMER_TEXT(
    "Practice", "Не е вярно: сравни ранга на матрицата на системата с ранга на разширената матрица.");
inline constexpr Text kPracticeHintRouche = CRAMER_TEXT("Practice",
    "По теоремата на Руше–Капели: ако рангът на разширената матрица (със свободните членове) е по-голям "
    "от ранга на матрицата на системата, системата няма решение; ако двата ранга са равни, решенията са "
    "безброй много.");
inline constexpr Text kPracticeHintRanks
    = CRAMER_TEXT("Practice", "Рангът на матрицата на системата е %1, рангът на разширената матрица е %2.");
inline constexpr Text kPracticeHintNoSolution
    = CRAMER_TEXT("Practice", "Системата няма решение. Тази стъпка се брои за показана.");
inline constexpr Text kPracticeHintInfinitelyMany
    = CRAMER_TEXT("Practice", "Системата има безброй много решения. Тази стъпка се брои за показана.");
inline constexpr Text kPracticeSummaryCountRight
    = CRAMER_TEXT("Practice", "Броят на решенията: %1, вярно %2, подсказки: %3");
inline constexpr Text kPracticeSummaryCountShown
    = CRAMER_TEXT("Practice", "Броят на решенията: %1, %2, подсказки: %3");
// Exactly d = 0, but single precision found d ≠ 0: %1 is the program's d.
inline constexpr Text kPracticeSingleNotZero = CRAMER_TEXT("Practice",
    "Точно d = 0, но с единична точност програмата получава d = %1 и стига до стойности на неизвестните "
    "(„Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.");
inline constexpr Text kPracticeSystemTooLong = CRAMER_TEXT("Practice",
    "Число в системата има твърде много цифри, за да бъдат пресметнати точните стойности, затова "
    "упражнението не може да започне.");
inline constexpr Text kPracticeEmpty = CRAMER_TEXT("Practice", "Въведи число.");
inline constexpr Text kPracticeNotANumber
    = CRAMER_TEXT("Practice", "„%1“ не е число: въведи цяло число, десетична дроб или дроб като -12/23.");
inline constexpr Text kPracticeZeroDenominator = CRAMER_TEXT("Practice", "„%1“ има знаменател 0.");
inline constexpr Text kPracticeTooLong = CRAMER_TEXT("Practice", "„%1“ има твърде много цифри.");
inline constexpr Text kPracticeRight = CRAMER_TEXT("Practice", "Вярно.");
inline constexpr Text kPracticeRightOtherForm = CRAMER_TEXT("Practice", "Вярно: %1 = %2.");
inline constexpr Text kPracticeSingle = CRAMER_TEXT(
    "Practice", "Това е стойността, която дава единичната точност, а не точната: точно %1 = %2.");
// A named mistake, or two that give the same value; each mistake a clause.
inline constexpr Text kPracticeWrongBecause = CRAMER_TEXT("Practice", "Не е вярно: %1.");
inline constexpr Text kPracticeWrongEither = CRAMER_TEXT("Practice", "Не е вярно: или %1, или %2.");
inline constexpr Text kPracticeOppositeSign = CRAMER_TEXT("Practice", "знакът е обратен");
inline constexpr Text kPracticeProductsAdded
    = CRAMER_TEXT("Practice", "двете произведения са събрани, а второто се изважда от първото");
inline constexpr Text kPracticeDiagonalsSwapped = CRAMER_TEXT("Practice", "диагоналите са разменени");
inline constexpr Text kPracticeDiagonalsRule
    = CRAMER_TEXT("Practice", "От произведението по главния диагонал се изважда произведението по другия.");
inline constexpr Text kPracticeTermLeftOut
    = CRAMER_TEXT("Practice", "липсва произведението %1 (със знак %2)");
inline constexpr Text kPracticeTermSignFlipped
    = CRAMER_TEXT("Practice", "произведението %1 е взето със знак %2, а трябва %3");
inline constexpr Text kPracticeWrongColumn = CRAMER_TEXT(
    "Practice", "това е детерминантата, в която свободните членове заместват колона %1, а трябва колона %2");
inline constexpr Text kPracticeQuotientInverted = CRAMER_TEXT("Practice", "това е d/%1, а %2 = %1/d");
inline constexpr Text kPracticeRoundedWrongly
    = CRAMER_TEXT("Practice", "Почти: последната цифра е закръглена неправилно.");
// %1 the value to three significant digits.
inline constexpr Text kPracticeTooFewDigits
    = CRAMER_TEXT("Practice", "Закръглено е вярно, но дай поне три значещи цифри: %1.");
inline constexpr Text kPracticeNotRight = CRAMER_TEXT("Practice", "Не е вярно.");
inline constexpr Text kPracticeNotRightBy
    = CRAMER_TEXT("Practice", "Не е вярно: отговорът се различава от верния с около %1 %.");
inline constexpr Text kPracticeAlmost
    = CRAMER_TEXT("Practice", "Почти, но не е вярно: отговорът се различава от верния с около %1 %.");
inline constexpr Text kPracticeHintRuleUnknown = CRAMER_TEXT("Practice", "По правилото на Крамер %2 = %1/d.");
inline constexpr Text kPracticeHintDivide = CRAMER_TEXT(
    "Practice", "%1 = %2/d: раздели двете стойности, намерени в стъпките по-горе, и съкрати дробта.");
inline constexpr Text kPracticeHintValue
    = CRAMER_TEXT("Practice", "Стойността е %1 = %2. Тази стъпка се брои за показана.");
inline constexpr Text kPracticeDone = CRAMER_TEXT("Practice", "Всички стойности са намерени.");
// %1 "d₂", %2 kPracticeHintRow or kPracticeHintColumn.
inline constexpr Text kPracticeHintRuleElimination = CRAMER_TEXT("Practice",
    "Пресметни %1 по метода на Гаус с точни дроби: под всеки водещ елемент направи нули, а за водещ взимай "
    "първия ненулев елемент на колоната отгоре надолу (ако е в друг ред, размени двата реда); %1 е "
    "произведението на водещите елементи, със смяна на знака при всяка размяна. Или развий по %2.");
// %1 the row or column, %2 kPracticeHintZero or kPracticeHintZeros: the gender and number agree.
inline constexpr Text kPracticeHintRow = CRAMER_TEXT("Practice", "ред %1, който има %2");
inline constexpr Text kPracticeHintColumn = CRAMER_TEXT("Practice", "колона %1, която има %2");
inline constexpr CountedText kPracticeHintZeros = CRAMER_COUNTED("Practice", "%n нули");
// %1 the pivots in order, %2 "d₂", %3 the product to work out.
inline constexpr Text kPracticeHintPivots
    = CRAMER_TEXT("Practice", "Водещите елементи (точно): %1. Значи %2 = %3.");
inline constexpr Text kPracticeHintPivot = CRAMER_TEXT("Practice", "колона %1: %2");
inline constexpr Text kPracticeHintExchange
    = CRAMER_TEXT("Practice", "колона %1: размени редове %1 и %2 (знакът се сменя), водещ елемент %3");
inline constexpr Text kPracticeHintZeroColumn = CRAMER_TEXT(
    "Practice", "Водещите елементи (точно): %1. В колона %2 под тях остават само нули, значи %3 = 0.");
// One line of the summary: the value, then how it was found.
inline constexpr Text kPracticeSummaryRight = CRAMER_TEXT("Practice", "%1 = %2: вярно %3, подсказки: %4");
inline constexpr Text kPracticeSummaryShown = CRAMER_TEXT("Practice", "%1 = %2: %3, подсказки: %4");
// A value shown by the last hint, with the tries made before it.
inline constexpr Text kPracticeShown = CRAMER_TEXT("Practice", "показано");
inline constexpr CountedText kPracticeShownAfter = CRAMER_COUNTED("Practice", "показано след %n опита");
inline constexpr Text kPracticeFirstTry = CRAMER_TEXT("Practice", "от първия опит");
inline constexpr Text kPracticeTries = CRAMER_TEXT("Practice", "след %1 опита");
inline constexpr Text kPracticeTime = CRAMER_TEXT("Practice", "Време: %1 мин %2 с.");
inline constexpr Text kPracticeCopySummary = CRAMER_TEXT("Practice", "&Копирай обобщението");
inline constexpr Text kPracticeNewExercise = CRAMER_TEXT("Practice", "&Нова задача");
inline constexpr Text kPracticeSaveSummary = CRAMER_TEXT("Practice", "&Запази…");
inline constexpr Text kPracticeSaveTitle = CRAMER_TEXT("Practice", "Запазване на обобщението");
inline constexpr Text kPracticeFileFilters = CRAMER_TEXT("Practice", "Текст (*.txt);;HTML (*.html *.htm)");
inline constexpr Text kPracticeDefaultName = CRAMER_TEXT("Practice", "реши-сам.txt");

} // namespace cramer::texts
