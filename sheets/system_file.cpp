// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/system_file.h"

#include "sheets/text_block.h"
#include "solver/system_store.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>

namespace cramer {
namespace {

// Written files use "." and no grouping, whatever the locale.
const NumberLocale kPlainNumbers { ".", "" };

// The separators a decimal comma goes with where the locale has none:
// blanks between groups, as spreadsheets of decimal-comma locales write them.
const NumberLocale kDecimalComma { ",", "\u00A0" };

// The locale's decimal point where a text has "." alone.
std::string withPoint(std::string text, const std::string& point)
{
    if (point != ".") {
        if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
            text.erase(dot, 1);
            text.insert(dot, point);
        }
    }
    return text;
}

FileError contentError(FileProblem problem, int line = 0, int number = 0, int count = 0)
{
    return { .problem = problem, .line = line, .number = number, .count = count };
}

// The text as typed, without its grouping and with "." as its decimal
// point: the exponent and every digit stay as they were.
std::string plainNumber(std::string_view typed, const NumberLocale& locale)
{
    std::string text(trimmed(typed));
    auto removeAll = [&text](std::string_view what) {
        if (what.empty())
            return;
        for (std::size_t at; (at = text.find(what)) != std::string::npos;)
            text.erase(at, what.size());
    };
    const bool spaceGroups = locale.group == "\u00A0" || locale.group == "\u202F";
    if (locale.group != locale.decimal)
        removeAll(locale.group);
    if (spaceGroups)
        removeAll(" ");
    if (locale.decimal != ".") {
        if (const std::size_t point = text.find(locale.decimal); point != std::string::npos) {
            text.erase(point, locale.decimal.size());
            text.insert(point, 1, '.');
        }
    }
    return text;
}

// The same value: digits without leading or trailing zeros, and the exponent.
bool sameValue(DecimalNumber a, DecimalNumber b)
{
    for (DecimalNumber* number : { &a, &b }) {
        const std::size_t first = number->digits.find_first_not_of('0');
        if (first == std::string::npos)
            return a.digits.find_first_not_of('0') == std::string::npos
                && b.digits.find_first_not_of('0') == std::string::npos;
        number->digits.erase(0, first);
        while (number->digits.ends_with('0')) {
            number->digits.pop_back();
            ++number->exponent;
        }
    }
    return a.negative == b.negative && a.digits == b.digits && a.exponent == b.exponent;
}

enum class Reading { Locale, DecimalComma, Plain, CommaGroups };

// Commas between groups of thousands, as English spreadsheets write them:
// a reading of quoted cells wherever the locale itself has no such comma.
const NumberLocale kCommaGroups { ".", "," };

struct Accepted {
    std::vector<Reading> readings; // each that gives this value
    std::string gridText; // the form the grid takes under the user's locale
    DecimalNumber value;
};

// How a file writes its numbers: which of "." and "," is the decimal mark.
enum class Convention { DecimalPoint, DecimalComma };

// The convention a reading stands for under `locale`.
Convention conventionOf(Reading reading, const NumberLocale& locale)
{
    switch (reading) {
    case Reading::Locale:
        return locale.decimal == "," ? Convention::DecimalComma : Convention::DecimalPoint;
    case Reading::DecimalComma:
        return Convention::DecimalComma;
    case Reading::Plain:
    case Reading::CommaGroups:
        return Convention::DecimalPoint;
    }
    return Convention::DecimalPoint;
}

struct CellReading {
    ConversionError error = ConversionError::NotANumber;
    std::vector<Accepted> values; // one for each different value a reading gives
    bool meantNumber = false; // an error value, where a formula meant a number

