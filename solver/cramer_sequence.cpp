// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/cramer_sequence.h"

#include <cmath>
#include <limits>

namespace cramer {
namespace {

SolveOutcome overflowAt(OverflowValue value, int index)
{
    return { SolveStatus::Overflow, std::nullopt, OverflowError { value, index } };
}

} // namespace

SolveOutcome runCramerSequence(SystemStore& store, CramerDisplay& display)
{
    const std::int16_t n = store.SystemSize;

    if (presmetnidet(store, store.MainWorkMatrix, n) == DetStatus::Overflow)
        return overflowAt(OverflowValue::MainDeterminant, 0);
    const float d = store.DetResult;
    if (d == 0.0f) { // exact test: a rounding residue is a valid d
        display.reportSingular();
        return { SolveStatus::Singular, std::nullopt, std::nullopt };
    }

    display.showDeterminant(store.SystemMatrix, n);
    display.showHeading(0);
    display.announceDeterminant(d);

    for (int i = 1; i <= n; ++i) {
        for (int row = 1; row <= n; ++row)
            store.SubstitutedMatrix[row][i] = store.SubstitutedMatrix[row][n + 1];
        display.showDeterminant(store.SubstitutedMatrix, n);
        display.showHeading(i);
        if (presmetnidet(store, store.SubstitutedMatrix, n) == DetStatus::Overflow)
            return overflowAt(OverflowValue::NumeratorDeterminant, i);
        const float numerator = store.DetResult;
        display.announceDeterminant(numerator);

        const float solution = numerator / d;
        if (!(std::fabs(solution) <= std::numeric_limits<float>::max()))
            return overflowAt(OverflowValue::Solution, i);
        store.NumeratorDeterminants[i] = roundToPlaces(numerator, 2);
        store.Solutions[i] = roundToPlaces(solution, 3);

        // Each d_i starts from a fresh copy of the system.
        copySystem(store.SystemMatrix, store.SubstitutedMatrix, n);
        copySystem(store.SystemMatrix, store.MainWorkMatrix, n);
    }

    display.clearGrid();
    display.showSystem(store.SubstitutedMatrix, n);
    display.showResultRows(n, store.NumeratorDeterminants, roundToPlaces(d, 2), store.Solutions);
    return { SolveStatus::Solved, std::nullopt, std::nullopt };
}

SolveOutcome solveSystem(
    SystemStore& store, const CellSource& cells, const NumberLocale& locale, CramerDisplay& display)
{
    if (auto error = masiv(store, store.SystemSize, cells, locale))
        return { SolveStatus::BadCell, std::move(error), std::nullopt };
    return runCramerSequence(store, display);
}

} // namespace cramer
