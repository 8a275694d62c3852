// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The solve command: reads the grid, computes d, and walks through
// d_1 … d_n, driving the window through CramerDisplay so that every step
// can be shown and announced.

#include "solver/determinant.h"
#include "solver/system_store.h"

#include <optional>

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

// The sequence after the grid has been read: d, the singular report or the
// walk through d_1 … d_n, and the result rows. Uses store.SystemSize from
// start to end. Every x_i is divided by the unrounded d.
SolveOutcome runCramerSequence(SystemStore& store, CramerDisplay& display);

// The whole solve command: masiv at store.SystemSize, then the sequence.
SolveOutcome solveSystem(
    SystemStore& store, const CellSource& cells, const NumberLocale& locale, CramerDisplay& display);

} // namespace cramer
