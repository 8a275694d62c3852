// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worked solution's sections, each written by a builder of its own into
// one DocumentWriter, in the order workingDocument calls them.

#include "report/document_writer.h"
#include "report/worked_solution.h"

namespace cramer {

struct Accuracy;

Runs determinantName(int index);
// One equation as typed: "2·x₁ − 3·x₂ = −8", no "1·" before an unknown.
Runs typedEquation(const SolveRecord& record, int row);

// What every section is written from, and into.
class SectionWriter {
public:
    SectionWriter(const WorkedSolution& solution, DocumentWriter& out);

protected:
    static Runs textOf(const QString& text) { return { textRun(text) }; }
    Runs singleRuns(float value) const { return { numberRun(numbers_.single(value)) }; }
    // Absolute, relative, and how many singles from the nearest one.
    void errorLine(const ValueError& error);

    const WorkedSolution& solution_;
    const SolveRecord& record_;
    const ExactWorking& exact_;
    const bool haveExact_;
    const NumberWriter& numbers_;
    DocumentWriter& out_;
};

// The system as typed and what single precision stores of each number.
class SystemSection : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void write();

private:
    Runs place(int row, int column) const;
    Runs quoted(int row, int column) const;
};

// A determinant's matrix, its textbook formula, its value and exact value.
class DeterminantSection : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void write(const DeterminantRecord& entry, const ValueError* exactError);

private:
    void closedForm(int index, const Runs& name);
};

// The elimination as the program ran it, column by column.
class EliminationSection : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void write(const DeterminantRecord& entry);

private:
    void exchanges(const EliminationStep& step, const SquareBlock& exchanged);
    void outOfRange(const DeterminantRecord& entry, const EliminationStep& step, const SquareBlock& exchanged,
        float productBefore);
    void rangeInRows(const EliminationStep& step, const SquareBlock& exchanged);
};

// The unknowns, the check by substitution and the pictures of a 2 × 2.
class ResultSections : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void unknowns();
    void check();
    void figures();
};

// How many solutions there are, exactly; the general solution.
class VerdictSection : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void write();

private:
    void generalSolution();
};

// Single precision's answer is wrong in some x_i: how wrong, what the
// program can show caused it, and what the largest pivots would give.
class AccuracySection : SectionWriter {
public:
    using SectionWriter::SectionWriter;
    void write(const Accuracy& accuracy);

private:
    void sources(const Accuracy& accuracy);
    void causes(const Accuracy& accuracy);
};

} // namespace cramer
