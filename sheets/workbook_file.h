// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Workbooks the program writes: sheets of numbers and words, as ODS or
// XLSX, which the program and spreadsheet programs open back.

#include <string>
#include <vector>

namespace cramer {

struct WorkbookCell {
    std::string text; // a number as "-1.5" (a point, no exponent), or words
    bool number = false;
};

struct WorkbookSheet {
    std::string name; // at most 31 characters, none of []:*?/\ (as XLSX allows)
    std::vector<std::vector<WorkbookCell>> rows;
};

enum class WorkbookKind { Ods, Xlsx };

// The whole file; empty where libzip is missing or fails.
std::string workbookBytes(const std::vector<WorkbookSheet>& sheets, WorkbookKind kind);

} // namespace cramer
