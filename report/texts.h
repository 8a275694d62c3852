// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text the window shows, in one place. UTF-8.

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
inline constexpr const char* kExpectedNumber = "Въведете число, например %1 или -3.";

inline constexpr const char* kOverflowTitle = "Твърде голямо число";
inline constexpr const char* kOverflowMainDeterminant = "Детерминантата d";
inline constexpr const char* kOverflowNumerator = "Детерминантата d%1";
inline constexpr const char* kOverflowSolution = "Неизвестното x%1 = d%1/d";
inline constexpr const char* kOverflowWhat
    = "%1 излиза извън обхвата на числата, с които програмата работи (до %2 по абсолютна стойност).";
inline constexpr const char* kOverflowWhatToDo
    = "Системата е върната във вида, в който е въведена: поправете я и опитайте отново.";

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
      "пуснете програмата в графична сесия. / cramer: no display to open the window on (neither DISPLAY "
      "nor WAYLAND_DISPLAY is set); run it in a graphical session.";
inline constexpr const char* kPlatformFailed
    = "cramer: графичната система не може да бъде отворена (екранът не отговаря или няма модул за нея); "
      "пуснете програмата в графична сесия. / cramer: the window system could not be opened (the display "
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
// The window's title while a file is the one Save writes, or proposes.
inline constexpr const char* kTitleWithFile = "%1 - %2";
inline constexpr const char* kFileMissing = "Файлът „%1“ не съществува.";
inline constexpr const char* kFileNotAFile = "„%1“ не е файл.";
inline constexpr const char* kFileNoPermission = "Нямате право да четете файла „%1“.";
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
      "десетичен знак. Запишете го без знак между хилядите.";
// After kFileAmbiguous on the command line.
inline constexpr const char* kAmbiguousLocaleHint = "Ако запетаята е десетична, посочете --locale bg_BG.";
inline constexpr const char* kFileDamagedArchive
    = "Файлът „%1“ не може да бъде прочетен: таблицата в него е повредена или непълна.";
inline constexpr const char* kFileNoSheet
    = "Във файла „%1“ няма лист с таблица: програмата отваря таблици .ods и .xlsx и текст CSV.";
inline constexpr const char* kFileEncrypted
    = "Файлът „%1“ е защитен с парола: запазете таблицата без парола и я отворете отново.";
inline constexpr const char* kFileEncryptedOrBinary
    = "Файлът „%1“ е защитен с парола или е в стария двоичен формат на Excel (.xls): запазете таблицата "
      "като .xlsx, .ods или CSV без парола и я отворете отново.";
inline constexpr const char* kFileOutOfProportion
    = "Файлът „%1“ се разархивира до много повече данни, отколкото има в таблица със система уравнения, "
      "затова не е отворен.";
inline constexpr const char* kFileFormulaWithoutValue
    = "Във файла „%1“, %2: формула без запазена стойност. Отворете таблицата, пресметнете я и я запазете "
      "отново.";
// A sheet's cell that holds no number: %3 is what it shows.
inline constexpr const char* kFileDateCell
    = "Във файла „%1“, %2: дата („%3“), а не число. Запишете в клетката числото, без формат за дата.";
inline constexpr const char* kFileTimeCell
    = "Във файла „%1“, %2: час („%3“), а не число. Запишете в клетката числото, без формат за час.";
inline constexpr const char* kFileBooleanCell = "Във файла „%1“, %2: логическа стойност („%3“), а не число.";
inline constexpr const char* kFileErrorCell
    = "Във файла „%1“, %2: грешка „%3“ от формула, а не число. Поправете формулата и запазете таблицата "
      "отново.";
inline constexpr const char* kFileMissingLibrary
    = "Файлът „%1“ не може да бъде отворен: липсва библиотеката %2, с която програмата чете таблици. "
      "Инсталирайте пакета %3 (sudo apt install %3); CSV файловете се отварят и без нея.";
// Exact values without GMP or MPFR: %1 the library, %2 its package.
inline constexpr const char* kExactMissingLibrary
    = "Точните стойности не могат да бъдат пресметнати: липсва библиотеката %1. Инсталирайте пакета %2 "
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
inline constexpr const char* kOutputIsInput
    = "„%1“ е файлът, от който се чете системата: решението не се записва върху него. Посочете друг "
      "файл с --output.";
inline constexpr const char* kCannotWriteOutput
    = "Решението не може да бъде записано на стандартния изход: %1.";

// New exercises.
inline constexpr const char* kNewExercise = "&Нова задача";
inline constexpr const char* kNewExerciseTitle = "Нова задача";
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
    = "Файлът „%1“ не може да бъде записан: %2\nРешението не е загубено: опитайте в друга папка.";
inline constexpr const char* kPrintFailedTitle = "Печатът не е възможен";
inline constexpr const char* kPrintFailed
    = "Прозорецът за печат не може да бъде отворен: %1\nРешението може да бъде запазено като PDF и "
      "отпечатано от друга програма.";

// The worked solution's own texts. Numbers come in the user's locale.
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
inline constexpr const char* kAccuracyWrongSign = "%1 = %2 в единична точност, точно %3: знакът е обратен.";
inline constexpr const char* kAccuracyZero = "%1 = 0 в единична точност, а точно %2.";
inline constexpr const char* kAccuracyNoDigit = "нито една значеща цифра не е вярна";
inline constexpr const char* kAccuracyOneDigit = "вярна е 1 значеща цифра";
inline constexpr const char* kAccuracyManyDigits = "верни са %1 значещи цифри";
inline constexpr const char* kAccuracyAllDigits = "това е точната стойност";
inline constexpr const char* kAccuracyEveryDigit = "всички значещи цифри са верни";
// %1 κ, %2 its logarithm.
inline constexpr const char* kAccuracyIllConditioned
    = "Числото на обусловеност на матрицата на системата (пресметнато точно) е κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ "
      "%1. При решаване се губят до около lg κ ≈ %2 от около седемте значещи цифри на единичната "
      "точност.";
