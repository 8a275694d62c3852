// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the program shows, by name: here those of the form, the
// windows, files and the command line; the worked solution's in
// working_texts.h, practice's in practice_texts.h. UTF-8.

#include <QString>

#include <array>

namespace cramer::texts {

inline constexpr const char* kWindowCaption = "системи линейни уравнения - метод на КРАМЕР";
inline constexpr const char* kSizeFrameCaption = "ИЗБЕРИ БРОЙ НА УРАВНЕНИЯТА /НЕИЗВЕСТНИТЕ/";
inline constexpr const char* kLayOutCommand = "ВЪВЕДИ  СИСТЕМАТА";
inline constexpr const char* kSolveCommand = "РЕШИ СИСТЕМАТА";
inline constexpr const char* kClearCommand = "ИЗЧИСТИ";
inline constexpr const char* kResultHeading = "РЕШЕНИЕ";

inline constexpr const char* kAnnouncementTitle = "виж детерминантата:";
inline constexpr const char* kAnnouncementPrefix = "det=";
inline constexpr const char* kSingularTitle = "РЕШЕНИЕ:";
inline constexpr const char* kSingularFirst = "d=0 =>системата или има безброй решения или няма решение!!!";
inline constexpr const char* kSingularSecond = "КОМПЮТЪРА НЕ РЕШАВА ТАКИВА СИСТЕМИ!!! бутон <ИЗЧИСТИ>";

// Operator label after unknown j: ".x" j "+", or ".x" j "=" after the last.
inline constexpr const char* kOperatorPrefix = ".x";
inline constexpr const char* kOperatorPlus = "+";
inline constexpr const char* kOperatorEquals = "=";

// Result row i: "x" i "=d" i "/d=", then d_i "/" d "=" x_i.
inline constexpr const char* kResultNameFormat = "x%1=d%1/d=";
inline constexpr const char* kResultSlash = "/";
inline constexpr const char* kResultEquals = "=";

// The heading beside a determinant: "d", its index, "=".
inline constexpr const char* kHeadingLetter = "d";
inline constexpr const char* kHeadingEquals = "=";

inline constexpr const char* kAttribution = "учебна програма";

// Messages for input the program cannot use. %1 is the cell's place.
inline constexpr const char* kBadCellTitle = "Грешка във въвеждането";
inline constexpr const char* kCoefficientPlace = "коефициента пред x%2 в уравнение %1";
inline constexpr const char* kFreeTermPlace = "свободния член на уравнение %1";
inline constexpr const char* kEmptyCell = "Клетката за %1 е празна.";
inline constexpr const char* kNotANumberCell = "Клетката за %1 съдържа „%2“, а това не е число.";
inline constexpr const char* kOutOfRangeCell
    = "Числото „%2“ в клетката за %1 е твърде голямо: програмата работи с числа до %3 по абсолютна стойност.";
inline constexpr const char* kExpectedNumber = "Въведи число, например %1 или -3.";

inline constexpr const char* kOverflowTitle = "Твърде голямо число";
inline constexpr const char* kOverflowMainDeterminant = "Детерминантата d";
inline constexpr const char* kOverflowNumerator = "Детерминантата d%1";
inline constexpr const char* kOverflowSolution = "Неизвестното x%1 = d%1/d";
inline constexpr const char* kOverflowWhat
    = "%1 излиза извън обхвата на числата, с които програмата работи (до %2 по абсолютна стойност).";
inline constexpr const char* kOverflowWhatToDo
    = "Системата е върната във вида, в който е въведена: поправи я и опитай отново.";

// Pasting a block of numbers into the grid. %1 … are counts of rows and cells.
inline constexpr const char* kPasteTitle = "Поставяне на числа";
inline constexpr const char* kPasteTooLarge = "Блокът в клипборда има %1 по %2, а от ред %3, колона %4 "
                                              "надясно и надолу в таблицата се побират %5 по %6.\n"
                                              "Нищо не е променено.";
inline constexpr const char* kPasteRagged
    = "Редовете на блока в клипборда имат различен брой клетки (от %1 до %2). "
      "Система с %3 уравнения се поставя като %3 реда по %4 клетки.\n"
      "Нищо не е променено.";
inline constexpr const char* kPasteTooLong
    = "Текстът за ред %1, колона %2 има %3 знака, а една клетка побира най-много %4.\n"
      "Нищо не е променено.";
inline constexpr const char* kOneRow = "1 ред";
inline constexpr const char* kRows = "%1 реда";
inline constexpr const char* kOneCell = "1 клетка";
inline constexpr const char* kCells = "%1 клетки";

// Copying the worked solution.
inline constexpr const char* kCopySolution = "Копирай решението";
inline constexpr const char* kCopySolutionAsLatex = "Копирай като LaTeX";
inline constexpr const char* kSolutionSystemHeading = "Система:";
inline constexpr const char* kSolutionDeterminantsHeading = "Детерминанти:";
inline constexpr const char* kSolutionResultsHeading = "Решение:";

// Starting without a window system (one line on standard error, in both
// languages, since the desktop's language cannot be told then).
inline constexpr const char* kNoDisplay
    = "cramer: няма екран, на който да се отвори прозорецът (DISPLAY и WAYLAND_DISPLAY не са зададени); "
      "пусни програмата в графична сесия. / cramer: no display to open the window on (neither DISPLAY "
      "nor WAYLAND_DISPLAY is set); run it in a graphical session.";
inline constexpr const char* kPlatformFailed
    = "cramer: графичната система не може да бъде отворена (екранът не отговаря или няма модул за нея); "
      "пусни програмата в графична сесия. / cramer: the window system could not be opened (the display "
      "does not answer, or Qt has no plugin for it); run it in a graphical session.";

// The menu bar. "&" marks the accelerator.
inline constexpr const char* kFileMenu = "&Файл";
inline constexpr const char* kEditMenu = "&Редактиране";
inline constexpr const char* kViewMenu = "&Изглед";
inline constexpr const char* kSolutionMenu = "Р&ешение";
inline constexpr const char* kHelpMenu = "&Помощ";
inline constexpr const char* kQuit = "&Изход";
inline constexpr const char* kPaste = "&Постави";
inline constexpr const char* kShowWorking = "Подробно решение";
inline constexpr const char* kReadResults = "&Прочети резултата";
inline constexpr const char* kReadResultsTitle = "Резултат";
// %1 the unknown's index, %2 its value as the result row shows it.
inline constexpr const char* kReadResultLine = "x%1 = %2";
inline constexpr const char* kReadResultFull = " (в единична точност %1)";
// The status bar after a solve whose single-precision x are wrong.
inline constexpr const char* kResultsUnreliable
    = "Внимание: единичната точност е объркала резултата (%1 с по-малко от 3 верни цифри). Защо: "
      "„Подробно решение“ (Ctrl+D).";
inline constexpr const char* kZoomIn = "&Увеличи";
inline constexpr const char* kZoomOut = "&Намали";
inline constexpr const char* kZoomNormal = "Н&ормален размер";
inline constexpr const char* kContrastColours = "&Контрастни цветове";
inline constexpr const char* kAbout = "&За програмата";
inline constexpr const char* kGuide = "&Ръководство";
inline constexpr const char* kGuideTitle = "Ръководство";
inline constexpr const char* kAboutTitle = "За програмата";
inline constexpr const char* kAboutText
    = "Метод на Крамер, версия %1\n\n"
      "Учебна програма за системи от 2 до 9 линейни уравнения: показва главната детерминанта d и "
      "детерминантите d1 … dn и намира всяко неизвестно като xi = di / d. Смята с числа с единична "
      "точност, а подробното решение показва и точните стойности.\n\n"
      "Свободен софтуер под лиценза GNU General Public License, версия 3 или по-нова.";

// At the top of every form of a solution once the grid has been edited.
inline constexpr const char* kOutdatedSolution
    = "Това е решението на последната решена система: системата в таблицата е променена след това.";

// Files of systems. %1 is the file's name.
inline constexpr const char* kOpenCommand = "&Отвори…";
inline constexpr const char* kSaveCommand = "&Запази";
inline constexpr const char* kSaveAsCommand = "Запази &като…";
inline constexpr const char* kRecentMenu = "&Последни файлове";
inline constexpr const char* kOpenTitle = "Отваряне на система";
inline constexpr const char* kSaveTitle = "Запазване на системата";
inline constexpr const char* kSystemFileFilters
    = "Системи (*.csv *.txt *.ods *.xlsx);;Таблици (*.ods *.xlsx);;Всички файлове (*)";
// Saving writes CSV alone, whatever was opened.
inline constexpr const char* kSavedSystemFileFilter = "Системи CSV (*.csv)";
inline constexpr const char* kNewSystemFileName = "система.csv";
// Before the grid's numbers give way to another system, or the window closes.
inline constexpr const char* kUnsavedSystem = QT_TRANSLATE_NOOP(
    "cramer::texts", "В таблицата има числа, които не са запазени във файл. Да ги запазя ли?");
// The window's title while a file is the one Save writes, or proposes.
inline constexpr const char* kTitleWithFile = "%1 - %2";
inline constexpr const char* kFileMissing = "Файлът „%1“ не съществува.";
inline constexpr const char* kFileNotAFile = "„%1“ не е файл.";
inline constexpr const char* kFileNoPermission = "Нямаш право да четеш файла „%1“.";
inline constexpr const char* kFileCannotRead = "Файлът „%1“ не може да бъде прочетен: %2.";
inline constexpr const char* kFileTooLarge
    = "Файлът „%1“ е по-голям от %2 MB: това не е файл със система уравнения.";
inline constexpr const char* kFileNotUtf8 = "Файлът „%1“ не е текст в UTF-8 (ред %2).";
inline constexpr const char* kFileTooManyLines
    = "Файлът „%1“ има над %2 реда: това не е файл със система уравнения.";
inline constexpr const char* kFileEmpty = "Във файла „%1“ няма уравнения.";
// A workbook: %2 lists the visible sheets looked at.
inline constexpr const char* kFileEmptySheet = "Във файла „%1“ няма уравнения: прегледан е листът %2.";
inline constexpr const char* kFileEmptySheets
    = "Във файла „%1“ няма уравнения: прегледани са листовете %2 (скритите листове не се четат).";
inline constexpr const char* kQuotedSheet = "„%1“";
// %2 the sheet asked for, %3 the sheets the file has.
inline constexpr const char* kFileNoSuchSheet
    = QT_TRANSLATE_NOOP("cramer::texts", "Във файла „%1“ няма лист „%2“. Листовете в него са %3.");
// A workbook whose shown sheet holds no system: %1 the sheet read, %2 the one shown.
inline constexpr const char* kSheetReadInstead
    = QT_TRANSLATE_NOOP("cramer::texts", "Прочетен е листът „%1“: показаният лист „%2“ няма система.");
// On the command line, where more sheets hold a system: %1 the sheet read, %2 the others.
inline constexpr const char* kOtherSystemSheets = QT_TRANSLATE_NOOP(
    "cramer::texts", "Прочетен е листът „%1“; система има и в %2. Друг лист избираш с --sheet.");
inline constexpr const char* kSheetMenu = QT_TRANSLATE_NOOP("cramer::texts", "&Лист");
// The window's title with the sheet read: %1 the file Save writes, %2 the sheet.
inline constexpr const char* kTitleWithSheet = QT_TRANSLATE_NOOP("cramer::texts", "%1 (лист „%2“)");
inline constexpr const char* kFileSizeOutOfRange
    = "Във файла „%1“ има %2, а програмата решава системи от 2 до 9 уравнения.";
inline constexpr const char* kSheetSizeOutOfRange
    = "Във файла „%1“, лист „%2“, има %3, а програмата решава системи от 2 до 9 уравнения.";
// Places in a file: %1 a line or a sheet's row, %2 a cell of it.
inline constexpr const char* kFileLinePlace = "ред %1";
inline constexpr const char* kFileCellPlace = "ред %1, поле %2";
inline constexpr const char* kSheetRowPlace = "лист „%1“, ред %2";
inline constexpr const char* kSheetCellPlace = "лист „%1“, клетка %2";
inline constexpr const char* kFileRagged
    = "Във файла „%1“, %2: %3, очакват се %4 (коефициентите и свободният член).";
// After kFileRagged when a row holds text: %1 the text, %2 its cell.
inline constexpr const char* kFileRaggedByText = " Текстът „%1“ (%2) не е число.";
inline constexpr const char* kFieldPlace = "поле %1";
inline constexpr const char* kCellPlace = "клетка %1";
inline constexpr const char* kFileNotANumber = "Във файла „%1“, %2: „%3“ не е число.";
inline constexpr const char* kFileEmptyCell = "Във файла „%1“, %2: няма число, а другите в реда са числа.";
inline constexpr const char* kFileOutOfRange
    = "Във файла „%1“, %2: „%3“ е твърде голямо (програмата работи с числа до %4 по абсолютна стойност).";
inline constexpr const char* kFileAmbiguous
    = "Във файла „%1“, %2: „%3“ може да се прочете по два начина: със знак между хилядите или с "
      "десетичен знак. Запиши го без знак между хилядите.";
// %2 and %4 are two cells, %3 and %5 what they hold.
inline constexpr const char* kFileMixedDecimalMarks = QT_TRANSLATE_NOOP("cramer::texts",
    "Във файла „%1“ числата са записани по два начина: в %2 „%3“ има десетична точка, а в %4 „%5“ — "
    "десетична запетая. Запиши всички числа по един начин.");
// After kFileAmbiguous on the command line.
inline constexpr const char* kAmbiguousLocaleHint = "Ако запетаята е десетична, посочи --locale bg_BG.";
inline constexpr const char* kFileDamagedArchive
    = "Файлът „%1“ не може да бъде прочетен: таблицата в него е повредена или непълна.";
inline constexpr const char* kFileNoSheet
    = "Във файла „%1“ няма лист с таблица: програмата отваря таблици .ods и .xlsx и текст CSV.";
inline constexpr const char* kFileEncrypted
    = "Файлът „%1“ е защитен с парола: запази таблицата без парола и я отвори отново.";
inline constexpr const char* kFileEncryptedOrBinary
    = "Файлът „%1“ е защитен с парола или е в стария двоичен формат на Excel (.xls): запази таблицата "
      "като .xlsx, .ods или CSV без парола и я отвори отново.";
inline constexpr const char* kFileOutOfProportion
    = "Файлът „%1“ се разархивира до много повече данни, отколкото има в таблица със система уравнения, "
      "затова не е отворен.";
inline constexpr const char* kFileFormulaWithoutValue
    = "Във файла „%1“, %2: формула без запазена стойност. Отвори таблицата, пресметни я и я запази "
      "отново.";
// A sheet's cell that holds no number: %3 is what it shows.
inline constexpr const char* kFileDateCell
    = "Във файла „%1“, %2: дата („%3“), а не число. Запиши в клетката числото, без формат за дата.";
inline constexpr const char* kFileTimeCell
    = "Във файла „%1“, %2: час („%3“), а не число. Запиши в клетката числото, без формат за час.";
inline constexpr const char* kFileBooleanCell = "Във файла „%1“, %2: логическа стойност („%3“), а не число.";
inline constexpr const char* kFileErrorCell
    = "Във файла „%1“, %2: грешка „%3“ от формула, а не число. Поправи формулата и запази таблицата "
      "отново.";
inline constexpr const char* kFileMissingLibrary
    = "Файлът „%1“ не може да бъде отворен: липсва библиотеката %2, с която програмата чете таблици. "
      "Инсталирай пакета %3 (sudo apt install %3); CSV файловете се отварят и без нея.";
// Exact values without GMP or MPFR: %1 the library, %2 its package.
inline constexpr const char* kExactMissingLibrary
    = "Точните стойности не могат да бъдат пресметнати: липсва библиотеката %1. Инсталирай пакета %2 "
      "(sudo apt install %2); решаването в таблицата работи и без нея.";
inline constexpr const char* kExactMissingTitle = "Липсва библиотека";
inline constexpr const char* kOneField = "1 поле";
inline constexpr const char* kFields = "%1 полета";
inline constexpr const char* kOneEquation = "1 уравнение";
inline constexpr const char* kEquations = "%1 уравнения";
inline constexpr const char* kMoreEquations = "над %1 реда с числа";
inline constexpr const char* kFileCannotWrite = "Файлът „%1“ не може да бъде записан: %2.";
inline constexpr const char* kFileUnchanged = "Системата в таблицата не е променена.";
inline constexpr const char* kSaveNotANumber
    = "Системата не е запазена: клетката за %1 съдържа „%2“, а това не е число.";

inline constexpr const char* kStandardInput = "(стандартен вход)";
// The command line. %1 is an option or a value as the user wrote it.
inline constexpr const char* kUnknownOption = "непозната опция „%1“ (cramer --help изрежда опциите).";
inline constexpr const char* kOptionWithoutValue = "опцията „%1“ иска стойност (cramer --help).";
inline constexpr const char* kOptionRefused = "командният ред не може да бъде разчетен: %1";
inline constexpr const char* kFormatRefused = "--format приема text, html, latex, pdf или csv, а не „%1“.";
inline constexpr const char* kLocaleRefused
    = "--locale приема име на локал като bg_BG, bg_BG.UTF-8, en_US или C, а не „%1“.";
inline constexpr const char* kExerciseSizeRefused
    = "--new-exercise приема брой уравнения от 2 до 9, а не „%1“.";
inline constexpr const char* kSeedRefused = "--seed приема цяло неотрицателно число, а не „%1“.";
// „Файл → Работен лист…“: variants for a class.
inline constexpr const char* kWorksheetMenu = QT_TRANSLATE_NOOP("cramer::texts", "&Работен лист…");
inline constexpr const char* kWorksheetDialogTitle = QT_TRANSLATE_NOOP("cramer::texts", "Работен лист");
inline constexpr const char* kWorksheetVariantsLabel = QT_TRANSLATE_NOOP("cramer::texts", "Брой &варианти:");
inline constexpr const char* kWorksheetSizeLabel = QT_TRANSLATE_NOOP("cramer::texts", "Брой &уравнения:");
inline constexpr const char* kWorksheetAnswersLabel = QT_TRANSLATE_NOOP("cramer::texts", "&Отговори:");
inline constexpr const char* kWorksheetIntegers = QT_TRANSLATE_NOOP("cramer::texts", "цели числа");
inline constexpr const char* kWorksheetFractions = QT_TRANSLATE_NOOP("cramer::texts", "обикновени дроби");
inline constexpr const char* kWorksheetDecimals = QT_TRANSLATE_NOOP("cramer::texts", "десетични дроби");
inline constexpr const char* kWorksheetSingularLabel
    = QT_TRANSLATE_NOOP("cramer::texts", "&Особени системи:");
inline constexpr const char* kWorksheetSingularNone = QT_TRANSLATE_NOOP("cramer::texts", "без особени");
inline constexpr const char* kWorksheetSingularSome
    = QT_TRANSLATE_NOOP("cramer::texts", "около една от пет: без решение или с безброй много решения");
inline constexpr const char* kWorksheetRangeLabel = QT_TRANSLATE_NOOP("cramer::texts", "Коефициенти &до:");
inline constexpr const char* kWorksheetTitleLabel = QT_TRANSLATE_NOOP("cramer::texts", "&Заглавие:");
inline constexpr const char* kWorksheetClassLabel = QT_TRANSLATE_NOOP("cramer::texts", "&Клас:");
inline constexpr const char* kWorksheetDateLabel = QT_TRANSLATE_NOOP("cramer::texts", "&Дата:");
inline constexpr const char* kWorksheetSeedLabel = QT_TRANSLATE_NOOP("cramer::texts", "Код на &листа:");
inline constexpr const char* kWorksheetNewSeed = QT_TRANSLATE_NOOP("cramer::texts", "&Нов код");
inline constexpr const char* kWorksheetKeyPart = QT_TRANSLATE_NOOP("cramer::texts", "Ключ с &отговорите");
inline constexpr const char* kWorksheetSolutionsPart
    = QT_TRANSLATE_NOOP("cramer::texts", "&Подробните решения на вариантите");
inline constexpr const char* kWorksheetPerPageLabel
    = QT_TRANSLATE_NOOP("cramer::texts", "Варианти на &страница:");
inline constexpr const char* kWorksheetPreviewName
    = QT_TRANSLATE_NOOP("cramer::texts", "Първата страница на работния лист");
inline constexpr const char* kWorksheetSave = QT_TRANSLATE_NOOP("cramer::texts", "&Запази…");
inline constexpr const char* kWorksheetPrint = QT_TRANSLATE_NOOP("cramer::texts", "&Печат…");
inline constexpr const char* kWorksheetSaveTitle
    = QT_TRANSLATE_NOOP("cramer::texts", "Запазване на работния лист");
inline constexpr const char* kWorksheetFileFilters = QT_TRANSLATE_NOOP("cramer::texts",
    "PDF (*.pdf);;HTML (*.html *.htm);;LaTeX (*.tex);;Текст (*.txt);;Работна книга ODS (*.ods);;"
    "Работна книга XLSX (*.xlsx)");
inline constexpr const char* kWorksheetDefaultName = QT_TRANSLATE_NOOP("cramer::texts", "работен-лист.pdf");
inline constexpr const char* kWorksheetWorking
    = QT_TRANSLATE_NOOP("cramer::texts", "Подготвям работния лист…");
inline constexpr const char* kWorksheetCancel = QT_TRANSLATE_NOOP("cramer::texts", "Отказ");
// %1 how many were made, %2 how many were asked for, %3 the range, %4 n.
inline constexpr const char* kWorksheetShortfallInWindow = QT_TRANSLATE_NOOP("cramer::texts",
    "Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 "
    "няма повече различни системи с %4 уравнения. Увеличи обхвата на коефициентите или намали броя на "
    "вариантите.");

inline constexpr const char* kWorksheetSaveFailed = QT_TRANSLATE_NOOP("cramer::texts",
    "Файлът „%1“ не може да бъде записан: %2\nРаботният лист не е загубен: опитай в друга папка.");
inline constexpr const char* kWorksheetPrintFailed = QT_TRANSLATE_NOOP("cramer::texts",
    "Прозорецът за печат не може да бъде отворен: %1\nРаботният лист може да бъде запазен като PDF и "
    "отпечатан от друга програма.");

// The batch mode's worksheets.
inline constexpr const char* kWorksheetCountRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--worksheet приема брой варианти от 1 до 60, а не „%1“.");
inline constexpr const char* kWorksheetSizeRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--size приема брой уравнения от 2 до 9, а не „%1“.");
inline constexpr const char* kWorksheetAnswersRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--answers приема integers, fractions или decimals, а не „%1“.");
inline constexpr const char* kWorksheetSingularRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--singular приема none или some, а не „%1“.");
inline constexpr const char* kWorksheetPerPageRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--per-page приема 1, 2 или 4, а не „%1“.");
inline constexpr const char* kWorksheetRangeRefused
    = QT_TRANSLATE_NOOP("cramer::texts", "--range приема цяло число от 1 до 99, а не „%1“.");
inline constexpr const char* kWorksheetFormatRefused = QT_TRANSLATE_NOOP(
    "cramer::texts", "--format приема за работен лист pdf, html, latex, text, ods или xlsx, а не „%1“.");
// %1 how many were made, %2 how many were asked for, %3 the range, %4 n.
inline constexpr const char* kWorksheetShortfall = QT_TRANSLATE_NOOP("cramer::texts",
    "Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 "
    "няма повече различни системи с %4 уравнения. Увеличи обхвата (--range) или намали броя на вариантите.");
inline constexpr const char* kWorksheetSeedUsed
    = QT_TRANSLATE_NOOP("cramer::texts", "Код на листа (--seed): %1");
inline constexpr const char* kWorkbookNotMade = QT_TRANSLATE_NOOP(
    "cramer::texts", "Работната книга не може да се направи: липсва библиотеката %1 (пакетът libzip4).");
inline constexpr const char* kOutputIsInput
    = "„%1“ е файлът, от който се чете системата: решението не се записва върху него. Посочи друг "
      "файл с --output.";
inline constexpr const char* kCannotWriteOutput
    = "Решението не може да бъде записано на стандартния изход: %1.";

// New exercises.
inline constexpr const char* kNewExercise = "&Нова задача";
inline constexpr const char* kNewExerciseTitle = "Нова задача";
inline constexpr const char* kExerciseReplacesTyped
    = "Новата задача ще замени системата в таблицата. Да се замени ли?";
inline constexpr const char* kNewFractionExercise = "Нова задача с &дробно решение";

// The worked-solution window and the files it writes.
inline constexpr const char* kWorkingTitle = "Подробно решение";
inline constexpr const char* kWorkingCopy = "&Копирай";
inline constexpr const char* kWorkingSave = "&Запази…";
inline constexpr const char* kWorkingPrint = "&Печат…";
inline constexpr const char* kWorkingSaveTitle = "Запазване на подробното решение";
inline constexpr const char* kWorkingFileFilters = "HTML (*.html *.htm);;PDF (*.pdf)";
inline constexpr const char* kWorkingDefaultName = "подробно-решение.html";
inline constexpr const char* kSaveFailedTitle = "Файлът не е записан";
inline constexpr const char* kSaveFailed
    = "Файлът „%1“ не може да бъде записан: %2\nРешението не е загубено: опитай в друга папка.";
// %1 the module's file.
inline constexpr const char* kPrintModuleMissing = QT_TRANSLATE_NOOP(
    "cramer::texts", "модулът за печат „%1“ липсва или е повреден; инсталирай програмата отново.");
inline constexpr const char* kPrintFailedTitle = "Печатът не е възможен";
inline constexpr const char* kPrintFailed
    = "Прозорецът за печат не може да бъде отворен: %1\nРешението може да бъде запазено като PDF и "
      "отпечатано от друга програма.";

// Names a screen reader announces for controls that show no text of their own.
// A cell of the grid as a screen reader names it, by what it holds.
// What each announcement box is about, for a screen reader.
inline constexpr const char* kAnnouncementMainDeterminant = "главната детерминанта d";
inline constexpr const char* kAnnouncementNumerator = "d%1: колона %1 е заменена със свободните членове";
inline constexpr const char* kCellAccessibleName = "ред %1, колона %2";
inline constexpr const char* kCellCoefficientName = "ред %1, коефициент пред x%2";
inline constexpr const char* kCellFreeTermName = "ред %1, свободен член";
inline constexpr const char* kCellUnusedName = "ред %1, колона %2, не се използва";
inline constexpr const char* kPictureAccessibleName = "Усмихнато човече с очила пред клавиатура";

// The answers of a question box.
inline constexpr const char* kAnswerYes = "&Да";
inline constexpr const char* kAnswerNo = "&Не";
// Undo and Redo of the commands that replace or clear the grid.
inline constexpr const char* kUndoCommand = QT_TRANSLATE_NOOP("cramer::texts", "&Отмени");
inline constexpr const char* kRedoCommand = QT_TRANSLATE_NOOP("cramer::texts", "&Повтори");
inline constexpr const char* kAnswerSave = QT_TRANSLATE_NOOP("cramer::texts", "&Запази");
inline constexpr const char* kAnswerDiscard = QT_TRANSLATE_NOOP("cramer::texts", "&Не запазвай");
inline constexpr const char* kAnswerCancel = QT_TRANSLATE_NOOP("cramer::texts", "&Отказ");

inline QString qtText(const char* utf8) { return QString::fromUtf8(utf8); }

// "1 поле", "5 полета": a count with its noun, as Bulgarian agrees them.
inline QString counted(int count, const char* one, const char* many)
{
    return count == 1 ? qtText(one) : qtText(many).arg(count);
}

// One line of the method summary: the text with the blanks that place it.
struct ListItem {
    int leadingBlanks;
    const char* text;
    int trailingBlanks;
};
extern const std::array<ListItem, 42> kMethodSummary;

} // namespace cramer::texts
