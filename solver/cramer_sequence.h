// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The solve command: reads the grid, computes d, and walks through
// d_1 … d_n, driving the window through CramerDisplay so that every step
// can be shown and announced.

#include "solver/determinant.h"
#include "solver/system_store.h"
#include "solver/typed_system.h"

#include <optional>
#include <string>
#include <vector>

namespace cramer {

// The display steps of a solve, in the order the sequence calls them.
class CramerDisplay {
public:
    virtual ~CramerDisplay() = default;

    // Clears the grid and shows the leading size × size block between the bars.
    virtual void showDeterminant(const Matrix& matrix, int size) = 0;
    // The heading beside the matrix: 0 for d, i for d_i.
    virtual void showHeading(int index) = 0;
    // Announces an unrounded determinant; returns once the user confirmed.
    virtual void announceDeterminant(float value) = 0;
    // d = 0: the system has no single solution.
    virtual void reportSingular() = 0;
    virtual void clearGrid() = 0;
    // Writes rows 1 … size, columns 1 … size + 1 back in the entry layout.
    virtual void showSystem(const Matrix& matrix, int size) = 0;
    // Result rows 1 … size: d_i and d rounded to 2 places, x_i to 3.
    virtual void showResultRows(
        int size, const Vector& numerators, float mainDeterminant, const Vector& solutions)
        = 0;
};

// Shows nothing: for solves without a window (files, exercises, batch).
class SilentDisplay final : public CramerDisplay {
public:
    void showDeterminant(const Matrix&, int) override { }
    void showHeading(int) override { }
    void announceDeterminant(float) override { }
    void reportSingular() override { }
    void clearGrid() override { }
    void showSystem(const Matrix&, int) override { }
    void showResultRows(int, const Vector&, float, const Vector&) override { }
};

enum class SolveStatus { Solved, Singular, BadCell, Overflow };

// Which value left the single-precision range.
enum class OverflowValue { MainDeterminant, NumeratorDeterminant, Solution };

struct OverflowError {
    OverflowValue value = OverflowValue::MainDeterminant;
    int index = 0; // i of d_i or x_i; 0 for d

    bool operator==(const OverflowError&) const = default;
};

struct SolveOutcome {
    SolveStatus status = SolveStatus::Solved;
    std::optional<CellError> cell; // with BadCell
    std::optional<OverflowError> overflow; // with Overflow
};

// One determinant of a solve and how its value arose.
struct DeterminantRecord {
    int index = 0; // 0 for d, i for d_i
    EliminationTrace trace; // trace.start is the matrix shown, trace.value the value announced
};

// What one solve read, computed and showed: the source of its worked solution.
struct SolveRecord {
    TypedSystem typed; // the system as the grid held it
    NumberLocale locale;
    Matrix system {}; // the values read
    std::vector<DeterminantRecord> determinants; // d, then d_1 … d_n as far as the solve got
    std::vector<float> quotients; // d_i / d before rounding, for i = 1 … n
    // As the result rows show them.
    float shownDeterminant = 0.0f;
    std::vector<float> shownNumerators;
    std::vector<float> shownSolutions;
    SolveOutcome outcome;

    // Solved, or stopped by d = 0: every step the method takes was taken.
    bool reachedEnd() const
    {
        return outcome.status == SolveStatus::Solved || outcome.status == SolveStatus::Singular;
    }
    const std::string& text(int row, int column) const { return typed.text(row, column); }
};

// The sequence after the grid has been read: d, the singular report or the
// walk through d_1 … d_n, and the result rows. Uses store.SystemSize from
// start to end. Every x_i is divided by the unrounded d. With a record, every
// determinant's elimination is traced into it as well.
SolveOutcome runCramerSequence(SystemStore& store, CramerDisplay& display, SolveRecord* record = nullptr);

// The whole solve command: masiv at store.SystemSize, then the sequence.
SolveOutcome solveSystem(SystemStore& store, const CellSource& cells, const NumberLocale& locale,
    CramerDisplay& display, SolveRecord* record = nullptr);

// The whole solve of n rows of n + 1 texts with nothing shown: its record.
SolveRecord solveQuietly(int n, const std::vector<std::string>& texts, const NumberLocale& locale);

} // namespace cramer
