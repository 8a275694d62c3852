// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/document_writer.h"

namespace cramer {

DocumentWriter::DocumentWriter(const NumberLocale& locale)
    : numbers_(locale)
{
}

void DocumentWriter::section(Section::Id id, Runs heading, int index)
{
    document_.sections.push_back({ id, index, std::move(heading), {} });
}

Block& DocumentWriter::add(Block::Kind kind, Runs runs)
{
    return document_.sections.back().blocks.emplace_back(Block { kind, std::move(runs), {}, false, {} });
}

void DocumentWriter::paragraph(Runs runs) { add(Block::Kind::Paragraph, std::move(runs)); }

void DocumentWriter::paragraph(texts::Text text, std::initializer_list<Argument> arguments)
{
    paragraph(filled(text, arguments));
}

void DocumentWriter::formula(Runs runs) { add(Block::Kind::Formula, std::move(runs)); }

void DocumentWriter::introduction(texts::Text text, std::initializer_list<Argument> arguments)
{
    add(Block::Kind::Paragraph, filled(text, arguments)).keepWithNext = true;
}

Block& DocumentWriter::verdict(Runs runs) { return add(Block::Kind::Verdict, std::move(runs)); }

void DocumentWriter::matrix(
    Runs name, const SquareBlock& entries, int marked, bool bars, Runs value, Digits digits)
{
    Block& block = add(Block::Kind::Matrix, {});
    block.matrix = { std::move(name), {}, marked, bars, std::move(value) };
    std::vector<float> values;
    for (int row = 1; row <= entries.n; ++row)
        for (int column = 1; column <= entries.n; ++column)
            values.push_back(entries.at(row, column));
    // The program's digits in one notation per matrix; the window's as it shows them.
    std::vector<WrittenNumber> written;
    if (digits == Digits::Program) {
        written = numbers_.singlesAlike(values);
    } else {
        for (const float value : values)
            written.push_back(numbers_.shown(value));
    }
    for (std::size_t start = 0; start < written.size(); start += static_cast<std::size_t>(entries.n))
        block.matrix.rows.emplace_back(written.begin() + static_cast<std::ptrdiff_t>(start),
            written.begin() + static_cast<std::ptrdiff_t>(start) + entries.n);
}

} // namespace cramer
