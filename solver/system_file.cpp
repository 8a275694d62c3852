// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/system_file.h"

#include "solver/system_store.h"
#include "solver/text_block.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace cramer {
namespace {

// Written files use "." and no grouping, whatever the locale.
const NumberLocale kPlainNumbers { ".", "" };

// Well-formed UTF-8: no stray or overlong sequences, no surrogates,
// nothing beyond U+10FFFF. Returns the line of the first fault, or 0.
int firstLineNotUtf8(std::string_view text)
{
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n')
            ++line;
        int length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        } else if ((byte & 0xE0) == 0xC0) {
            length = 2, codePoint = byte & 0x1F, smallest = 0x80;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3, codePoint = byte & 0x0F, smallest = 0x800;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4, codePoint = byte & 0x07, smallest = 0x10000;
        } else {
            return line;
        }
        if (i + static_cast<std::size_t>(length) > text.size())
            return line;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return line;
            codePoint = codePoint << 6 | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return line;
        i += static_cast<std::size_t>(length);
    }
    return 0;
}

struct Line {
    int number; // in the file
    std::string_view text;
};

std::vector<Line> dataLines(std::string_view content)
{
    std::vector<Line> lines;
    int number = 0;
    std::size_t start = 0;
    while (start <= content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        ++number;
        const std::string_view meaningful = trimmed(line);
        if (!meaningful.empty() && !meaningful.starts_with('#'))
            lines.push_back({ number, line });
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> commaFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(',', start)) != std::string_view::npos; start = end + 1)
        fields.emplace_back(trimmed(line.substr(start, end - start)));
    fields.emplace_back(trimmed(line.substr(start)));
    return fields;
}

// Commas alone between plain numbers on every line: "1,5 2,5" under a
// decimal-comma locale is no such file, "1.5,2.5" is.
bool isCsv(const std::vector<Line>& lines)
{
    for (const Line& line : lines) {
        if (line.text.find_first_of("\t;") != std::string_view::npos)
            return false;
        for (const std::string& field : commaFields(line.text)) {
            if (!parseDecimal(field, kPlainNumbers))
                return false;
        }
    }
    return true;
}

FileError contentError(
    FileProblem problem, int line = 0, int number = 0, int count = 0, std::string text = {})
{
    return { problem, line, number, count, 0, std::move(text) };
}

FileError systemError(FileProblem problem, int error)
{
    return { problem, 0, 0, 0, 0, std::strerror(error) };
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

} // namespace

ReadSystem readSystemText(std::string_view content, const NumberLocale& locale)
{
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);
    if (const int line = firstLineNotUtf8(content))
        return { std::nullopt, contentError(FileProblem::NotUtf8, line) };

    const std::vector<Line> lines = dataLines(content);
    if (lines.empty())
        return { std::nullopt, contentError(FileProblem::Empty) };
    const int n = static_cast<int>(lines.size());
    if (n < kMinSize || n > kMaxSize)
        return { std::nullopt, contentError(FileProblem::SizeOutOfRange, 0, 0, n) };

    // A file written here, or one that reads like a pasted block.
    const bool csv = isCsv(lines);
    const NumberLocale& numbers = csv ? kPlainNumbers : locale;
    TypedSystem system { n, {} };
    for (const Line& line : lines) {
        const std::vector<std::string> fields
            = csv ? commaFields(line.text) : splitRow(line.text, locale.decimal == ",");
        if (static_cast<int>(fields.size()) != n + 1) {
            FileError error
                = contentError(FileProblem::Ragged, line.number, 0, static_cast<int>(fields.size()));
            error.expected = n + 1;
            return { std::nullopt, error };
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const ParsedSingle parsed = parseSingle(fields[i], numbers);
            if (!parsed.ok()) {
                const FileProblem problem = parsed.error == ConversionError::OutOfRange
                    ? FileProblem::OutOfRange
                    : FileProblem::NotANumber;
                return { std::nullopt,
                    contentError(problem, line.number, static_cast<int>(i) + 1, 0, fields[i]) };
            }
            system.texts.push_back(fields[i]);
        }
    }
    if (csv)
        system = withDecimalPoint(std::move(system), locale.decimal);
    return { std::move(system), {} };
}

TypedSystem withDecimalPoint(TypedSystem system, const std::string& point)
{
    if (point == ".")
        return system;
    for (std::string& text : system.texts) {
        if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
            text.erase(dot, 1);
            text.insert(dot, point);
        }
    }
    return system;
}

ReadSystem readSystemFile(const std::filesystem::path& path, const NumberLocale& locale)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return { std::nullopt, contentError(FileProblem::Missing) };
    if (!std::filesystem::is_regular_file(status))
        return { std::nullopt, contentError(FileProblem::NotAFile) };
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return { std::nullopt, systemError(FileProblem::CannotRead, error.value()) };
    if (size > kLargestSystemFile)
        return { std::nullopt, contentError(FileProblem::TooLarge) };

    std::ifstream file(path, std::ios::binary);
    if (!file)
        return { std::nullopt,
            errno == EACCES ? contentError(FileProblem::NoPermission)
                            : systemError(FileProblem::CannotRead, errno) };
    // Read at most one byte more than allowed: the file may have grown.
    std::string content(static_cast<std::size_t>(kLargestSystemFile) + 1, '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (file.bad())
        return { std::nullopt, systemError(FileProblem::CannotRead, errno) };
    content.resize(static_cast<std::size_t>(file.gcount()));
    if (content.size() > kLargestSystemFile)
        return { std::nullopt, contentError(FileProblem::TooLarge) };
    return readSystemText(content, locale);
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

FileError writeFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    const std::filesystem::path folder
        = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string name = path.filename().string();
    name.insert(0, 1, '.');
    name.append(".XXXXXX"); // the hidden name mkstemp completes
    std::string temporary = (folder / name).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return systemError(FileProblem::CannotWrite, errno);

    // The old file's permissions, or what a new file gets.
    struct stat old { };
    mode_t mode = 0;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    int failure = 0;
    for (std::size_t written = 0; written < content.size() && failure == 0;) {
        const ssize_t count = ::write(descriptor, content.data() + written, content.size() - written);
        if (count < 0 && errno != EINTR)
            failure = errno;
        else if (count > 0)
            written += static_cast<std::size_t>(count);
    }
    if (failure == 0 && ::fchmod(descriptor, mode) != 0)
        failure = errno;
    if (failure == 0 && ::fsync(descriptor) != 0)
        failure = errno;
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return systemError(FileProblem::CannotWrite, failure);
    }
    return {};
}

} // namespace cramer
