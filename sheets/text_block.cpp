// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/text_block.h"

#include "solver/number_text.h"

#include <algorithm>

namespace cramer {
namespace {

// One record of the text: runs of plain text and quoted cells, in order.
struct Piece {
    std::string text;
    bool quoted = false;
};

struct Record {
    int line = 0;
    std::vector<Piece> pieces;
    bool comment = false;
};

// A quote opens a cell only where a cell may start: at the start of the
// record, or after a separator or a blank.
bool mayStartCell(const std::vector<Piece>& pieces, const std::string& plain)
{
    if (plain.empty())
        return pieces.empty();
    const char last = plain.back();
    return last == ',' || last == ';' || last == '\t' || last == ' ' || trimmed(plain).empty();
}

// Where the cell quoted at `open` ends ("" inside it is a quote), or npos.
std::size_t closingQuote(std::string_view text, std::size_t open)
{
    for (std::size_t at = open + 1; (at = text.find('"', at)) != std::string_view::npos; at += 2) {
        if (at + 1 == text.size() || text[at + 1] != '"')
            return at;
    }
    return std::string_view::npos;
}

// The records of `text`, at most `most`; `cut` says whether more followed.
std::vector<Record> records(std::string_view text, std::size_t most, bool& cut)
{
    std::vector<Record> found;
    int line = 1;
    std::size_t at = 0;
    while (at < text.size()) {
        if (found.size() == most) {
            cut = true;
            return found;
        }
        const bool comment = trimmed(text.substr(at, text.find('\n', at) - at)).starts_with('#');
        Record record { line, {}, comment };
        std::string plain;
        auto endPlain = [&] {
            if (!plain.empty())
                record.pieces.push_back({ std::move(plain), false });
            plain.clear();
        };
        while (at < text.size() && text[at] != '\n') {
            // A quote that never closes is only a character.
            const std::size_t close = text[at] == '"' && !comment && mayStartCell(record.pieces, plain)
                ? closingQuote(text, at)
                : std::string_view::npos;
            if (close == std::string_view::npos) {
                plain += text[at++];
                continue;
            }
            // Blanks before the quote belong to no cell.
            if (trimmed(plain).empty() && record.pieces.empty())
                plain.clear();
            endPlain();
            std::string quoted;
            for (std::size_t i = at + 1; i < close; ++i) {
                quoted += text[i];
                i += text[i] == '"' ? 1 : 0; // "" stands for one quote
                line += text[i] == '\n' ? 1 : 0;
            }
            record.pieces.push_back({ std::move(quoted), true });
            at = close + 1;
        }
        if (plain.ends_with('\r'))
            plain.pop_back();
        // Tabs, semicolons and blanks at the end of a line part no cells: a
        // stray tab, a spreadsheet's empty trailing cells. (Trailing commas
        // stay: whether a line has one decides whether its blanks separate.)
        if (!comment) {
            std::string_view kept = plain;
            while (!kept.empty()) {
                const std::string_view inner = trimmed(kept);
                const auto end = static_cast<std::size_t>(inner.data() - kept.data()) + inner.size();
                if (end < kept.size())
                    kept.remove_suffix(kept.size() - end);
                else if (kept.back() == '\t' || kept.back() == ';')
                    kept.remove_suffix(1);
                else
                    break;
            }
            plain.resize(kept.size());
        }
        endPlain();
        found.push_back(std::move(record));
        ++at; // the line break
        ++line;
    }
    if (text.ends_with('\n') || text.empty())
        found.push_back({ line, {}, false });
    return found;
}

struct CellBuilder {
    std::vector<TextCell> cells;
    std::string cell;
    bool quoted = false;

