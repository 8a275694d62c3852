// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A document under construction: sections and their blocks, every number
// in it written by one NumberWriter. The worked solution's sections and
// the short solution are written through it alike.

#include "report/number_writer.h"
#include "report/runs.h"
#include "report/working_document.h"
#include "solver/determinant.h"

namespace cramer {

class DocumentWriter {
public:
    explicit DocumentWriter(const NumberLocale& locale);

    const NumberWriter& numbers() const { return numbers_; }
    WorkingDocument& document() { return document_; }

    void section(Section::Id id, Runs heading, int index = 0);
    Block& add(Block::Kind kind, Runs runs);
    void paragraph(Runs runs);
    void paragraph(texts::Text text, std::initializer_list<Argument> arguments = {});
    void formula(Runs runs);
    // A paragraph that introduces what follows, on the same page.
    void introduction(texts::Text text, std::initializer_list<Argument> arguments = {});
    Block& verdict(Runs runs);
    // The entries in the program's own digits, or with `asShown` in the
    // window's seven.
    enum class Digits { Program, Window };
    void matrix(Runs name, const SquareBlock& entries, int marked, bool bars, Runs value = {},
        Digits digits = Digits::Program);

private:
    NumberWriter numbers_;
    WorkingDocument document_;
};

} // namespace cramer