    bool isNumber() const { return error != ConversionError::NotANumber; }
    bool holdsNumber() const { return isNumber() || meantNumber; }
};

// What `cell`, read as `reading`, proves of the file's convention: a comma
// that only one convention reads (a decimal comma, or commas between groups
// of three), or, in a number without a comma, a point followed by other
// than three digits, which cannot be a group's.
std::optional<Convention> provenConvention(const FileCell& cell, const CellReading& reading, const NumberLocale& locale)
{
    if (reading.values.size() != 1 || cell.kind == FileCell::Kind::Stored)
        return std::nullopt;
    const std::string_view text = trimmed(cell.text);
    const std::vector<Reading>& readings = reading.values[0].readings;
    const auto proves = [&](Convention convention) {
        return std::all_of(readings.begin(), readings.end(),
            [&](Reading each) { return conventionOf(each, locale) == convention; });
    };
    if (text.find(',') != std::string_view::npos) {
        for (const Convention convention : { Convention::DecimalPoint, Convention::DecimalComma })
            if (proves(convention))
                return convention;
        return std::nullopt;
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return std::nullopt;
    std::size_t digits = 0;
    while (point + 1 + digits < text.size() && text[point + 1 + digits] >= '0' && text[point + 1 + digits] <= '9')
        ++digits;
    return digits != 3 ? std::optional(Convention::DecimalPoint) : std::nullopt;
}

// A cell by every reading its kind allows.
CellReading readCell(const FileCell& cell, const NumberLocale& locale, bool typedByLocale)
{
    std::vector<Reading> readings;
    switch (cell.kind) {
    case FileCell::Kind::Typed:
        readings.push_back(typedByLocale ? Reading::Locale : Reading::Plain);
        break;
    case FileCell::Kind::Sealed:
        readings = { Reading::Locale, Reading::DecimalComma, Reading::Plain, Reading::CommaGroups };
        break;
    case FileCell::Kind::Stored:
        readings.push_back(Reading::Plain);
        break;
    case FileCell::Kind::Date:
    case FileCell::Kind::Time:
    case FileCell::Kind::Boolean:
        break;
    case FileCell::Kind::Error:
        return { ConversionError::NotANumber, {}, true };
    }
    CellReading result;
    for (const Reading reading : readings) {
        const NumberLocale& numbers = reading == Reading::Locale ? locale
            : reading == Reading::DecimalComma                   ? kDecimalComma
            : reading == Reading::CommaGroups                    ? kCommaGroups
                                                                 : kPlainNumbers;
        const ParsedSingle parsed = parseSingle(cell.text, numbers);
        if (parsed.error == ConversionError::OutOfRange && result.values.empty())
            result.error = ConversionError::OutOfRange;
        if (!parsed.ok())
            continue;
        result.error = ConversionError::None;
        DecimalNumber value = *parseDecimal(cell.text, numbers);
        const auto same = std::find_if(result.values.begin(), result.values.end(),
            [&](const Accepted& other) { return sameValue(other.value, value); });
        if (same != result.values.end()) {
            same->readings.push_back(reading);
            continue;
        }
        std::string gridText = reading == Reading::Locale
            ? std::string(trimmed(cell.text))
            : withPoint(plainNumber(cell.text, numbers), locale.decimal);
        result.values.push_back({ { reading }, std::move(gridText), std::move(value) });
    }
    return result;
}

// The column of `cell` of `row`, which starts at column `offset` of the file's.
int columnOf(const FileRow& row, std::size_t cell, std::size_t offset)
{
    const int column = row.cells[cell].column;
    return column > 0 ? column : static_cast<int>(cell + offset) + 1;
}

FileError cellError(FileProblem problem, const FileRow& row, std::size_t cell, std::size_t offset)
{
    return { .problem = problem,
        .line = row.line,
        .number = columnOf(row, cell, offset),
        .text = std::string(trimmed(row.cells[cell].text)) };
}

struct DataRow {
    const FileRow* row;
    std::vector<CellReading> cells;
};

bool isText(const FileCell& cell, const CellReading& reading)
{
    return !reading.holdsNumber() && !trimmed(cell.text).empty();
}

// Why a cell where a number belongs is none.
FileProblem notANumber(const FileCell& cell)
{
    switch (cell.kind) {
    case FileCell::Kind::Date:
        return FileProblem::DateCell;
    case FileCell::Kind::Time:
        return FileProblem::TimeCell;
    case FileCell::Kind::Boolean:
        return FileProblem::BooleanCell;
    case FileCell::Kind::Error:
        return FileProblem::ErrorCell;
    default:
        return trimmed(cell.text).empty() ? FileProblem::EmptyCell : FileProblem::NotANumber;
    }
}

// The columns from `first` to `last` of every row, the rest cut off.
void keepColumns(std::vector<DataRow>& data, std::vector<FileRow>& kept, std::size_t first, std::size_t last)
{
    kept.reserve(data.size());
    for (DataRow& read : data) {
        FileRow row { read.row->line, {} };
        const std::size_t end = std::min(last + 1, read.cells.size());
        if (first < end) {
            row.cells.assign(read.row->cells.begin() + static_cast<std::ptrdiff_t>(first),
                read.row->cells.begin() + static_cast<std::ptrdiff_t>(end));
            read.cells.erase(read.cells.begin() + static_cast<std::ptrdiff_t>(end), read.cells.end());
            read.cells.erase(read.cells.begin(), read.cells.begin() + static_cast<std::ptrdiff_t>(first));
        } else {
            read.cells.clear();
        }
        kept.push_back(std::move(row));
        read.row = &kept.back();
    }
}

// Rows whose lengths disagree: the row that differs from the most common
// length and from n + 1, or, where there is none, the first row without
// n + 1 cells;
// with the first text among its cells, the likely cause. The rows start at
// column `offset` of the file's.
FileError raggedError(const std::vector<DataRow>& data, int n, std::size_t offset)
{
    std::map<std::size_t, std::size_t> rowsOfLength;
    for (const DataRow& read : data)
        ++rowsOfLength[read.cells.size()];
    // Ties go to the length a system of n equations wants.
    std::size_t common = static_cast<std::size_t>(n + 1);
    std::size_t mostRows = rowsOfLength.contains(common) ? rowsOfLength.at(common) : 0;
    for (const auto& [length, rows] : rowsOfLength) {
        if (rows > mostRows)
            common = length, mostRows = rows;
    }
    // Never a row that has the n + 1 cells the system needs.
    const auto wanted = static_cast<std::size_t>(n + 1);
    auto differing = std::find_if(data.begin(), data.end(), [&](const DataRow& read) {
        return read.cells.size() != common && read.cells.size() != wanted;
    });
    if (differing == data.end())
        differing = std::find_if(
            data.begin(), data.end(), [&](const DataRow& read) { return read.cells.size() != wanted; });
    const DataRow& read = *differing;
    FileError error
        = contentError(FileProblem::Ragged, read.row->line, 0, static_cast<int>(read.cells.size()));
    error.expected = n + 1;
    for (std::size_t i = 0; i < read.cells.size(); ++i) {
        if (isText(read.row->cells[i], read.cells[i])) {
            error.number = columnOf(*read.row, i, offset);
            error.text = std::string(trimmed(read.row->cells[i].text));
            return error;
        }
    }
    // A row too long: the first cell past the system is the one too many.
    if (read.cells.size() > wanted) {
        error.otherNumber = columnOf(*read.row, wanted, offset);
        error.otherText = std::string(trimmed(read.row->cells[wanted].text));
    }
    return error;
}

// A first column that numbers the equations 1 … n ("1", "2." or "3)", as
// text or as numbers) beside rows one cell too wide: a label column.
bool numbersTheEquations(const std::vector<DataRow>& data, std::size_t first, int n)
{
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::vector<FileCell>& cells = data[i].row->cells;
        std::size_t width = cells.size();
        while (width > 0 && trimmed(cells[width - 1].text).empty())
            --width;
        // `first` is past every row where no cell holds a number.
        if (first >= width || width - first != static_cast<std::size_t>(n) + 2)
            return false;
        std::string_view label = trimmed(cells[first].text);
        if (label.ends_with('.') || label.ends_with(')'))
            label.remove_suffix(1);
        if (label != std::to_string(i + 1))
            return false;
    }
    return true;
}

// Systems one below another, each a run of adjacent rows that is a whole
// system of its own: every row n + 1 numbers for its n rows.
FileError severalSystems(const std::vector<DataRow>& data)
{
    std::vector<int> starts;
    for (std::size_t begin = 0; begin < data.size();) {
        std::size_t end = begin + 1;
        while (end < data.size() && data[end].row->line == data[end - 1].row->line + 1)
            ++end;
        const auto rows = static_cast<int>(end - begin);
        const bool whole = rows >= kMinSize && rows <= kMaxSize
            && std::all_of(data.begin() + static_cast<std::ptrdiff_t>(begin),
                data.begin() + static_cast<std::ptrdiff_t>(end), [rows](const DataRow& read) {
                    return std::count_if(read.cells.begin(), read.cells.end(),
                               [](const CellReading& cell) { return cell.holdsNumber(); })
                        == rows + 1;
                });
        if (!whole)
            return {};
        starts.push_back(data[begin].row->line);
        begin = end;
    }
    if (starts.size() < 2)
        return {};
    return { .problem = FileProblem::SeveralSystems,
        .line = starts[0],
        .count = static_cast<int>(starts.size()),
        .otherLine = starts[1] };
}

// Text of several numbers run together ("1,-1,1", "2;3"): a row holding it
// holds numbers, to be refused by its place rather than passed over as a
// title. A date ("15.03.2024") or a task's name ("Задача 3") is none.
bool looksLikeNumbers(const FileCell& cell)
{
    if (cell.kind != FileCell::Kind::Typed && cell.kind != FileCell::Kind::Sealed)
        return false;
    std::string text(trimmed(cell.text));
    for (std::size_t at; (at = text.find("\u2212")) != std::string::npos;)
        text.replace(at, std::string_view("\u2212").size(), "-");
    return text.find_first_of("0123456789") != std::string::npos
        && text.find_first_of(",; \t") != std::string::npos
        && text.find_first_not_of("0123456789+-.,; \teE") == std::string::npos;
}

// The rows that hold a number, each cell read every way its kind allows.
// An error only for far more rows than any system.
FileError readDataRows(const std::vector<FileRow>& rows, const NumberLocale& locale, bool typedByLocale,
    std::vector<DataRow>& data)
{
    for (const FileRow& row : rows) {
        std::size_t width = row.cells.size();
        while (width > 0 && trimmed(row.cells[width - 1].text).empty())
            --width;
        std::size_t first = 0;
        while (first < width && trimmed(row.cells[first].text).empty())
            ++first;
        DataRow read { &row, {} };
        bool anyNumber = false;
        for (std::size_t i = 0; i < width; ++i) {
            read.cells.push_back(readCell(row.cells[i], locale, typedByLocale));
            anyNumber = anyNumber || read.cells.back().holdsNumber() || looksLikeNumbers(row.cells[i]);
        }
        if (!anyNumber)
            continue;
        // Far more than any system: the count says enough.
        if (static_cast<int>(data.size()) == kMostCountedEquations)
            return contentError(FileProblem::SizeOutOfRange, 0, 0, kMostCountedEquations + 1);
        data.push_back(std::move(read));
    }
    return {};
}

// The one convention of the whole file, as its numbers prove it: "2.5"
// or "1,500,000" that only a decimal point reads, "2,25" that only a
// decimal comma does. Where nothing proves it, a locale with a decimal
// comma decides; where two cells prove different ones, the file is
// refused with both.
struct FileConvention {
    std::optional<Convention> convention;
    FileError contradiction;
};

FileConvention fileConvention(const std::vector<DataRow>& data, const NumberLocale& locale, std::size_t offset)
{
    std::optional<std::pair<const DataRow*, std::size_t>> proof[2];
    for (const DataRow& read : data) {
        for (std::size_t i = 0; i < read.cells.size(); ++i) {
            const std::optional<Convention> proven = provenConvention(read.row->cells[i], read.cells[i], locale);
            if (proven && !proof[static_cast<int>(*proven)])
                proof[static_cast<int>(*proven)] = { &read, i };
        }
    }
    const auto& [point, comma] = proof;
    if (point && comma) {
        FileError error = cellError(FileProblem::MixedDecimalMarks, *point->first->row, point->second, offset);
        const FileError other = cellError(FileProblem::MixedDecimalMarks, *comma->first->row, comma->second, offset);
        error.otherLine = other.line;
        error.otherNumber = other.number;
        error.otherText = other.text;
        return { std::nullopt, std::move(error) };
    }
    if (point)
        return { Convention::DecimalPoint, {} };
    if (comma || locale.decimal == ",")
        return { Convention::DecimalComma, {} };
    return {};
}

// Each cell's one reading, the file's convention's where a cell has
// several; `first` is how many columns were passed over at the left.
ReadSystem typedTexts(const std::vector<DataRow>& data, int n, std::optional<Convention> convention,
    const NumberLocale& locale, std::size_t first)
{
    TypedSystem system { n, {} };
    for (const DataRow& read : data) {
        for (std::size_t i = 0; i < read.cells.size(); ++i) {
            const CellReading& cell = read.cells[i];
            if (cell.error == ConversionError::OutOfRange)
                return { std::nullopt, cellError(FileProblem::OutOfRange, *read.row, i, first) };
            if (!cell.isNumber())
                return { std::nullopt, cellError(notANumber(read.row->cells[i]), *read.row, i, first) };
            const Accepted* chosen = &cell.values[0];
            if (cell.values.size() > 1) {
                const auto match
                    = std::find_if(cell.values.begin(), cell.values.end(), [&](const Accepted& value) {
                          return std::any_of(value.readings.begin(), value.readings.end(),
                              [&](Reading reading) { return conventionOf(reading, locale) == convention; });
                      });
                if (match == cell.values.end())
                    return { std::nullopt, cellError(FileProblem::Ambiguous, *read.row, i, first) };
                chosen = &*match;
            }
            system.texts.push_back(chosen->gridText);
        }
    }
    return { std::move(system), {} };
}

} // namespace

