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
inline constexpr const char* kOverflowText
    = "%1 излиза извън обхвата на числата, с които програмата работи (до %2 по абсолютна стойност).\n"
      "Системата е върната във вида, в който е въведена: поправете я и опитайте отново.";

// Pasting a block of numbers into the grid. %1 … are counts of rows and cells.
inline constexpr const char* kPasteTitle = "Поставяне на числа";
inline constexpr const char* kPasteTooLarge = "Блокът в клипборда има %1 по %2, а от ред %3, колона %4 "
                                              "надясно и надолу в таблицата се побират %5 по %6.\n"
                                              "Нищо не е променено.";
inline constexpr const char* kPasteRagged
    = "Редовете на блока в клипборда имат различен брой клетки (от %1 до %2). "
      "Система с %3 уравнения се поставя като %3 реда по %4 клетки.\n"
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

// Names a screen reader announces for controls that show no text of their own.
inline constexpr const char* kCellAccessibleName = "ред %1, колона %2";
inline constexpr const char* kPictureAccessibleName = "Усмихнато човече с очила пред клавиатура";

inline QString qtText(const char* utf8) { return QString::fromUtf8(utf8); }

// One line of the method summary: the text with the blanks that place it.
struct ListItem {
    int leadingBlanks;
    const char* text;
    int trailingBlanks;
};
extern const std::array<ListItem, 42> kMethodSummary;

} // namespace cramer::texts
