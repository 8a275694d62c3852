// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The step-by-step working of one solve as a document: sections, blocks and,
// inside them, runs that keep the mathematics apart from the words. Every
// value is written once, here, into a `WrittenNumber`; the renderers (text,
// HTML, LaTeX, the typeset view and its pages) only choose how a minus sign,
// an index or a power of ten is set, so that every form says the same.

#include "report/worked_solution.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace cramer {

struct FigureBlock;

// A number as the working writes it, without its sign: the digits with the
// user's decimal separator (a period in parentheses, "…" where it was cut)
// and a power of ten.
struct WrittenNumber {
    bool negative = false;
    QString digits;
    bool scaled = false; // digits · 10^exponent
    int exponent = 0;
    bool infinite = false; // beyond the single-precision range: ∞
    bool parenthesized = false; // a negative factor after an operator: "(−2,5)", kept together
    int marked = 0; // leading significant digits set apart: those a wrong value has right

    // Where the marked digits begin and end in `digits`: "0,00[12]34" for
    // 2; {0, 0} for none.
    std::pair<qsizetype, qsizetype> markedDigits() const;

    // A number as the user typed it, "-1,5E-07": its sign, digits and
    // exponent apart, the digits as typed.
    static WrittenNumber asTyped(const QString& text);
    // In one line of plain text: "−1,5·10⁻⁷".
    QString plain() const;
    // The sign and the digits alone: "−1,5".
    QString signedDigits() const;
};

struct Run {
    enum class Kind {
        Text, // words, punctuation and spacing
        Number,
        Name, // a letter with an index: x₁, d₂, t₁
        Fraction, // number / denominator, in lowest terms
        Operator, // = + − · / between terms of a formula
    };
    Kind kind = Kind::Text;
    QString text; // Text, Operator; the letter of a Name
    WrittenNumber number; // Number; the numerator of a Fraction
    QString denominator; // of a Fraction
    int index = 0; // of a Name; 0 for none
    bool loose = false; // an Operator that stands between blanks whatever it is

    // An Operator "·" or "/" binds its neighbours unless it is loose, as a
    // "/" between two numbers is; the others stand between blanks.
    bool tight() const { return !loose && (text == u"·" || text == u"/"); }
};
using Runs = std::vector<Run>;

struct MatrixBlock {
    Runs name; // "d₁ =", or nothing
    std::vector<std::vector<WrittenNumber>> rows;
    int markedColumn = 0; // the column replaced by the right-hand sides, from 1; 0 for none
    bool bars = false; // a determinant between two bars, or a plain array of numbers
    Runs value; // "= −7" beside the middle row, or nothing
};

struct Block {
    enum class Kind {
        Paragraph,
        Formula, // one line of mathematics, never broken across pages
        Verdict,
        Matrix,
        Figure, // a picture of a system of two unknowns (figure.h); plain text leaves it out
        Rule, // a line across the page, where a printed sheet is cut
    };
    Kind kind = Kind::Paragraph;
    Runs runs;
    MatrixBlock matrix;
    bool keepWithNext = false; // introduces what follows: never the last on a page
    std::shared_ptr<const FigureBlock> figure;
};

struct Section {
    enum class Id {
        Note,
        System,
        Determinant,
        Unknowns,
        Check,
        Verdict,
        Figures,
        // A worksheet's parts
        Header,
        Variant,
        Key,
        Solution,
    };
    Id id = Id::Note;
    int index = 0; // of a Determinant section: 0 for d, i for d_i; a variant's number
    Runs heading; // none for the note above everything
    std::vector<Block> blocks;
    bool newPage = false; // begins a page of its own
    bool keepWhole = false; // never parted across pages
};

struct WorkingDocument {
    QString title;
    std::vector<Section> sections;

    const Section* section(Section::Id id) const;
};

WorkingDocument workingDocument(const WorkedSolution& solution);

// After a solve that stopped where a value left the range: which value, in
// the working's words and notation (an intermediate value, where the
// determinant itself is within the range).
QString overflowVerdictText(const WorkedSolution& solution);
// What "Копирай решението" copies: the system, each determinant with the
// value the window announced and the result rows, in the window's digits;
// no title. Only with results.
WorkingDocument shortSolution(const WorkedSolution& solution);

} // namespace cramer
