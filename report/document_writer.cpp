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

void DocumentWriter::paragraph(const char* text, std::initializer_list<Argument> arguments)
{
    paragraph(filled(text, arguments));
}

void DocumentWriter::formula(Runs runs) { add(Block::Kind::Formula, std::move(runs)); }

void DocumentWriter::introduction(const char* text, std::initializer_list<Argument> arguments)
{
    add(Block::Kind::Paragraph, filled(text, arguments)).keepWithNext = true;
}

Block& DocumentWriter::verdict(Runs runs) { return add(Block::Kind::Verdict, std::move(runs)); }

void DocumentWriter::matrix(
    Runs name, const SquareBlock& entries, int marked, bool bars, Runs value, Digits digits)
{
    Block& block = add(Block::Kind::Matrix, {});
    block.matrix = { std::move(name), {}, marked, bars, std::move(value) };
    for (int row = 1; row <= entries.n; ++row) {
        auto& cells = block.matrix.rows.emplace_back();
        for (int column = 1; column <= entries.n; ++column) {
            const float entry = entries.at(row, column);
            cells.push_back(digits == Digits::Program ? numbers_.single(entry) : numbers_.shown(entry));
        }
    }
}

} // namespace cramer