FileError systemError(FileProblem problem, int error)
{
    return { .problem = problem, .text = std::strerror(error), .systemError = error };
}

ReadSystem systemFromRows(const std::vector<FileRow>& rows, const NumberLocale& locale, bool typedByLocale)
{
    std::vector<DataRow> data;
    if (FileError error = readDataRows(rows, locale, typedByLocale, data))
        return { std::nullopt, std::move(error) };
    if (data.empty())
        return { std::nullopt, contentError(FileProblem::Empty) };
    const int n = static_cast<int>(data.size());
    if (FileError error = severalSystems(data))
        return { std::nullopt, std::move(error) };
    if (n < kMinSize || n > kMaxSize)
        return { std::nullopt, contentError(FileProblem::SizeOutOfRange, 0, 0, n) };

    // Columns without a number at the sides, empty or holding labels and
    // comments beside the system, are passed over like a header row.
    std::size_t first = std::numeric_limits<std::size_t>::max();
    std::size_t last = 0;
    for (const DataRow& read : data) {
        for (std::size_t i = 0; i < read.cells.size(); ++i) {
            if (read.cells[i].holdsNumber()) {
                first = std::min(first, i);
                last = std::max(last, i);
            }
        }
    }
    if (numbersTheEquations(data, first, n))
        ++first;
    std::vector<FileRow> kept;
    keepColumns(data, kept, first, last);
    if (std::any_of(data.begin(), data.end(),
            [n](const DataRow& read) { return static_cast<int>(read.cells.size()) != n + 1; }))
        return { std::nullopt, raggedError(data, n, first) };
    FileConvention convention = fileConvention(data, locale, first);
    if (convention.contradiction)
        return { std::nullopt, std::move(convention.contradiction) };
    return typedTexts(data, n, convention.convention, locale, first);
}

