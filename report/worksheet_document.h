// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A worksheet as a document of the working's model, so that every form of
// the working writes it too: a header, the variants a few to a page with
// cut lines between them, then, each on pages of its own, the answer key
// and every variant's worked solution.

#include "report/working_document.h"
#include "sheets/workbook_file.h"
#include "solver/worksheet.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace cramer {

struct WorksheetLayout {
    QString title; // empty: the program's own
    QString className; // empty: a line to fill in
    QString date; // empty: a line to fill in
    int perPage = 2; // 1, 2 or 4 variants on a page
    bool key = true;
    bool solutions = false;
};

// `progress`, where given, hears of each variant's worked solution written
// (their count so far) and stops the work by answering false: nothing is
// returned then.
std::optional<WorkingDocument> worksheetDocument(const std::vector<Variant>& variants, std::uint64_t seed,
    const WorksheetLayout& layout, const NumberLocale& locale, const std::function<bool(int)>& progress = {});

// The worksheet as a workbook: a sheet „Вариант k“ per variant holding its
// system alone, so that the program opens it back, and a sheet „Ключ“
// whose rows start with the variant's number.
std::string worksheetWorkbook(const std::vector<Variant>& variants, WorkbookKind kind);

// A variant's system as the program reads it under `locale`.
std::vector<std::string> variantTexts(const Variant& variant, const NumberLocale& locale);

} // namespace cramer
