// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program says about a file of a system that it cannot read, or
// reads otherwise than shown: by problem, with the place and what the cell
// holds. %1 is the file's name throughout. UTF-8.

#include "report/texts.h"

namespace cramer::texts {

inline constexpr Text kFileMissing = CRAMER_TEXT("Files", "Файлът „%1“ не съществува.");
inline constexpr Text kFileNotAFile = CRAMER_TEXT("Files", "„%1“ не е файл.");
inline constexpr Text kFileNoPermission = CRAMER_TEXT("Files", "Нямаш право да четеш файла „%1“.");
inline constexpr Text kFileCannotRead = CRAMER_TEXT("Files", "Файлът „%1“ не може да бъде прочетен: %2.");
inline constexpr Text kFileTooLarge
    = CRAMER_TEXT("Files", "Файлът „%1“ е по-голям от %2 MB: това не е файл със система уравнения.");
inline constexpr Text kFileNotUtf8 = CRAMER_TEXT("Files", "Файлът „%1“ не е текст в UTF-8 (ред %2).");
inline constexpr Text kFileTooManyLines
    = CRAMER_TEXT("Files", "Файлът „%1“ има над %2 реда: това не е файл със система уравнения.");
inline constexpr Text kFileEmpty = CRAMER_TEXT("Files", "Във файла „%1“ няма уравнения.");
// A workbook: %2 lists the visible sheets looked at.
inline constexpr Text kFileEmptySheet
    = CRAMER_TEXT("Files", "Във файла „%1“ няма уравнения: прегледан е листът %2.");
inline constexpr Text kFileEmptySheets = CRAMER_TEXT(
    "Files", "Във файла „%1“ няма уравнения: прегледани са листовете %2 (скритите листове не се четат).");
inline constexpr Text kQuotedSheet = CRAMER_TEXT("Files", "„%1“");
// %2 the sheet asked for, %3 the sheets the file has.
inline constexpr Text kFileNoSuchSheet
    = CRAMER_TEXT("Files", "Във файла „%1“ няма лист „%2“. Листовете в него са %3.");
// A workbook whose shown sheet holds no system: %1 the sheet read, %2 the one shown.
inline constexpr Text kSheetReadInstead
    = CRAMER_TEXT("Files", "Прочетен е листът „%1“: показаният лист „%2“ няма система.");
// On the command line, where more sheets hold a system: %1 the sheet read, %2 the others.
inline constexpr Text kOtherSystemSheets
    = CRAMER_TEXT("Files", "Прочетен е листът „%1“; система има и в %2. Друг лист избираш с --sheet.");
inline constexpr Text kSheetMenu = CRAMER_TEXT("Files", "&Лист");
// The window's title with the sheet read: %1 the file Save writes, %2 the sheet.
inline constexpr Text kTitleWithSheet = CRAMER_TEXT("Files", "%1 (лист „%2“)");
inline constexpr Text kFileSizeOutOfRange
    = CRAMER_TEXT("Files", "Във файла „%1“ има %2, а програмата решава системи от 2 до 9 уравнения.");
inline constexpr Text kSheetSizeOutOfRange = CRAMER_TEXT(
    "Files", "Във файла „%1“, лист „%2“, има %3, а програмата решава системи от 2 до 9 уравнения.");
// Places in a file: %1 a line or a sheet's row, %2 a cell of it.
inline constexpr Text kFileLinePlace = CRAMER_TEXT("Files", "ред %1");
inline constexpr Text kFileCellPlace = CRAMER_TEXT("Files", "ред %1, поле %2");
inline constexpr Text kSheetRowPlace = CRAMER_TEXT("Files", "лист „%1“, ред %2");
inline constexpr Text kSheetCellPlace = CRAMER_TEXT("Files", "лист „%1“, клетка %2");
inline constexpr Text kFileRagged
    = CRAMER_TEXT("Files", "Във файла „%1“, %2: %3, очакват се %4 (коефициентите и свободният член).");
// After kFileRagged when a row holds text: %1 the text, %2 its cell.
inline constexpr Text kFileRaggedByText = CRAMER_TEXT("Files", " Текстът „%1“ (%2) не е число.");
// After kFileRagged when a row has a cell too many: %1 the first cell past
// the system, %2 what it holds.
inline constexpr Text kFileRaggedExtra = CRAMER_TEXT("Files", " В повече е %1: „%2“.");
// Systems one below another: %1 the file, %2 and %3 where the first two begin.
inline constexpr CountedText kFileSeveralSystems = CRAMER_COUNTED("Files",
    "Във файла „%1“ има %n системи една под друга, първата от %2, втората от %3. Запиши всяка "
    "система в отделен файл.");
// The same on a sheet: %1 the file, %2 the sheet, %3 and %4 the rows where the first two begin.
inline constexpr CountedText kSheetSeveralSystems = CRAMER_COUNTED("Files",
    "Във файла „%1“, лист „%2“, има %n системи една под друга, първата от ред %3, втората от ред %4. "
    "Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet).");
inline constexpr Text kFieldPlace = CRAMER_TEXT("Files", "поле %1");
inline constexpr Text kCellPlace = CRAMER_TEXT("Files", "клетка %1");
inline constexpr Text kFileNotANumber = CRAMER_TEXT("Files", "Във файла „%1“, %2: „%3“ не е число.");
inline constexpr Text kFileEmptyCell
    = CRAMER_TEXT("Files", "Във файла „%1“, %2: няма число, а другите в реда са числа.");
inline constexpr Text kFileOutOfRange = CRAMER_TEXT("Files",
    "Във файла „%1“, %2: „%3“ е твърде голямо (програмата работи с числа до %4 по абсолютна стойност).");
inline constexpr Text kFileAmbiguous = CRAMER_TEXT("Files",
    "Във файла „%1“, %2: „%3“ може да се прочете по два начина: със знак между хилядите или с "
    "десетичен знак. Запиши го без знак между хилядите.");
// %2 and %4 are two cells, %3 and %5 what they hold.
inline constexpr Text kFileMixedDecimalMarks = CRAMER_TEXT("Files",
    "Във файла „%1“ числата са записани по два начина: в %2 „%3“ има десетична точка, а в %4 „%5“ — "
    "десетична запетая. Запиши всички числа по един начин.");
// After kFileAmbiguous on the command line.
inline constexpr Text kAmbiguousLocaleHint
    = CRAMER_TEXT("Files", "Ако запетаята е десетична, посочи --locale bg_BG.");
inline constexpr Text kFileDamagedArchive
    = CRAMER_TEXT("Files", "Файлът „%1“ не може да бъде прочетен: таблицата в него е повредена или непълна.");
inline constexpr Text kFileNoSheet = CRAMER_TEXT(
    "Files", "Във файла „%1“ няма лист с таблица: програмата отваря таблици .ods и .xlsx и текст CSV.");
inline constexpr Text kFileEncrypted
    = CRAMER_TEXT("Files", "Файлът „%1“ е защитен с парола: запази таблицата без парола и я отвори отново.");
inline constexpr Text kFileEncryptedOrBinary = CRAMER_TEXT("Files",
    "Файлът „%1“ е защитен с парола или е в стария двоичен формат на Excel (.xls): запази таблицата "
    "като .xlsx, .ods или CSV без парола и я отвори отново.");
inline constexpr Text kFileOutOfProportion = CRAMER_TEXT("Files",
    "Файлът „%1“ се разархивира до много повече данни, отколкото има в таблица със система уравнения, "
    "затова не е отворен.");
inline constexpr Text kFileFormulaWithoutValue = CRAMER_TEXT("Files",
    "Във файла „%1“, %2: формула без запазена стойност. Отвори таблицата, пресметни я и я запази "
    "отново.");
// A sheet's cell that holds no number: %3 is what it shows.
inline constexpr Text kFileDateCell = CRAMER_TEXT(
    "Files", "Във файла „%1“, %2: дата („%3“), а не число. Запиши в клетката числото, без формат за дата.");
inline constexpr Text kFileTimeCell = CRAMER_TEXT(
    "Files", "Във файла „%1“, %2: час („%3“), а не число. Запиши в клетката числото, без формат за час.");
inline constexpr Text kFileBooleanCell
    = CRAMER_TEXT("Files", "Във файла „%1“, %2: логическа стойност („%3“), а не число.");
inline constexpr Text kFileErrorCell = CRAMER_TEXT("Files",
    "Във файла „%1“, %2: грешка „%3“ от формула, а не число. Поправи формулата и запази таблицата "
    "отново.");
inline constexpr Text kFileMissingLibrary = CRAMER_TEXT("Files",
    "Файлът „%1“ не може да бъде отворен: липсва библиотеката %2, с която програмата чете таблици. "
    "Инсталирай пакета %3 (sudo apt install %3); CSV файловете се отварят и без нея.");
// Exact values without GMP or MPFR: %1 the library, %2 its package.
inline constexpr Text kExactMissingLibrary = CRAMER_TEXT("Files",
    "Точните стойности не могат да бъдат пресметнати: липсва библиотеката %1. Инсталирай пакета %2 "
    "(sudo apt install %2); решаването в таблицата работи и без нея.");
inline constexpr Text kExactMissingTitle = CRAMER_TEXT("Files", "Липсва библиотека");
inline constexpr CountedText kFields = CRAMER_COUNTED("Files", "%n полета");
inline constexpr CountedText kSheetCells = CRAMER_COUNTED("Files", "%n клетки");
inline constexpr CountedText kEquations = CRAMER_COUNTED("Files", "%n уравнения");
inline constexpr Text kMoreEquations = CRAMER_TEXT("Files", "над %1 реда с числа");
inline constexpr Text kFileCannotWrite = CRAMER_TEXT("Files", "Файлът „%1“ не може да бъде записан: %2.");
inline constexpr Text kFileUnchanged = CRAMER_TEXT("Files", "Системата в таблицата не е променена.");
inline constexpr Text kSaveNotANumber
    = CRAMER_TEXT("Files", "Системата не е запазена: клетката за %1 съдържа „%2“, а това не е число.");

inline constexpr Text kStandardInput = CRAMER_TEXT("Files", "(стандартен вход)");

} // namespace cramer::texts
