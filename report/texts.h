// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the program shows, by name: here those of the form, the
// windows, files and the command line; the worked solution's in
// working_texts.h, practice's in practice_texts.h. UTF-8.

#include <QCoreApplication>
#include <QString>

#include <array>

namespace cramer::texts {

// A text as Qt's translation system knows it: the Bulgarian source and the
// context a translator sees it in (the place it is shown).
struct Text {
    const char* context;
    const char* source;
};

// A name that is the same in every language (a language's own name, as a
// language menu lists it): never translated, and so no CRAMER_TEXT.
#define CRAMER_OWN_NAME(name) name

// lupdate reads CRAMER_TEXT as QT_TRANSLATE_NOOP (-tr-function-alias).
#define CRAMER_TEXT(context, source)                                                                         \
    ::cramer::texts::Text { context, source }

// A text with a count, %n: each language gives its own plural forms
// (Bulgarian's in translations/cramer_bg.ts, which holds only those).
struct CountedText {
    const char* context;
    const char* source;
};

// lupdate reads CRAMER_COUNTED as QT_TRANSLATE_N_NOOP: a numerus entry.
#define CRAMER_COUNTED(context, source)                                                                      \
    ::cramer::texts::CountedText { context, source }

inline constexpr Text kWindowCaption = CRAMER_TEXT("Form", "системи линейни уравнения - метод на КРАМЕР");
inline constexpr Text kSizeFrameCaption = CRAMER_TEXT("Form", "ИЗБЕРИ БРОЙ НА УРАВНЕНИЯТА /НЕИЗВЕСТНИТЕ/");
inline constexpr Text kLayOutCommand = CRAMER_TEXT("Form", "ВЪВЕДИ  СИСТЕМАТА");
inline constexpr Text kSolveCommand = CRAMER_TEXT("Form", "РЕШИ СИСТЕМАТА");
inline constexpr Text kClearCommand = CRAMER_TEXT("Form", "ИЗЧИСТИ");
inline constexpr Text kResultHeading = CRAMER_TEXT("Form", "РЕШЕНИЕ");

inline constexpr Text kAnnouncementTitle = CRAMER_TEXT("Form", "виж детерминантата:");
inline constexpr Text kAnnouncementPrefix = CRAMER_TEXT("Form", "det=");
inline constexpr Text kSingularTitle = CRAMER_TEXT("Form", "РЕШЕНИЕ:");
inline constexpr Text kSingularFirst
    = CRAMER_TEXT("Form", "d=0 =>системата или има безброй решения или няма решение!!!");
inline constexpr Text kSingularSecond
    = CRAMER_TEXT("Form", "КОМПЮТЪРА НЕ РЕШАВА ТАКИВА СИСТЕМИ!!! бутон <ИЗЧИСТИ>");

// Operator label after unknown j: ".x" j "+", or ".x" j "=" after the last.
inline constexpr Text kOperatorPrefix = CRAMER_TEXT("Form", ".x");
inline constexpr Text kOperatorPlus = CRAMER_TEXT("Form", "+");
inline constexpr Text kOperatorEquals = CRAMER_TEXT("Form", "=");

// Result row i: "x" i "=d" i "/d=", then d_i "/" d "=" x_i.
inline constexpr Text kResultNameFormat = CRAMER_TEXT("Form", "x%1=d%1/d=");
inline constexpr Text kResultSlash = CRAMER_TEXT("Form", "/");
inline constexpr Text kResultEquals = CRAMER_TEXT("Form", "=");

// The heading beside a determinant: "d", its index, "=".
inline constexpr Text kHeadingLetter = CRAMER_TEXT("Form", "d");
inline constexpr Text kHeadingEquals = CRAMER_TEXT("Form", "=");

inline constexpr Text kAttribution = CRAMER_TEXT("Form", "учебна програма");

// Messages for input the program cannot use. %1 is the cell's place.
inline constexpr Text kBadCellTitle = CRAMER_TEXT("Input", "Грешка във въвеждането");
inline constexpr Text kCoefficientPlace = CRAMER_TEXT("Input", "коефициента пред %2 в уравнение %1");
inline constexpr Text kFreeTermPlace = CRAMER_TEXT("Input", "свободния член на уравнение %1");
inline constexpr Text kEmptyCell = CRAMER_TEXT("Input", "Клетката за %1 е празна.");
inline constexpr Text kNotANumberCell
    = CRAMER_TEXT("Input", "Клетката за %1 съдържа „%2“, а това не е число.");
inline constexpr Text kOutOfRangeCell = CRAMER_TEXT("Input",
    "Числото „%2“ в клетката за %1 е твърде голямо: програмата работи с числа до %3 по абсолютна стойност.");
inline constexpr Text kExpectedNumber = CRAMER_TEXT("Input", "Въведи число, например %1 или -3.");

inline constexpr Text kOverflowTitle = CRAMER_TEXT("Input", "Твърде голямо число");
inline constexpr Text kOverflowMainDeterminant = CRAMER_TEXT("Input", "Детерминантата d");
inline constexpr Text kOverflowNumerator = CRAMER_TEXT("Input", "Детерминантата %1");
inline constexpr Text kOverflowSolution = CRAMER_TEXT("Input", "Неизвестното %1 = %2/d");
inline constexpr Text kOverflowWhat = CRAMER_TEXT(
    "Input", "%1 излиза извън обхвата на числата, с които програмата работи (до %2 по абсолютна стойност).");
inline constexpr Text kOverflowWhatToDo
    = CRAMER_TEXT("Input", "Системата е върната във вида, в който е въведена: поправи я и опитай отново.");

// Pasting a block of numbers into the grid. %1 … are counts of rows and cells.
inline constexpr Text kPasteTitle = CRAMER_TEXT("Input", "Поставяне на числа");
inline constexpr Text kPasteTooLarge = CRAMER_TEXT("Input",
    "Блокът в клипборда има %1 по %2, а от ред %3, колона %4 "
    "надясно и надолу в таблицата се побират %5 по %6.\n"
    "Нищо не е променено.");
inline constexpr Text kPasteRagged = CRAMER_TEXT("Input",
    "Редовете на блока в клипборда имат различен брой клетки (от %1 до %2). "
    "Система с %3 уравнения се поставя като %3 реда по %4 клетки.\n"
    "Нищо не е променено.");
inline constexpr Text kPasteTooLong = CRAMER_TEXT("Input",
    "Текстът за ред %1, колона %2 има %3 знака, а една клетка побира най-много %4.\n"
    "Нищо не е променено.");
inline constexpr CountedText kRows = CRAMER_COUNTED("Input", "%n реда");
inline constexpr CountedText kCells = CRAMER_COUNTED("Input", "%n клетки");

// Copying the worked solution.
inline constexpr Text kCopySolution = CRAMER_TEXT("CopiedSolution", "Копирай решението");
inline constexpr Text kCopySolutionAsLatex = CRAMER_TEXT("CopiedSolution", "Копирай като LaTeX");
inline constexpr Text kSolutionSystemHeading = CRAMER_TEXT("CopiedSolution", "Система:");
inline constexpr Text kSolutionDeterminantsHeading = CRAMER_TEXT("CopiedSolution", "Детерминанти:");
inline constexpr Text kSolutionResultsHeading = CRAMER_TEXT("CopiedSolution", "Решение:");
// After x_i where the window's result row rounds it: %1 the row's value.
inline constexpr Text kSolutionResultRow = CRAMER_TEXT("CopiedSolution", " (в реда за резултата %1)");

// Starting without a window system (one line on standard error, in both
// languages, since the desktop's language cannot be told then).
inline constexpr Text kNoDisplay = CRAMER_TEXT("Startup",
    "cramer: няма екран, на който да се отвори прозорецът (DISPLAY и WAYLAND_DISPLAY не са зададени); "
    "пусни програмата в графична сесия. / cramer: no display to open the window on (neither DISPLAY "
    "nor WAYLAND_DISPLAY is set); run it in a graphical session.");
inline constexpr Text kPlatformFailed = CRAMER_TEXT("Startup",
    "cramer: графичната система не може да бъде отворена (екранът не отговаря или няма модул за нея); "
    "пусни програмата в графична сесия. / cramer: the window system could not be opened (the display "
    "does not answer, or Qt has no plugin for it); run it in a graphical session.");

// The menu bar. "&" marks the accelerator.
inline constexpr Text kFileMenu = CRAMER_TEXT("MainWindow", "&Файл");
inline constexpr Text kEditMenu = CRAMER_TEXT("MainWindow", "&Редактиране");
inline constexpr Text kViewMenu = CRAMER_TEXT("MainWindow", "&Изглед");
inline constexpr Text kSolutionMenu = CRAMER_TEXT("MainWindow", "Р&ешение");
inline constexpr Text kHelpMenu = CRAMER_TEXT("MainWindow", "&Помощ");
inline constexpr Text kQuit = CRAMER_TEXT("MainWindow", "&Изход");
inline constexpr Text kPaste = CRAMER_TEXT("MainWindow", "&Постави");
inline constexpr Text kShowWorking = CRAMER_TEXT("MainWindow", "Подробно решение");
inline constexpr Text kReadResults = CRAMER_TEXT("MainWindow", "&Прочети резултата");
inline constexpr Text kReadResultsTitle = CRAMER_TEXT("MainWindow", "Резултат");
// %1 the unknown's index, %2 its value as the result row shows it.
inline constexpr Text kReadResultLine = CRAMER_TEXT("MainWindow", "x%1 = %2");
inline constexpr Text kReadResultFull = CRAMER_TEXT("MainWindow", " (в единична точност %1)");
// The status bar after a solve whose single-precision x are wrong.
inline constexpr Text kResultsUnreliable = CRAMER_TEXT("MainWindow",
    "Внимание: единичната точност е объркала резултата (%1 с по-малко от 3 верни цифри). Защо: "
    "„Подробно решение“ (Ctrl+D).");
inline constexpr Text kZoomIn = CRAMER_TEXT("MainWindow", "&Увеличи");
inline constexpr Text kZoomOut = CRAMER_TEXT("MainWindow", "&Намали");
inline constexpr Text kZoomNormal = CRAMER_TEXT("MainWindow", "Н&ормален размер");
inline constexpr Text kContrastColours = CRAMER_TEXT("MainWindow", "&Контрастни цветове");
// The language: each entry names its language in the language spoken now.
inline constexpr Text kLanguageMenu = CRAMER_TEXT("MainWindow", "&Език");
inline constexpr Text kLanguageTitle = CRAMER_TEXT("MainWindow", "Език");
inline constexpr Text kLanguageNextStart
    = CRAMER_TEXT("MainWindow", "Програмата ще говори на избрания език, когато я отвориш отново.");
inline constexpr Text kAbout = CRAMER_TEXT("MainWindow", "&За програмата");
inline constexpr Text kGuide = CRAMER_TEXT("MainWindow", "&Ръководство");
inline constexpr Text kGuideTitle = CRAMER_TEXT("MainWindow", "Ръководство");
inline constexpr Text kAboutTitle = CRAMER_TEXT("MainWindow", "За програмата");
inline constexpr Text kAboutText = CRAMER_TEXT("MainWindow",
    "Метод на Крамер, версия %1\n\n"
    "Учебна програма за системи от 2 до 9 линейни уравнения: показва главната детерминанта d и "
    "детерминантите d1 … dn и намира всяко неизвестно като xi = di / d. Смята с числа с единична "
    "точност, а подробното решение показва и точните стойности.\n\n"
    "Свободен софтуер под лиценза GNU General Public License, версия 3 или по-нова.");

// At the top of every form of a solution once the grid has been edited.
inline constexpr Text kOutdatedSolution = CRAMER_TEXT("MainWindow",
    "Това е решението на последната решена система: системата в таблицата е променена след това.");

// Files of systems. %1 is the file's name.
inline constexpr Text kOpenCommand = CRAMER_TEXT("Files", "&Отвори…");
inline constexpr Text kSaveCommand = CRAMER_TEXT("Files", "&Запази");
inline constexpr Text kSaveAsCommand = CRAMER_TEXT("Files", "Запази &като…");
inline constexpr Text kRecentMenu = CRAMER_TEXT("Files", "&Последни файлове");
inline constexpr Text kOpenTitle = CRAMER_TEXT("Files", "Отваряне на система");
inline constexpr Text kSaveTitle = CRAMER_TEXT("Files", "Запазване на системата");
inline constexpr Text kSystemFileFilters = CRAMER_TEXT(
    "Files", "Системи (*.csv *.txt *.ods *.fods *.xlsx);;Таблици (*.ods *.fods *.xlsx);;Всички файлове (*)");
// Saving writes CSV alone, whatever was opened.
inline constexpr Text kSavedSystemFileFilter = CRAMER_TEXT("Files", "Системи CSV (*.csv)");
inline constexpr Text kNewSystemFileName = CRAMER_TEXT("Files", "система.csv");
// A save dialog's name that is already a file's: %1 its name.
inline constexpr Text kFileReplaceQuestion = CRAMER_TEXT("Files", "Файлът „%1“ вече съществува. Да бъде ли заменен?");
// Before the grid's numbers give way to another system, or the window closes.
inline constexpr Text kUnsavedSystem
    = CRAMER_TEXT("Files", "В таблицата има числа, които не са запазени във файл. Да ги запазя ли?");
// The window's title while a file is the one Save writes, or proposes.
inline constexpr Text kTitleWithFile = CRAMER_TEXT("Files", "%1 - %2");
// The status bar after a start, where the window last closed with a grid.
inline constexpr Text kKeptGridNote = CRAMER_TEXT("MainWindow",
    "Системата, с която затвори прозореца, е запазена: „Редактиране → Отмени“ (Ctrl+Z) я връща.");
// --help: what the program does without a window, then each option.
inline constexpr Text kHelpDescription = CRAMER_TEXT("CommandLineHelp",
    "Решава система от 2 до 9 линейни уравнения по метода на Крамер и показва всяка детерминанта по пътя.\n"
    "Стандартните опции на Qt, като -style и -platform, също работят; виж cramer(1).\n\n"
    "Без прозорец: --solve ФАЙЛ записва подробното решение, --new-exercise N нова задача,\n"
    "--worksheet N работен лист с N варианта за клас (--format приема и ods и xlsx; използваният код\n"
    "отива в стандартната грешка).\n"
    "ФАЙЛ е CSV или текст, както го пишат електронните таблици, или работна книга .ods или .xlsx\n"
    "(листът, показан при запазването, иначе първият със система; --sheet посочва друг). --format\n"
    "решава формата, каквото и да е името на изхода.\n"
    "Код на изхода: 0 решено (или записано), 1 грешен вход или опции, 2 особена система (методът\n"
    "намери d = 0 или d е точно 0; изводът отива в стандартната грешка, CSV е празен), 3 число извън\n"
    "обхвата на единичната точност, въведено или пресметнато (без CSV), 4 изходът не може да бъде\n"
    "записан или липсва библиотека, нужна на програмата (GMP, MPFR, libzip).");
inline constexpr Text kHelpHelp = CRAMER_TEXT("CommandLineHelp", "Показва помощ за опциите на командния ред.");
inline constexpr Text kHelpSolve = CRAMER_TEXT("CommandLineHelp",
    "Решава системата във <file> (CSV, ODS или XLSX; - за стандартния вход) без прозорец.");
inline constexpr Text kHelpSheet
    = CRAMER_TEXT("CommandLineHelp", "Чете листа <name> от работната книга, скрит или не.");
inline constexpr Text kHelpFormat = CRAMER_TEXT(
    "CommandLineHelp", "Какво записва --solve: text (по подразбиране), html, latex, pdf или csv (x1 ... xn).");
inline constexpr Text kHelpOutput = CRAMER_TEXT("CommandLineHelp", "Записва в <file> вместо в стандартния изход.");
inline constexpr Text kHelpLocale = CRAMER_TEXT("CommandLineHelp",
    "Числата, както ги пише <name> (bg_BG, en_US, C, ...); по подразбиране тези на средата (LC_ALL, "
    "LC_NUMERIC, LANG).");
inline constexpr Text kHelpLanguage = CRAMER_TEXT("CommandLineHelp",
    "Думите на прозореца и на това, което записват --solve и --worksheet: bg (български, по "
    "подразбиране) или en (английски). Иначе прозорецът говори на езика, избран последно в менюто "
    "„Изглед“.");
inline constexpr Text kHelpNewExercise
    = CRAMER_TEXT("CommandLineHelp", "Записва нова задача с <n> уравнения (2 ... 9) като CSV.");
inline constexpr Text kHelpFractions = CRAMER_TEXT("CommandLineHelp", "Решението на новата задача е с прости дроби.");
inline constexpr Text kHelpSeed
    = CRAMER_TEXT("CommandLineHelp", "Прави новите задачи от <number>: всеки път едни и същи.");
inline constexpr Text kHelpWorksheet = CRAMER_TEXT(
    "CommandLineHelp", "Записва работен лист с <n> различни варианта (1 ... 60) на един вид система.");
inline constexpr Text kHelpSize
    = CRAMER_TEXT("CommandLineHelp", "Броят на уравненията в работния лист (2 ... 9; по подразбиране 3).");
inline constexpr Text kHelpAnswers = CRAMER_TEXT(
    "CommandLineHelp", "Отговорите в работния лист: integers (по подразбиране), fractions или decimals.");
inline constexpr Text kHelpSingular = CRAMER_TEXT("CommandLineHelp",
    "none (по подразбиране) или some: около един вариант от пет няма решение или има безброй много.");
inline constexpr Text kHelpRange = CRAMER_TEXT(
    "CommandLineHelp", "Коефициентите на работния лист са в -<r> ... <r> (1 ... 99; по подразбиране 9).");
inline constexpr Text kHelpKey
    = CRAMER_TEXT("CommandLineHelp", "Добавя към работния лист ключа с отговорите, на отделни страници.");
inline constexpr Text kHelpSolutions
    = CRAMER_TEXT("CommandLineHelp", "Добавя към работния лист подробното решение на всеки вариант.");
inline constexpr Text kHelpPerPage = CRAMER_TEXT(
    "CommandLineHelp", "Вариантите на една страница от работния лист: 1, 2 (по подразбиране) или 4.");
inline constexpr Text kHelpTitle = CRAMER_TEXT("CommandLineHelp", "Заглавието на работния лист.");
inline constexpr Text kHelpFile = CRAMER_TEXT("CommandLineHelp", "Система, която да се отвори в прозореца.");

// The command line. %1 is an option or a value as the user wrote it.
inline constexpr Text kUnknownOption
    = CRAMER_TEXT("CommandLine", "непозната опция „%1“ (cramer --help изрежда опциите).");
inline constexpr Text kOptionWithoutValue
    = CRAMER_TEXT("CommandLine", "опцията „%1“ иска стойност (cramer --help).");
inline constexpr Text kOptionRefused
    = CRAMER_TEXT("CommandLine", "командният ред не може да бъде разчетен: %1");
inline constexpr Text kLanguageRefused = CRAMER_TEXT("CommandLine", "--language приема bg или en, а не „%1“.");
inline constexpr Text kFormatRefused
    = CRAMER_TEXT("CommandLine", "--format приема text, html, latex, pdf или csv, а не „%1“.");
inline constexpr Text kLocaleRefused = CRAMER_TEXT(
    "CommandLine", "--locale приема име на локал като bg_BG, bg_BG.UTF-8, en_US или C, а не „%1“.");
inline constexpr Text kExerciseSizeRefused
    = CRAMER_TEXT("CommandLine", "--new-exercise приема брой уравнения от 2 до 9, а не „%1“.");
inline constexpr Text kSeedRefused
    = CRAMER_TEXT("CommandLine", "--seed приема цяло неотрицателно число, а не „%1“.");
// „Файл → Работен лист…“: variants for a class.
inline constexpr Text kWorksheetMenu = CRAMER_TEXT("WorksheetDialog", "&Работен лист…");
inline constexpr Text kWorksheetDialogTitle = CRAMER_TEXT("WorksheetDialog", "Работен лист");
inline constexpr Text kWorksheetVariantsLabel = CRAMER_TEXT("WorksheetDialog", "Брой &варианти:");
inline constexpr Text kWorksheetSizeLabel = CRAMER_TEXT("WorksheetDialog", "Брой &уравнения:");
inline constexpr Text kWorksheetAnswersLabel = CRAMER_TEXT("WorksheetDialog", "&Отговори:");
inline constexpr Text kWorksheetIntegers = CRAMER_TEXT("WorksheetDialog", "цели числа");
inline constexpr Text kWorksheetFractions = CRAMER_TEXT("WorksheetDialog", "обикновени дроби");
inline constexpr Text kWorksheetDecimals = CRAMER_TEXT("WorksheetDialog", "десетични дроби");
inline constexpr Text kWorksheetSingularLabel = CRAMER_TEXT("WorksheetDialog", "Осо&бени системи:");
inline constexpr Text kWorksheetSingularNone = CRAMER_TEXT("WorksheetDialog", "без особени");
inline constexpr Text kWorksheetSingularSome
    = CRAMER_TEXT("WorksheetDialog", "около една от пет: без решение или с безброй много решения");
inline constexpr Text kWorksheetRangeLabel = CRAMER_TEXT("WorksheetDialog", "Коефици&енти до:");
inline constexpr Text kWorksheetTitleLabel = CRAMER_TEXT("WorksheetDialog", "Загл&авие:");
inline constexpr Text kWorksheetClassLabel = CRAMER_TEXT("WorksheetDialog", "&Клас:");
inline constexpr Text kWorksheetDateLabel = CRAMER_TEXT("WorksheetDialog", "&Дата:");
inline constexpr Text kWorksheetSeedLabel = CRAMER_TEXT("WorksheetDialog", "Код на &листа:");
inline constexpr Text kWorksheetNewSeed = CRAMER_TEXT("WorksheetDialog", "&Нов код");
inline constexpr Text kWorksheetKeyPart = CRAMER_TEXT("WorksheetDialog", "Ключ с отгово&рите");
inline constexpr Text kWorksheetSolutionsPart
    = CRAMER_TEXT("WorksheetDialog", "Подробни&те решения на вариантите");
inline constexpr Text kWorksheetPerPageLabel = CRAMER_TEXT("WorksheetDialog", "Варианти на &страница:");
inline constexpr Text kWorksheetPreviewName
    = CRAMER_TEXT("WorksheetDialog", "Първата страница на работния лист");
inline constexpr Text kWorksheetSave = CRAMER_TEXT("WorksheetDialog", "&Запази…");
inline constexpr Text kWorksheetPrint = CRAMER_TEXT("WorksheetDialog", "&Печат…");
inline constexpr Text kWorksheetSaveTitle = CRAMER_TEXT("WorksheetDialog", "Запазване на работния лист");
inline constexpr Text kWorksheetFileFilters = CRAMER_TEXT("WorksheetDialog",
    "PDF (*.pdf);;HTML (*.html *.htm);;LaTeX (*.tex);;Текст (*.txt);;Работна книга ODS (*.ods);;"
    "Работна книга XLSX (*.xlsx)");
inline constexpr Text kWorksheetDefaultName = CRAMER_TEXT("WorksheetDialog", "работен-лист.pdf");
inline constexpr Text kWorksheetWorking = CRAMER_TEXT("WorksheetDialog", "Подготвям работния лист…");
inline constexpr Text kWorksheetCancel = CRAMER_TEXT("WorksheetDialog", "Отказ");
// %1 how many were made, %2 how many were asked for, %3 the range, %4 n.
inline constexpr Text kWorksheetShortfallInWindow = CRAMER_TEXT("WorksheetDialog",
    "Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 "
    "няма повече различни системи с %4 уравнения. Увеличи обхвата на коефициентите или намали броя на "
    "вариантите.");

inline constexpr Text kWorksheetSaveFailed = CRAMER_TEXT("WorksheetDialog",
    "Файлът „%1“ не може да бъде записан: %2\nРаботният лист не е загубен: опитай в друга папка.");
inline constexpr Text kWorksheetPrintFailed = CRAMER_TEXT("WorksheetDialog",
    "Прозорецът за печат не може да бъде отворен: %1\nРаботният лист може да бъде запазен като PDF и "
    "отпечатан от друга програма.");

// The batch mode's worksheets.
inline constexpr Text kWorksheetCountRefused
    = CRAMER_TEXT("CommandLine", "--worksheet приема брой варианти от 1 до 60, а не „%1“.");
inline constexpr Text kWorksheetSizeRefused
    = CRAMER_TEXT("CommandLine", "--size приема брой уравнения от 2 до 9, а не „%1“.");
inline constexpr Text kWorksheetAnswersRefused
    = CRAMER_TEXT("CommandLine", "--answers приема integers, fractions или decimals, а не „%1“.");
inline constexpr Text kWorksheetSingularRefused
    = CRAMER_TEXT("CommandLine", "--singular приема none или some, а не „%1“.");
inline constexpr Text kWorksheetPerPageRefused
    = CRAMER_TEXT("CommandLine", "--per-page приема 1, 2 или 4, а не „%1“.");
inline constexpr Text kWorksheetRangeRefused
    = CRAMER_TEXT("CommandLine", "--range приема цяло число от 1 до 99, а не „%1“.");
inline constexpr Text kWorksheetFormatRefused = CRAMER_TEXT(
    "CommandLine", "--format приема за работен лист pdf, html, latex, text, ods или xlsx, а не „%1“.");
// %1 how many were made, %2 how many were asked for, %3 the range, %4 n.
inline constexpr Text kWorksheetShortfall = CRAMER_TEXT("CommandLine",
    "Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 "
    "няма повече различни системи с %4 уравнения. Увеличи обхвата (--range) или намали броя на вариантите.");
inline constexpr Text kWorksheetSeedUsed = CRAMER_TEXT("CommandLine", "Код на листа (--seed): %1");
inline constexpr Text kWorkbookNotMade = CRAMER_TEXT(
    "CommandLine", "Работната книга не може да се направи: липсва библиотеката %1 (пакетът libzip4).");
inline constexpr Text kOutputIsInput = CRAMER_TEXT("CommandLine",
    "„%1“ е файлът, от който се чете системата: решението не се записва върху него. Посочи друг "
    "файл с --output.");
inline constexpr Text kCannotWriteOutput
    = CRAMER_TEXT("CommandLine", "Решението не може да бъде записано на стандартния изход: %1.");

// New exercises.
inline constexpr Text kNewExercise = CRAMER_TEXT("MainWindow", "&Нова задача");
inline constexpr Text kNewExerciseTitle = CRAMER_TEXT("MainWindow", "Нова задача");
inline constexpr Text kExerciseReplacesTyped
    = CRAMER_TEXT("MainWindow", "Новата задача ще замени системата в таблицата. Да се замени ли?");
inline constexpr Text kNewFractionExercise = CRAMER_TEXT("MainWindow", "Нова задача с &дробно решение");

// The worked-solution window and the files it writes.
inline constexpr Text kWorkingTitle = CRAMER_TEXT("WorkingWindow", "Подробно решение");
inline constexpr Text kWorkingCopy = CRAMER_TEXT("WorkingWindow", "&Копирай");
inline constexpr Text kWorkingSave = CRAMER_TEXT("WorkingWindow", "&Запази…");
inline constexpr Text kWorkingPrint = CRAMER_TEXT("WorkingWindow", "&Печат…");
inline constexpr Text kWorkingSaveTitle = CRAMER_TEXT("WorkingWindow", "Запазване на подробното решение");
inline constexpr Text kWorkingFileFilters = CRAMER_TEXT("WorkingWindow", "HTML (*.html *.htm);;PDF (*.pdf)");
inline constexpr Text kWorkingDefaultName = CRAMER_TEXT("WorkingWindow", "подробно-решение.html");
inline constexpr Text kSaveFailedTitle = CRAMER_TEXT("WorkingWindow", "Файлът не е записан");
inline constexpr Text kSaveFailed = CRAMER_TEXT("WorkingWindow",
    "Файлът „%1“ не може да бъде записан: %2\nРешението не е загубено: опитай в друга папка.");
// %1 the module's file.
inline constexpr Text kPrintModuleMissing = CRAMER_TEXT(
    "WorkingWindow", "модулът за печат „%1“ липсва или е повреден; инсталирай програмата отново.");
inline constexpr Text kPrintFailedTitle = CRAMER_TEXT("WorkingWindow", "Печатът не е възможен");
inline constexpr Text kPrintFailed = CRAMER_TEXT("WorkingWindow",
    "Прозорецът за печат не може да бъде отворен: %1\nРешението може да бъде запазено като PDF и "
    "отпечатано от друга програма.");

// Names a screen reader announces for controls that show no text of their own.
// A cell of the grid as a screen reader names it, by what it holds.
// What each announcement box is about, for a screen reader.
inline constexpr Text kAnnouncementMainDeterminant = CRAMER_TEXT("ScreenReader", "главната детерминанта d");
inline constexpr Text kAnnouncementNumerator
    = CRAMER_TEXT("ScreenReader", "d%1: колона %1 е заменена със свободните членове");
inline constexpr Text kCellAccessibleName = CRAMER_TEXT("ScreenReader", "ред %1, колона %2");
inline constexpr Text kCellCoefficientName = CRAMER_TEXT("ScreenReader", "ред %1, коефициент пред x%2");
inline constexpr Text kCellFreeTermName = CRAMER_TEXT("ScreenReader", "ред %1, свободен член");
inline constexpr Text kCellUnusedName = CRAMER_TEXT("ScreenReader", "ред %1, колона %2, не се използва");
inline constexpr Text kPictureAccessibleName
    = CRAMER_TEXT("ScreenReader", "Усмихнато човече с очила пред клавиатура");

// The answers of a question box.
inline constexpr Text kAnswerYes = CRAMER_TEXT("Questions", "&Да");
inline constexpr Text kAnswerNo = CRAMER_TEXT("Questions", "&Не");
// Undo and Redo of the commands that replace or clear the grid.
inline constexpr Text kUndoCommand = CRAMER_TEXT("Questions", "&Отмени");
inline constexpr Text kRedoCommand = CRAMER_TEXT("Questions", "Пов&тори");
inline constexpr Text kAnswerSave = CRAMER_TEXT("Questions", "&Запази");
inline constexpr Text kAnswerDiscard = CRAMER_TEXT("Questions", "&Не запазвай");
inline constexpr Text kAnswerCancel = CRAMER_TEXT("Questions", "&Отказ");

// The text in the language chosen: the translation installed, else the source.
inline QString qtText(Text text) { return QCoreApplication::translate(text.context, text.source); }

// A name with its index in plain text, where indices are no subscripts:
// "x2", for a template's blank.
inline QString plainIndexedName(char letter, int index)
{
    return QLatin1Char(letter) + QString::number(index);
}

// "1 поле", "5 полета": the count in the plural form its language gives it.
inline QString qtText(CountedText text, int count)
{
    return QCoreApplication::translate(text.context, text.source, nullptr, count);
}

// One line of the method summary: the text with the blanks that place it.
struct ListItem {
    int leadingBlanks;
    Text text;
    int trailingBlanks;
};
extern const std::array<ListItem, 42> kMethodSummary;

} // namespace cramer::texts