FileCell fileCell(const TextCell& cell)
{
    return { cell.text, cell.sealed ? FileCell::Kind::Sealed : FileCell::Kind::Typed };
}

std::string gridText(const FileCell& cell, const NumberLocale& locale)
{
    const CellReading read = readCell(cell, locale, true);
    return read.values.size() == 1 ? read.values[0].gridText : std::string(trimmed(cell.text));
}

namespace {

std::vector<FileRow> fileRows(const TextBlock& block)
{
    std::vector<FileRow> rows;
    for (const TextRow& row : block.rows) {
        // A text's comment line, whatever it holds; in a sheet "#" starts
        // a label like any other.
        if (row.comment)
            continue;
        FileRow fileRow { row.line, {} };
        for (const TextCell& cell : row.cells)
            fileRow.cells.push_back(fileCell(cell));
        rows.push_back(std::move(fileRow));
    }
    return rows;
}

} // namespace

namespace {

// Lines a file of a system may have, comments and blank lines among them.
constexpr std::size_t kMostLines = 4 * kMostCountedEquations;

// Whether a text file's commas are decimal commas, told once from its lines
// before a number is read: commas separate (CSV, the form this program
// writes) or, under a decimal-comma locale, blanks, tabs and semicolons do
// with commas inside the numbers (a pasted block saved as text, typed line
// by line). A comma on a line split by tabs or semicolons is a decimal
// comma; otherwise only lines of digits, signs, points, commas and spaces
// tell, and a comma beside a blank, or a line of numbers without blanks,
// means commas separate.
bool blanksSeparateCells(std::string_view content, const NumberLocale& locale)
{
    if (locale.decimal != ",")
        return false;
    bool blanksSeparate = false;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string line(trimmed(content.substr(start, end - start)));
        start = end + 1;
        if (line.starts_with('#') || line.find(',') == std::string::npos)
            continue;
        if (line.find_first_of("\t;") != std::string::npos) {
            blanksSeparate = true;
            continue;
        }
        for (const std::string_view minus : { "\u2212", "\u2013" })
            for (std::size_t at; (at = line.find(minus)) != std::string::npos;)
                line.replace(at, minus.size(), "-");
        if (line.find_first_not_of("0123456789+-.,eE ") != std::string::npos)
            continue;
        if (line.find(", ") != std::string::npos || line.find(" ,") != std::string::npos
            || line.find(' ') == std::string::npos)
            return false;
        blanksSeparate = true;
    }
    return blanksSeparate;
}

} // namespace