inline constexpr const char* kAccuracyWellConditioned
    = "Числото на обусловеност на матрицата на системата (пресметнато точно) е κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ %1: "
      "тя обяснява загуба на не повече от около %2 цифри; останалото идва от пресмятането.";
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
// A fraction too long to write: %1 and %2 are its numerator's and
// denominator's digit counts.
inline constexpr const char* kLongFraction = "дроб с %1-цифрен числител и %2-цифрен знаменател";
inline constexpr const char* kLongNegativeFraction
    = "отрицателна дроб с %1-цифрен числител и %2-цифрен знаменател";
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

// Practice: the student computes each value, the program checks it.
inline constexpr const char* kPracticeCommand = "Реши &сам";
inline constexpr const char* kPracticeTitle = "Реши сам";
inline constexpr const char* kAnswerYes = "&Да";
inline constexpr const char* kAnswerNo = "&Не";
// %1 as typed, %2 the number it was read as, %3 the grouping mark, %4 the
// decimal typed as such.
inline constexpr const char* kPracticeOtherSeparator
    = "„%1“ е прочетено като %2: „%3“ тук разделя хилядите; ако това е десетична дроб, напишете „%4“.";
// "Провери d₁": a step's button by its step.
inline constexpr const char* kPracticeStepAction = "%1 %2";
inline constexpr const char* kPracticeSystemChanged
    = "Системата в таблицата е променена, откакто започна упражнението. Да започне ли упражнение с новата "
      "система?";
inline constexpr const char* kExerciseReplacesTyped
    = "Новата задача ще замени системата в таблицата. Да се замени ли?";
inline constexpr const char* kPracticeIntro
    = "Пресметнете всяка стойност и натиснете Enter. Отговорът може да е цяло число, десетична дроб "
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
    = "Щом d = 0, системата или няма решение, или има безброй много решения. Изберете кое и натиснете Enter.";
inline constexpr const char* kPracticeCountName = "броя на решенията";
inline constexpr const char* kPracticeNoSolution = "няма решение";
inline constexpr const char* kPracticeInfinitelyMany = "безброй много решения";
inline constexpr const char* kPracticeChoose = "Изберете един от двата отговора.";
inline constexpr const char* kPracticeCountRight
    = "Вярно: рангът на матрицата на системата е %1, рангът на разширената матрица е %2.";
inline constexpr const char* kPracticeCountWrong
    = "Не е вярно: сравнете ранга на матрицата на системата с ранга на разширената матрица.";
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
inline constexpr const char* kPracticeSummaryCountShown = "Броят на решенията: %1, показано, подсказки: %2";
// Exactly d = 0, but single precision found d ≠ 0: %1 is the program's d.
inline constexpr const char* kPracticeSingleNotZero
    = "Точно d = 0, но с единична точност програмата получава d = %1 и стига до стойности на неизвестните "
      "(„Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.";
inline constexpr const char* kPracticeSystemTooLong
    = "Число в системата има твърде много цифри, за да бъдат пресметнати точните стойности, затова "
      "упражнението не може да започне.";
inline constexpr const char* kPracticeEmpty = "Въведете число.";
inline constexpr const char* kPracticeNotANumber
    = "„%1“ не е число: въведете цяло число, десетична дроб или дроб като -12/23.";
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
// %1 "d₂", %2 "реда 3" or "колона 2", %3 how many zeros it has.
inline constexpr const char* kPracticeHintRuleElimination
    = "Пресметни %1 по метода на Гаус с точни дроби: под всеки водещ елемент направи нули, а за водещ взимай "
      "първия ненулев елемент на колоната отгоре надолу (ако е в друг ред, размени двата реда); %1 е "
      "произведението на водещите елементи, със смяна на знака при всяка размяна. Или развий по %2, който "
      "има "
      "%3 нули.";
inline constexpr const char* kPracticeHintRow = "ред %1";
inline constexpr const char* kPracticeHintColumn = "колона %1";
// %1 the pivots in order, %2 "d₂", %3 the product to work out.
inline constexpr const char* kPracticeHintPivots = "Водещите елементи (точно): %1. Значи %2 = %3.";
inline constexpr const char* kPracticeHintPivot = "колона %1: %2";
inline constexpr const char* kPracticeHintExchange
    = "колона %1: размени редове %1 и %2 (знакът се сменя), %3";
inline constexpr const char* kPracticeHintZeroColumn
    = "Водещите елементи (точно): %1. В колона %2 под тях остават само нули, значи %3 = 0.";
// One line of the summary: the value, then how it was found.
inline constexpr const char* kPracticeSummaryRight = "%1 = %2: вярно %3, подсказки: %4";
inline constexpr const char* kPracticeSummaryShown = "%1 = %2: показано, подсказки: %3";
inline constexpr const char* kPracticeFirstTry = "от първия опит";
inline constexpr const char* kPracticeTries = "след %1 опита";
inline constexpr const char* kPracticeTime = "Време: %1 мин %2 с.";
inline constexpr const char* kPracticeCopySummary = "&Копирай обобщението";
inline constexpr const char* kPracticeNewExercise = "&Нова задача";
inline constexpr const char* kPracticeSaveSummary = "&Запази…";
inline constexpr const char* kPracticeSaveTitle = "Запазване на обобщението";
inline constexpr const char* kPracticeFileFilters = "Текст (*.txt);;HTML (*.html *.htm)";
inline constexpr const char* kPracticeDefaultName = "реши-сам.txt";

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