    void end(bool sealedRow)
    {
        cells.push_back({ std::string(trimmed(cell)), sealedRow || quoted });
        cell.clear();
        quoted = false;
    }
};

// Cells split by one separator character outside quotes.
TextRow splitAt(const Record& record, char separator)
{
    CellBuilder builder;
    for (const Piece& piece : record.pieces) {
        if (piece.quoted) {
            builder.cell += piece.text;
            builder.quoted = true;
            continue;
        }
        std::size_t start = 0;
        for (std::size_t end; (end = piece.text.find(separator, start)) != std::string::npos;
             start = end + 1) {
            builder.cell += piece.text.substr(start, end - start);
            builder.end(true);
        }
        builder.cell += piece.text.substr(start);
    }
    builder.end(true);
    return { record.line, std::move(builder.cells), record.comment };
}

// Commas separate where they are no decimal point; in a row without such
// commas, runs of blanks do.
TextRow splitAtBlanks(const Record& record, bool commaSeparates)
{
    const bool blanksSeparate = !commaSeparates
        || std::none_of(record.pieces.begin(), record.pieces.end(),
            [](const Piece& piece) { return !piece.quoted && piece.text.find(',') != std::string::npos; });
    CellBuilder builder;
    bool separated = false;
    bool afterComma = false;
    for (const Piece& piece : record.pieces) {
        if (piece.quoted) {
            if (separated && !builder.cell.empty())
                builder.end(false);
            builder.cell += piece.text;
            builder.quoted = true;
            separated = afterComma = false;
            continue;
        }
        const std::string_view text = piece.text;
        for (std::size_t i = 0; i < text.size();) {
            if (const std::size_t blank = blankAt(text, i)) {
                if (!blanksSeparate)
                    builder.cell.append(text.substr(i, blank));
                // Blanks after a comma belong to it.
                separated = blanksSeparate && !afterComma;
                i += blank;
                continue;
            }
            if (text[i] == ',' && commaSeparates) {
                builder.end(false);
                separated = false;
                afterComma = true;
                ++i;
                continue;
            }
            if (separated && (!builder.cell.empty() || builder.quoted))
                builder.end(false);
            separated = afterComma = false;
            builder.cell.push_back(text[i++]);
        }
    }
    builder.end(false);
    return { record.line, std::move(builder.cells), record.comment };
}

// What separates the cells of a whole block: a tab, a semicolon, or
// blanks and commas.
enum class Separator : char { Tab = '\t', Semicolon = ';', BlanksAndCommas = ' ' };

bool holds(const Record& record, char mark)
{
    return std::any_of(record.pieces.begin(), record.pieces.end(),
        [mark](const Piece& piece) { return !piece.quoted && piece.text.find(mark) != std::string::npos; });
}

// The block's vote, for a line whose own marks leave its reading open: the
// mark most lines with digits hold; where as many hold each, a tab before a
// semicolon before a comma.
Separator blockSeparator(const std::vector<Record>& found)
{
    int tabs = 0;
    int semicolons = 0;
    int commas = 0;
    for (const Record& record : found) {
        const bool digits = std::any_of(record.pieces.begin(), record.pieces.end(), [](const Piece& piece) {
            return piece.text.find_first_of("0123456789") != std::string::npos;
        });
        if (!digits || record.comment)
            continue;
        // A line votes for its strongest mark: commas beside tabs or
        // semicolons are decimal commas.
        if (holds(record, '\t'))
            ++tabs;
        else if (holds(record, ';'))
            ++semicolons;
        else if (holds(record, ','))
            ++commas;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return Separator::Tab;
    if (semicolons > 0 && semicolons >= commas)
        return Separator::Semicolon;
    return Separator::BlanksAndCommas;
}

// A line typed with a separator of its own is read by it: tabs, semicolons,
// or blanks and commas. Only a line that holds both tabs and semicolons, or
// either beside commas that cannot be decimal commas, takes the block's.
Separator lineSeparator(const Record& record, bool commaIsDecimalPoint, Separator block)
{
    const bool tab = holds(record, '\t');
    const bool semicolon = holds(record, ';');
    if ((tab && semicolon) || ((tab || semicolon) && !commaIsDecimalPoint && holds(record, ',')))
        return block;
    if (tab)
        return Separator::Tab;
    return semicolon ? Separator::Semicolon : Separator::BlanksAndCommas;
}

TextRow splitRecord(const Record& record, Separator separator, bool commaIsDecimalPoint)
{
    if (separator != Separator::BlanksAndCommas)
        return splitAt(record, static_cast<char>(separator));
    const bool quotes = std::any_of(
        record.pieces.begin(), record.pieces.end(), [](const Piece& piece) { return piece.quoted; });
    return splitAtBlanks(record, quotes || !commaIsDecimalPoint);
}

bool isBlank(const Record& record)
{
    return std::all_of(record.pieces.begin(), record.pieces.end(),
        [](const Piece& piece) { return !piece.quoted && trimmed(piece.text).empty(); });
}

} // namespace

int TextBlock::width() const
{
    std::size_t widest = 0;
    for (const TextRow& row : rows)
        widest = std::max(widest, row.cells.size());
    return static_cast<int>(widest);
}

bool TextBlock::isRagged() const
{
    const auto widest = static_cast<std::size_t>(width());
    return std::any_of(
        rows.begin(), rows.end(), [widest](const TextRow& row) { return row.cells.size() != widest; });
}

TextBlock splitTextBlock(std::string_view text, bool commaIsDecimalPoint, std::size_t mostLines)
{
    TextBlock block;
    std::vector<Record> found = records(text, mostLines, block.cut);
    while (!found.empty() && isBlank(found.back()))
        found.pop_back();
    const Separator separator = blockSeparator(found);
    for (const Record& record : found)
        block.rows.push_back(
            splitRecord(record, lineSeparator(record, commaIsDecimalPoint, separator), commaIsDecimalPoint));
    return block;
}

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

} // namespace cramer