ReadSystem readSystemText(std::string_view content, const NumberLocale& locale)
{
    const std::string_view asStored = content;
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);
    if (const int line = firstLineNotUtf8(content))
        return { std::nullopt, contentError(FileProblem::NotUtf8, line) };
    // Lines end in LF, CRLF or, as in old Mac files, CR alone, even mixed
    // in one file (lines pasted from another): each is one line break.
    std::string lines;
    if (content.find('\r') != std::string_view::npos) {
        lines.reserve(content.size());
        for (std::size_t i = 0; i < content.size(); ++i) {
            if (content[i] != '\r')
                lines += content[i];
            else if (i + 1 == content.size() || content[i + 1] != '\n')
                lines += '\n';
        }
        content = lines;
    }

    const bool blanksSeparate = blanksSeparateCells(content, locale);
    const TextBlock block = splitTextBlock(content, blanksSeparate, kMostLines);
    if (block.cut)
        return { std::nullopt, contentError(FileProblem::TooManyLines, 0, 0, static_cast<int>(kMostLines)) };
    ReadSystem read = systemFromRows(fileRows(block), locale, blanksSeparate);
    if (read.system && systemAsCsv(*read.system, locale) == asStored)
        read.form = FileForm::ProgramCsv;
    return read;
}

TypedSystem withDecimalPoint(TypedSystem system, const std::string& point)
{
    for (std::string& text : system.texts)
        text = withPoint(std::move(text), point);
    return system;
}

std::string systemAsCsv(const TypedSystem& system, const NumberLocale& locale)
{
    std::string csv;
    for (int row = 1; row <= system.n; ++row) {
        for (int column = 1; column <= system.n + 1; ++column) {
            if (column > 1)
                csv += ',';
            csv += plainNumber(system.text(row, column), locale);
        }
        csv += '\n';
    }
    return csv;
}

} // namespace cramer
