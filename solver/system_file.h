// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files of systems: CSV in UTF-8, one equation a line, the n coefficients
// and then the right-hand side, "," between numbers, each number exactly as
// it was typed but with "." as its decimal point and no grouping. Reading
// also takes what a pasted block may be (tabs, semicolons, blanks, decimal
// commas by the locale's rules), a byte-order mark, CRLF, blank lines and
// lines starting with "#" as comments.

#include "solver/number_text.h"
#include "solver/system_store.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cramer {

// A system as the grid holds it: its size and n rows of n + 1 texts.
struct TypedSystem {
    int n = 0;
    std::vector<std::string> texts; // row by row

    const std::string& text(int row, int column) const
    {
        return texts[static_cast<std::size_t>((row - 1) * (n + 1) + column - 1)];
    }
    bool operator==(const TypedSystem&) const = default;
};

enum class FileProblem {
    None,
    Missing,
    NotAFile,
    NoPermission,
    CannotRead,
    TooLarge,
    NotUtf8,
    Empty,
    SizeOutOfRange, // `count` equations
    Ragged, // `line` has `count` numbers, not `expected`
    NotANumber, // number `number` of `line` is `text`
    OutOfRange, // the same, beyond single precision
    CannotWrite,
};

struct FileError {
    FileProblem problem = FileProblem::None;
    int line = 0; // in the file, counted from 1 with comments and blank lines
    int number = 0; // on that line, from 1
    int count = 0;
    int expected = 0;
    std::string text; // the number as written, or the system's reason

    explicit operator bool() const { return problem != FileProblem::None; }
};

struct ReadSystem {
    std::optional<TypedSystem> system;
    FileError error;
};

inline constexpr std::uintmax_t kLargestSystemFile = 1024 * 1024;

// The texts come out in the form the grid takes under `locale`: a number
// written with "." gets the locale's decimal separator.
ReadSystem readSystemText(std::string_view content, const NumberLocale& locale);
// Refuses a file over kLargestSystemFile before reading it.
ReadSystem readSystemFile(const std::filesystem::path& path, const NumberLocale& locale);

// The texts with "." replaced by `point`: what the grid takes under a locale.
TypedSystem withDecimalPoint(TypedSystem system, const std::string& point);

// Each text as typed under `locale`, without its grouping and with "." as
// its decimal point; every text must be a number the parser accepts.
std::string systemAsCsv(const TypedSystem& system, const NumberLocale& locale);

// A temporary file beside `path`, written and flushed to the disk, then
// renamed over it: a failure at any point leaves the old file as it was.
FileError writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace cramer
