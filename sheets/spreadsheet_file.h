// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Systems in files of every kind the program opens, told apart by their
// contents: text (CSV and the forms of a pasted block), OpenDocument
// spreadsheets (.ods) and Office Open XML workbooks (.xlsx). Of a workbook
// the sheet shown when it was saved is read (never a hidden one; if it
// holds no equations, the first visible sheet that does), each number as
// the file stores it (the exact decimal the cell holds, not the rounding it
// shows), by the rules of a text file: rows without a number passed over,
// n rows of n + 1 numbers. Text in UTF-16 or Windows-1251 is read too.

#include "sheets/system_file.h"

#include <filesystem>
#include <string_view>

namespace cramer {

inline constexpr int kLargestSpreadsheetMb = 16;

// `sheet`, where named, is the workbook's sheet to read, hidden or not.
ReadSystem readSystemBytes(std::string_view bytes, const NumberLocale& locale, const std::string& sheet = {});

// Refuses a spreadsheet over kLargestSpreadsheetMb, and a text file over
// kLargestSystemFileMb, before reading it.
ReadSystem readAnySystemFile(
    const std::filesystem::path& path, const NumberLocale& locale, const std::string& sheet = {});

} // namespace cramer
