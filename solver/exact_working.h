// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exact side of a worked solution: what every determinant and unknown
// of a solve would be without rounding, computed from the numbers as they
// were typed, how far the single-precision values are from it, and the
// verdict on a system that is singular.

#include "solver/cramer_sequence.h"
#include "solver/exact.h"
#include "solver/typed_system.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace cramer {

// A single-precision value beside the exact value it stands for.
struct ValueError {
    float single = 0.0f;
    Rational exact;
    Rational absolute; // |single - exact|
    std::optional<double> relative; // none when the exact value is 0
    // How many representable singles lie between single and the single
    // nearest to exact, counting one of them: 0 exactly when correctly rounded.
    std::int64_t steps = 0;
    bool correctlyRounded = false; // single is the single nearest to exact

    static ValueError of(float single, const Rational& exact);
};

enum class ExactVerdict { OneSolution, NoSolution, InfinitelyMany };

// Where single precision and exact arithmetic disagree on d = 0.
enum class Disagreement {
    None,
    ZeroOnlyInSingle, // exact d ≠ 0, but the program's d came out 0
    ZeroOnlyExactly, // exact d = 0, but the program's d did not
};

// x_j = constant_j + Σ_p coefficient_jp · t_p, one parameter t_p per free unknown.
struct GeneralSolution {
    std::vector<int> freeUnknowns; // j of t_1, t_2, …
    std::vector<Rational> constants; // j = 1 … n at index j - 1
    std::vector<std::vector<Rational>> coefficients; // [j - 1][p - 1]
};

// Left side minus right side of one equation with the computed x.
struct Residual {
    float single = 0.0f; // in single precision, one rounding per operation
    Rational exact; // exactly, from the typed numbers and the computed singles
};

struct ExactWorking {
    // A number with too many digits for the exact values to be worth
    // computing, or one so small that only its exponent is long (it is
    // stored as 0 or the nearest subnormal): nothing below is filled.
    struct Cell {
        int row = 0;
        int column = 0;
        bool belowSingles = false; // few digits, but far below the smallest single
    };
    std::optional<Cell> tooLong;

    std::vector<Rational> typed; // rows 1 … n of n + 1 values, row by row
    std::vector<ValueError> determinants; // beside SolveRecord::determinants, up to one that overflowed
    Rational determinant; // exact d
    // d, d_1 … d_n exactly, with OneSolution: also where the solve stopped early.
    std::vector<Rational> cramerDeterminants;
    int rank = 0;
    int augmentedRank = 0;
    ExactVerdict verdict = ExactVerdict::OneSolution;
    Disagreement disagreement = Disagreement::None;
    std::vector<Rational> solution; // with OneSolution
    GeneralSolution general; // with InfinitelyMany
    std::vector<ValueError> quotients; // d_i / d of the solve against exact x_i
    std::vector<Residual> residuals; // after a solve that ended with results

    const Rational& typedValue(int n, int row, int column) const { return typed[cellIndex(n, row, column)]; }
    // Row `row`, column `column` of d_index's matrix, as typed.
    const Rational& entryOf(int n, int index, int row, int column) const
    {
        return typedValue(n, row, sourceColumn(n, index, column));
    }
};

// Digits and exponent a typed number may have for its exact value to be
// computed: far beyond every single-precision number.
inline constexpr std::size_t kLongestExactNumber = 160;

// The exact working of a solve that reached its end (record.reachedEnd()),
// or stopped where a value left the single-precision range.
ExactWorking computeExactWorking(const SolveRecord& record);

} // namespace cramer
