// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/text_block.h"

#include <algorithm>
#include <array>

namespace cramer {
namespace {

// ASCII white space and the no-break, narrow no-break and figure spaces.
constexpr std::array<std::string_view, 9> kBlanks { " ", "\t", "\v", "\f", "\r", "\n", "\u00A0", "\u202F",
    "\u2007" };

std::size_t blankAt(std::string_view text, std::size_t position)
{
    for (std::string_view blank : kBlanks) {
        if (text.substr(position).starts_with(blank))
            return blank.size();
    }
    return 0;
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    for (bool trimming = true; trimming;) {
        trimming = false;
        for (std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimming = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimming = true;
            }
        }
    }
    return text;
}

int TextBlock::width() const
{
    std::size_t widest = 0;
    for (const auto& row : rows)
        widest = std::max(widest, row.size());
    return static_cast<int>(widest);
}

bool TextBlock::isRagged() const
{
    const auto widest = static_cast<std::size_t>(width());
    return std::any_of(rows.begin(), rows.end(), [widest](const auto& row) { return row.size() != widest; });
}

std::vector<std::string> splitRow(std::string_view line, bool commaIsDecimalPoint)
{
    std::vector<std::string> cells;
    auto splitAt = [&](char separator) {
        std::size_t start = 0;
        for (std::size_t end; (end = line.find(separator, start)) != std::string_view::npos; start = end + 1)
            cells.emplace_back(trimmed(line.substr(start, end - start)));
        cells.emplace_back(trimmed(line.substr(start)));
    };
    if (line.find('\t') != std::string_view::npos) {
        splitAt('\t');
    } else if (line.find(';') != std::string_view::npos) {
        splitAt(';');
    } else {
        // Runs of blanks separate, and so does a comma with blanks around it.
        const std::string_view text = trimmed(line);
        std::string cell;
        bool separated = false;
        for (std::size_t i = 0; i < text.size();) {
            if (const std::size_t blank = blankAt(text, i)) {
                separated = true;
                i += blank;
                continue;
            }
            if (text[i] == ',' && !commaIsDecimalPoint) {
                cells.push_back(std::move(cell));
                cell.clear();
                separated = false;
                ++i;
                // Blanks after the comma belong to it.
                while (i < text.size() && blankAt(text, i))
                    i += blankAt(text, i);
                continue;
            }
            if (separated && !cell.empty()) {
                cells.push_back(std::move(cell));
                cell.clear();
            }
            separated = false;
            cell.push_back(text[i++]);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

TextBlock splitTextBlock(std::string_view text, bool commaIsDecimalPoint)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    while (!lines.empty() && trimmed(lines.back()).empty())
        lines.pop_back();

    TextBlock block;
    for (std::string_view line : lines)
        block.rows.push_back(splitRow(line, commaIsDecimalPoint));
    return block;
}

} // namespace cramer
