// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files of systems: CSV in UTF-8, one equation a line, the n coefficients
// and then the right-hand side, "," between numbers, each number exactly as
// it was typed but with "." as its decimal point and no grouping. Reading
// also takes what spreadsheets export and what a pasted block may be:
// quoted cells, tabs, semicolons, blanks, decimal commas by the locale's
// rules and wherever a comma cannot separate cells, a byte-order mark,
// CRLF. Lines starting with "#", blank lines and rows without any number
// (a title, a header, an empty spreadsheet row) are passed over.

#include "sheets/text_block.h"
#include "solver/number_text.h"
#include "solver/system_store.h"
#include "solver/typed_system.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cramer {

enum class FileProblem {
    None,
    Missing,
    NotAFile,
    NoPermission,
    CannotRead,
    TooLarge, // over `count` MB
    NotUtf8,
    TooManyLines, // over `count`: no system's file
    Empty,
    SizeOutOfRange, // `count` equations; more than kMostCountedEquations are not counted
    Ragged, // `line` has `count` cells, not `expected`; cell `number`, `text`, is text, the likely cause
    NotANumber, // cell `number` of `line` is `text`
    EmptyCell, // cell `number` of `line` is empty, among numbers
    OutOfRange, // cell `number` of `line`, `text`, is beyond single precision
    Ambiguous, // cell `number` of `line`, `text`, reads as two numbers: grouping or a decimal comma
    // Cell `number` of `line`, `text`, has a decimal point; cell `otherNumber` of `otherLine`, `otherText`, a decimal comma.
    MixedDecimalMarks,
    // `count` systems one below another, the first from `line`, the second from `otherLine`.
    SeveralSystems,
    // Spreadsheet files
    DamagedArchive,
    NoSheet, // an archive, but no spreadsheet in it
    Encrypted,
    EncryptedOrBinary, // a compound document: an encrypted XLSX or an old binary XLS
    ArchiveOutOfProportion, // would unpack to far more than a sheet of numbers can be
    FormulaWithoutValue, // at `line`, `number`
    // A sheet's cell at `line`, `number` that holds no number: what it shows is `text`.
    DateCell,
    TimeCell,
    BooleanCell,
    ErrorCell, // a formula's error value, such as #DIV/0!
    MissingLibrary, // `text`, the soname of the library that reads workbooks
    NoSuchSheet, // `text`, the sheet asked for; `sheets`, those the workbook has
    CannotWrite,
};

struct FileError {
    FileProblem problem = FileProblem::None;
    int line = 0; // in the file, counted from 1 with comments and blank lines; a sheet's row
    int number = 0; // the cell on that line, from 1; a sheet's column
    int count = 0;
    int expected = 0;
    std::string text {}; // the number as written, or the system's reason
    std::string sheet {}; // the sheet's name, in a spreadsheet file
    int systemError = 0; // errno, where the system refused
    std::vector<std::string> sheets {}; // those looked at, where none held equations
    int otherLine = 0; // a second cell, where two disagree
    int otherNumber = 0;
    std::string otherText {};

    explicit operator bool() const { return problem != FileProblem::None; }
};

// How a file holds its system. Only the program's own CSV may be written
// over: saving anything else would lose what the file held besides.
enum class FileForm {
    ProgramCsv, // byte for byte what saving the system gives
    OtherText,
    Workbook,
};

struct ReadSystem {
    std::optional<TypedSystem> system;
    FileError error;
    FileForm form = FileForm::OtherText;
    // Of a workbook: the sheet read; the sheet shown when it was saved,
    // where that one held no system and another was read; every visible
    // sheet that holds a system, in the workbook's order.
    std::string sheet {};
    std::string shownSheet {};
    std::vector<std::string> systemSheets {};
};

inline constexpr int kLargestSystemFileMb = 1;
// Rows of numbers counted before a file is refused as far too large a system.
inline constexpr int kMostCountedEquations = 1000;
inline constexpr std::uintmax_t kLargestSystemFile = kLargestSystemFileMb * 1024 * 1024;

// A failure the system reported: `error` is its errno, said in its words.
FileError systemError(FileProblem problem, int error);

struct FileContent {
    std::string bytes;
    FileError error;
};

// The whole file; one over `largestMb` is refused before it is read.
FileContent readWholeFile(const std::filesystem::path& path, int largestMb);

// One cell as a file holds it.
struct FileCell {
    enum class Kind {
        Typed, // a number as typed in a plain row: "." alone is its decimal point
        Sealed, // quoted, or in a row split by tabs or semicolons: the locale's form, or a decimal comma
        Stored, // a spreadsheet's stored value: "." and no grouping
        // A spreadsheet's cell that holds no number, whatever it shows.
        Date,
        Time,
        Boolean,
        Error, // counts as a number where rows are told apart: a formula meant one
    };
    std::string text;
    Kind kind = Kind::Typed;
    int column = 0; // a sheet's column, from 1, where hidden ones are left out; else 0: its place in the row
};

struct FileRow {
    int line = 0;
    std::vector<FileCell> cells;
};

// The system in `rows`: rows without a number are passed over, empty cells
// at a row's end dropped, and every other row must hold n + 1 numbers, n
// being the number of such rows. `typedByLocale`: a Typed cell is read by
// the locale's rules rather than with "." alone.
ReadSystem systemFromRows(const std::vector<FileRow>& rows, const NumberLocale& locale, bool typedByLocale);

// A cell of a text as a file holds it: sealed, or typed.
FileCell fileCell(const TextCell& cell);

// The text the grid takes for a pasted `cell` under `locale`: a number only
// a decimal comma or "." reads, in the locale's form; anything else as it
// stands.
std::string gridText(const FileCell& cell, const NumberLocale& locale);

// The texts come out in the form the grid takes under `locale`: a number
// written with "." gets the locale's decimal separator.
ReadSystem readSystemText(std::string_view content, const NumberLocale& locale);

// The texts with "." replaced by `point`: what the grid takes under a locale.
TypedSystem withDecimalPoint(TypedSystem system, const std::string& point);

// Each text as typed under `locale`, without its grouping and with "." as
// its decimal point; every text must be a number the parser accepts.
std::string systemAsCsv(const TypedSystem& system, const NumberLocale& locale);

// A temporary file beside `path`, written and flushed to the disk, then
// renamed over it: a failure at any point leaves the old file as it was.
// A link is followed and its target written; a pipe or a character device
// is written directly.
FileError writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace cramer
