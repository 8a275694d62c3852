// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Practice's texts: the student computes each value, the program checks it.
// UTF-8.

#include "report/texts.h"

#include <utility>

namespace cramer::texts {

inline constexpr const char* kPracticeCommand = "Реши &сам";
inline constexpr const char* kPracticeTitle = "Реши сам";
// Who is practising: asked once, remembered, offered again on a shared computer.
inline constexpr const char* kPracticeWhoTitle = QT_TRANSLATE_NOOP("cramer::texts", "Кой се упражнява?");
inline constexpr const char* kPracticeWhoText = QT_TRANSLATE_NOOP("cramer::texts",
    "Напиши името си или го избери. Програмата пази отговорите ти само на този компютър, за да виждаш "
    "напредъка си; без име нищо не се пази.");
inline constexpr const char* kPracticeChangeStudent = QT_TRANSLATE_NOOP("cramer::texts", "Смени &ученика");
// „Напредък“: a student's kept practice.
inline constexpr const char* kProgressCommand = QT_TRANSLATE_NOOP("cramer::texts", "&Напредък");
// %1 the student.
inline constexpr const char* kProgressTitle = QT_TRANSLATE_NOOP("cramer::texts", "Напредък: %1");
inline constexpr const char* kProgressNobody = QT_TRANSLATE_NOOP("cramer::texts",
    "Още няма запазени отговори: напредъкът се пази, когато се упражняваш с „Реши сам“ и си казал името си.");
inline constexpr const char* kProgressSkillHeader = QT_TRANSLATE_NOOP("cramer::texts", "Умение");
inline constexpr const char* kProgressFirstTriesHeader = QT_TRANSLATE_NOOP("cramer::texts", "Първи опити");
inline constexpr const char* kProgressShareHeader
    = QT_TRANSLATE_NOOP("cramer::texts", "Верни от първия опит");
inline constexpr const char* kProgressLastWeekHeader
    = QT_TRANSLATE_NOOP("cramer::texts", "Последната седмица");
inline constexpr const char* kProgressMistakeHeader = QT_TRANSLATE_NOOP("cramer::texts", "Грешка");
inline constexpr const char* kProgressCountHeader = QT_TRANSLATE_NOOP("cramer::texts", "Колко пъти");
inline constexpr const char* kProgressLastSeenHeader = QT_TRANSLATE_NOOP("cramer::texts", "Последно");
// %1 the median minutes, %2 how many exercises.
inline constexpr const char* kProgressTime = QT_TRANSLATE_NOOP(
    "cramer::texts", "Една задача ти отнема средно (медиана) %1 мин.; задачите досега: %2.");
inline constexpr const char* kProgressChartName
    = QT_TRANSLATE_NOOP("cramer::texts", "Верните от първия опит по седмици, за всяко умение");
inline constexpr const char* kProgressWeakSpot
    = QT_TRANSLATE_NOOP("cramer::texts", "Упражнявай &слабото място");
inline constexpr const char* kProgressCopy = QT_TRANSLATE_NOOP("cramer::texts", "&Копирай");
inline constexpr const char* kProgressSave = QT_TRANSLATE_NOOP("cramer::texts", "&Запази…");
inline constexpr const char* kProgressForget = QT_TRANSLATE_NOOP("cramer::texts", "&Изтрий моите данни");
inline constexpr const char* kProgressForgetQuestion = QT_TRANSLATE_NOOP("cramer::texts",
    "Да изтрия ли всички запазени отговори на %1 от този компютър? Това не може да се отмени.");
inline constexpr const char* kProgressSaveTitle
    = QT_TRANSLATE_NOOP("cramer::texts", "Запазване на напредъка");
inline constexpr const char* kProgressFileFilters
    = QT_TRANSLATE_NOOP("cramer::texts", "Текст (*.txt);;HTML (*.html *.htm);;CSV (*.csv)");
inline constexpr const char* kProgressDefaultName = QT_TRANSLATE_NOOP("cramer::texts", "напредък.txt");
// %1 the mistake in words.
inline constexpr const char* kProgressAimedAt = QT_TRANSLATE_NOOP(
    "cramer::texts", "Тази задача е избрана заради най-честата ти грешка напоследък: %1.");
inline constexpr const char* kProgressNothingToAim = QT_TRANSLATE_NOOP(
    "cramer::texts", "Напоследък нямаш грешки, към които да насоча задачата: упражнявай се с „Нова задача“.");
// Kept practice out of the computer, and a class's files back in.
inline constexpr const char* kExportProgressCommand
    = QT_TRANSLATE_NOOP("cramer::texts", "&Изнеси напредъка…");
inline constexpr const char* kExportProgressTitle
    = QT_TRANSLATE_NOOP("cramer::texts", "Изнасяне на напредъка");
inline constexpr const char* kExportEveryone = QT_TRANSLATE_NOOP("cramer::texts",
    "Да изнеса ли отговорите на всички ученици на този компютър? („Не“ изнася само твоите.)");
inline constexpr const char* kExportFilters
    = QT_TRANSLATE_NOOP("cramer::texts", "Работна книга XLSX (*.xlsx);;CSV (*.csv)");
inline constexpr const char* kExportDefaultName = QT_TRANSLATE_NOOP("cramer::texts", "напредък.xlsx");
inline constexpr const char* kClassOverviewCommand = QT_TRANSLATE_NOOP("cramer::texts", "&Преглед на класа…");
inline constexpr const char* kClassOverviewTitle = QT_TRANSLATE_NOOP("cramer::texts", "Преглед на класа");
inline constexpr const char* kClassOverviewOpen
    = QT_TRANSLATE_NOOP("cramer::texts", "Изнесеният напредък от компютрите в класната стая");
inline constexpr const char* kClassOverviewOpenFilter
    = QT_TRANSLATE_NOOP("cramer::texts", "Изнесен напредък (*.xlsx)");
inline constexpr const char* kClassStudentHeader = QT_TRANSLATE_NOOP("cramer::texts", "Ученик");
inline constexpr const char* kClassMistakeHeader = QT_TRANSLATE_NOOP("cramer::texts", "Най-честа грешка");
// %1 the files, one a line.
inline constexpr const char* kClassUnread = QT_TRANSLATE_NOOP(
    "cramer::texts", "Тези файлове не са изнесен напредък от програмата и са пропуснати:\n%1");
inline constexpr const char* kClassSaveFilters = QT_TRANSLATE_NOOP("cramer::texts", "CSV (*.csv)");
inline constexpr const char* kClassDefaultName = QT_TRANSLATE_NOOP("cramer::texts", "клас.csv");
// The skills, in the order of the program's Skill.
inline constexpr const char* kSkillNames[] = {
    QT_TRANSLATE_NOOP("cramer::texts", "детерминанта 2 × 2"),
    QT_TRANSLATE_NOOP("cramer::texts", "правило на Сарус (3 × 3)"),
    QT_TRANSLATE_NOOP("cramer::texts", "детерминанта чрез изключване (4 × 4 и повече)"),
    QT_TRANSLATE_NOOP("cramer::texts", "коя колона се заменя със свободните членове"),
    QT_TRANSLATE_NOOP("cramer::texts", "делението на детерминантите"),
    QT_TRANSLATE_NOOP("cramer::texts", "закръгляне на безкрайна десетична дроб"),
    QT_TRANSLATE_NOOP("cramer::texts", "броят на решенията при d = 0"),
};
// The mistakes by the names they are kept under.
inline constexpr std::pair<const char*, const char*> kMistakeWords[] = {
    { "OppositeSign", QT_TRANSLATE_NOOP("cramer::texts", "обратен знак") },
    { "ProductsAdded", QT_TRANSLATE_NOOP("cramer::texts", "събрани вместо извадени произведения") },
    { "DiagonalsSwapped", QT_TRANSLATE_NOOP("cramer::texts", "разменени диагонали") },
    { "TermLeftOut", QT_TRANSLATE_NOOP("cramer::texts", "пропуснато произведение по Сарус") },
    { "TermSignFlipped", QT_TRANSLATE_NOOP("cramer::texts", "произведение по Сарус с грешен знак") },
    { "WrongColumnReplaced", QT_TRANSLATE_NOOP("cramer::texts", "заменена е друга колона") },
    { "QuotientInverted", QT_TRANSLATE_NOOP("cramer::texts", "обърнато частно") },
    { "RoundedWrongly", QT_TRANSLATE_NOOP("cramer::texts", "грешно закръгляне") },
    { "TooFewDigits", QT_TRANSLATE_NOOP("cramer::texts", "твърде малко значещи цифри") },
    { "NotRight", QT_TRANSLATE_NOOP("cramer::texts", "грешна стойност") },
    { "WrongCount", QT_TRANSLATE_NOOP("cramer::texts", "грешен брой решения") },
};
// %1 the file, %2 what the database says.
inline constexpr const char* kPracticeStoreLocked = QT_TRANSLATE_NOOP("cramer::texts",
    "Файлът с упражненията „%1“ е зает от друга програма. Упражнявай се спокойно, но днешните отговори няма "
    "да бъдат запазени.");
inline constexpr const char* kPracticeStoreReadOnly = QT_TRANSLATE_NOOP("cramer::texts",
    "Във файла с упражненията „%1“ не може да се пише (%2). Упражнявай се спокойно, но днешните отговори "
    "няма да бъдат запазени.");
inline constexpr const char* kPracticeStoreDamaged = QT_TRANSLATE_NOOP("cramer::texts",
    "Файлът с упражненията „%1“ е повреден (%2). Програмата не го променя; упражнявай се спокойно, но "
    "днешните отговори няма да бъдат запазени.");
inline constexpr const char* kPracticeStoreNewer = QT_TRANSLATE_NOOP("cramer::texts",
    "Файлът с упражненията „%1“ е от по-нова версия на програмата. Тази версия не го променя; "
    "упражнявай се спокойно, но днешните отговори няма да бъдат запазени.");
inline constexpr const char* kPracticeStoreCannotOpen = QT_TRANSLATE_NOOP("cramer::texts",
    "Файлът с упражненията „%1“ не може да бъде отворен (%2). Упражнявай се спокойно, но днешните отговори "
    "няма да бъдат запазени.");
// %1 as typed, %2 the number it was read as, %3 the grouping mark, %4 the
// decimal typed as such.
inline constexpr const char* kPracticeOtherSeparator
    = "„%1“ е прочетено като %2: „%3“ тук разделя хилядите; ако това е десетична дроб, напиши „%4“.";
// "Провери d₁": a step's button by its step.
inline constexpr const char* kPracticeStepAction = "%1 %2";
inline constexpr const char* kPracticeSystemChanged
    = "Системата в таблицата е променена, откакто започна упражнението. Да започне ли упражнение с новата "
      "система?";
inline constexpr const char* kPracticeIntro
    = "Пресметни всяка стойност и натисни Enter. Отговорът може да е цяло число, десетична дроб "
      "или дроб като -12/23; стойност, която не е крайна десетична дроб, може да се даде закръглена "
      "до поне три значещи цифри.";
inline constexpr const char* kPracticeCheck = "&Провери";
inline constexpr const char* kPracticeHint = "Под&сказка";
inline constexpr const char* kPracticeUnknown = "Неизвестното x%1";
// Exactly d ≠ 0, but single precision found d = 0 or left its range: %1 is the exact d.
inline constexpr const char* kPracticeSingleFailed
    = "Системата има единствено решение (точно d = %1), но с единична точност програмата не стига до него "
      "(„Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.";
// Where d = 0 exactly: the step that asks how many solutions there are.
inline constexpr const char* kPracticeCountHeading = "Колко решения има системата";
inline constexpr const char* kPracticeCountQuestion
    = "Щом d = 0, системата или няма решение, или има безброй много решения. Избери кое и натисни Enter.";
inline constexpr const char* kPracticeCountName = "броя на решенията";
inline constexpr const char* kPracticeNoSolution = "няма решение";
inline constexpr const char* kPracticeInfinitelyMany = "безброй много решения";
inline constexpr const char* kPracticeChoose = "Избери един от двата отговора.";
inline constexpr const char* kPracticeCountRight
    = "Вярно: рангът на матрицата на системата е %1, рангът на разширената матрица е %2.";
inline constexpr const char* kPracticeCountWrong
    = "Не е вярно: сравни ранга на матрицата на системата с ранга на разширената матрица.";
inline constexpr const char* kPracticeHintRouche
    = "По теоремата на Руше–Капели: ако рангът на разширената матрица (със свободните членове) е по-голям "
      "от ранга на матрицата на системата, системата няма решение; ако двата ранга са равни, решенията са "
      "безброй много.";
inline constexpr const char* kPracticeHintRanks
    = "Рангът на матрицата на системата е %1, рангът на разширената матрица е %2.";
inline constexpr const char* kPracticeHintNoSolution
    = "Системата няма решение. Тази стъпка се брои за показана.";
inline constexpr const char* kPracticeHintInfinitelyMany
    = "Системата има безброй много решения. Тази стъпка се брои за показана.";
inline constexpr const char* kPracticeSummaryCountRight = "Броят на решенията: %1, вярно %2, подсказки: %3";
inline constexpr const char* kPracticeSummaryCountShown = "Броят на решенията: %1, %2, подсказки: %3";
// Exactly d = 0, but single precision found d ≠ 0: %1 is the program's d.
inline constexpr const char* kPracticeSingleNotZero
    = "Точно d = 0, но с единична точност програмата получава d = %1 и стига до стойности на неизвестните "
      "(„Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.";
inline constexpr const char* kPracticeSystemTooLong
    = "Число в системата има твърде много цифри, за да бъдат пресметнати точните стойности, затова "
      "упражнението не може да започне.";
inline constexpr const char* kPracticeEmpty = "Въведи число.";
inline constexpr const char* kPracticeNotANumber
    = "„%1“ не е число: въведи цяло число, десетична дроб или дроб като -12/23.";
inline constexpr const char* kPracticeZeroDenominator = "„%1“ има знаменател 0.";
inline constexpr const char* kPracticeTooLong = "„%1“ има твърде много цифри.";
inline constexpr const char* kPracticeRight = "Вярно.";
inline constexpr const char* kPracticeRightOtherForm = "Вярно: %1 = %2.";
inline constexpr const char* kPracticeSingle
    = "Това е стойността, която дава единичната точност, а не точната: точно %1 = %2.";
// A named mistake, or two that give the same value; each mistake a clause.
inline constexpr const char* kPracticeWrongBecause = "Не е вярно: %1.";
inline constexpr const char* kPracticeWrongEither = "Не е вярно: или %1, или %2.";
inline constexpr const char* kPracticeOppositeSign = "знакът е обратен";
inline constexpr const char* kPracticeProductsAdded
    = "двете произведения са събрани, а второто се изважда от първото";
inline constexpr const char* kPracticeDiagonalsSwapped = "диагоналите са разменени";
inline constexpr const char* kPracticeDiagonalsRule
    = "От произведението по главния диагонал се изважда произведението по другия.";
inline constexpr const char* kPracticeTermLeftOut = "липсва произведението %1 (със знак %2)";
inline constexpr const char* kPracticeTermSignFlipped = "произведението %1 е взето със знак %2, а трябва %3";
inline constexpr const char* kPracticeWrongColumn
    = "това е детерминантата, в която свободните членове заместват колона %1, а трябва колона %2";
inline constexpr const char* kPracticeQuotientInverted = "това е d/d%1, а x%1 = d%1/d";
inline constexpr const char* kPracticeRoundedWrongly = "Почти: последната цифра е закръглена неправилно.";
// %1 the value to three significant digits.
inline constexpr const char* kPracticeTooFewDigits
    = QT_TRANSLATE_NOOP("cramer::texts", "Закръглено е вярно, но дай поне три значещи цифри: %1.");
inline constexpr const char* kPracticeNotRight = "Не е вярно.";
inline constexpr const char* kPracticeNotRightBy
    = "Не е вярно: отговорът се различава от верния с около %1 %.";
inline constexpr const char* kPracticeAlmost
    = "Почти, но не е вярно: отговорът се различава от верния с около %1 %.";
inline constexpr const char* kPracticeHintRuleUnknown = "По правилото на Крамер x%1 = d%1/d.";
inline constexpr const char* kPracticeHintDivide
    = "%1 = %2/d: раздели двете стойности, намерени в стъпките по-горе, и съкрати дробта.";
inline constexpr const char* kPracticeHintValue = "Стойността е %1 = %2. Тази стъпка се брои за показана.";
inline constexpr const char* kPracticeDone = "Всички стойности са намерени.";
// %1 "d₂", %2 kPracticeHintRow or kPracticeHintColumn.
inline constexpr const char* kPracticeHintRuleElimination
    = "Пресметни %1 по метода на Гаус с точни дроби: под всеки водещ елемент направи нули, а за водещ взимай "
      "първия ненулев елемент на колоната отгоре надолу (ако е в друг ред, размени двата реда); %1 е "
      "произведението на водещите елементи, със смяна на знака при всяка размяна. Или развий по %2.";
// %1 the row or column, %2 kPracticeHintZero or kPracticeHintZeros: the gender and number agree.
inline constexpr const char* kPracticeHintRow = QT_TRANSLATE_NOOP("cramer::texts", "ред %1, който има %2");
inline constexpr const char* kPracticeHintColumn
    = QT_TRANSLATE_NOOP("cramer::texts", "колона %1, която има %2");
inline constexpr const char* kPracticeHintZero = QT_TRANSLATE_NOOP("cramer::texts", "1 нула");
inline constexpr const char* kPracticeHintZeros = QT_TRANSLATE_NOOP("cramer::texts", "%1 нули");
// %1 the pivots in order, %2 "d₂", %3 the product to work out.
inline constexpr const char* kPracticeHintPivots = "Водещите елементи (точно): %1. Значи %2 = %3.";
inline constexpr const char* kPracticeHintPivot = "колона %1: %2";
inline constexpr const char* kPracticeHintExchange
    = "колона %1: размени редове %1 и %2 (знакът се сменя), водещ елемент %3";
inline constexpr const char* kPracticeHintZeroColumn
    = "Водещите елементи (точно): %1. В колона %2 под тях остават само нули, значи %3 = 0.";
// One line of the summary: the value, then how it was found.
inline constexpr const char* kPracticeSummaryRight = "%1 = %2: вярно %3, подсказки: %4";
inline constexpr const char* kPracticeSummaryShown = "%1 = %2: %3, подсказки: %4";
// A value shown by the last hint, with the tries made before it.
inline constexpr const char* kPracticeShown = QT_TRANSLATE_NOOP("cramer::texts", "показано");
inline constexpr const char* kPracticeShownAfterOne
    = QT_TRANSLATE_NOOP("cramer::texts", "показано след 1 опит");
inline constexpr const char* kPracticeShownAfter
    = QT_TRANSLATE_NOOP("cramer::texts", "показано след %1 опита");
inline constexpr const char* kPracticeFirstTry = "от първия опит";
inline constexpr const char* kPracticeTries = "след %1 опита";
inline constexpr const char* kPracticeTime = "Време: %1 мин %2 с.";
inline constexpr const char* kPracticeCopySummary = "&Копирай обобщението";
inline constexpr const char* kPracticeNewExercise = "&Нова задача";
inline constexpr const char* kPracticeSaveSummary = "&Запази…";
inline constexpr const char* kPracticeSaveTitle = "Запазване на обобщението";
inline constexpr const char* kPracticeFileFilters = "Текст (*.txt);;HTML (*.html *.htm)";
inline constexpr const char* kPracticeDefaultName = "реши-сам.txt";

} // namespace cramer::texts
