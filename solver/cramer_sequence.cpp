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

SolveOutcome finished(SolveRecord* record, SolveOutcome outcome)
{
    if (record)
        record->outcome = outcome;
    return outcome;
}

// presmetnidet, traced into the record when there is one.
DeterminantValue determinant(
    SystemStore& store, Matrix& matrix, std::int16_t n, SolveRecord* record, int index)
{
    if (!record)
        return presmetnidet(store, matrix, n);
    DeterminantRecord& entry = record->determinants.emplace_back();
    entry.index = index;
    return presmetnidet(store, matrix, n, entry.trace);
}

} // namespace

SolveOutcome runCramerSequence(SystemStore& store, CramerDisplay& display, SolveRecord* record)
{
    const std::int16_t n = store.SystemSize;
    if (record) {
        record->typed.n = n;
        record->system = store.SystemMatrix;
        record->determinants.clear();
        record->quotients.clear();
        record->shownNumerators.clear();
        record->shownSolutions.clear();
    }

    const DeterminantValue main = determinant(store, store.MainWorkMatrix, n, record, 0);
    if (main.status == DetStatus::Overflow)
        return finished(record, overflowAt(OverflowValue::MainDeterminant, 0));
    const float d = main.value;
    if (d == 0.0f) { // exact test: a rounding residue is a valid d
        display.reportSingular();
        return finished(record, { SolveStatus::Singular, std::nullopt, std::nullopt });
    }

    display.showDeterminant(store.SystemMatrix, n);
    display.showHeading(0);
    display.announceDeterminant(d);

    for (int i = 1; i <= n; ++i) {
        for (int row = 1; row <= n; ++row)
            store.SubstitutedMatrix[row][i] = store.SubstitutedMatrix[row][n + 1];
        display.showDeterminant(store.SubstitutedMatrix, n);
        display.showHeading(i);
        const DeterminantValue numeratorValue = determinant(store, store.SubstitutedMatrix, n, record, i);
        if (numeratorValue.status == DetStatus::Overflow)
            return finished(record, overflowAt(OverflowValue::NumeratorDeterminant, i));
        const float numerator = numeratorValue.value;
        display.announceDeterminant(numerator);

        const float solution = numerator / d;
        if (!(std::fabs(solution) <= std::numeric_limits<float>::max()))
            return finished(record, overflowAt(OverflowValue::Solution, i));
        store.NumeratorDeterminants[i] = roundToPlaces(numerator, 2);
        store.Solutions[i] = roundToPlaces(solution, 3);
        if (record) {
            record->quotients.push_back(solution);
            record->shownNumerators.push_back(store.NumeratorDeterminants[i]);
            record->shownSolutions.push_back(store.Solutions[i]);
        }

        // Each d_i starts from a fresh copy of the system.
        copySystem(store.SystemMatrix, store.SubstitutedMatrix, n);
        copySystem(store.SystemMatrix, store.MainWorkMatrix, n);
    }

    const float shownDeterminant = roundToPlaces(d, 2);
    if (record)
        record->shownDeterminant = shownDeterminant;
    display.clearGrid();
    display.showSystem(store.SubstitutedMatrix, n);
    display.showResultRows(n, store.NumeratorDeterminants, shownDeterminant, store.Solutions);
    return finished(record, { SolveStatus::Solved, std::nullopt, std::nullopt });
}

SolveOutcome solveSystem(SystemStore& store, const CellSource& cells, const NumberLocale& locale,
    CramerDisplay& display, SolveRecord* record)
{
    const std::int16_t n = store.SystemSize;
    if (!record) {
        if (auto error = masiv(store, n, cells, locale))
            return { SolveStatus::BadCell, std::move(error), std::nullopt };
        return runCramerSequence(store, display);
    }

    // The texts are read once: the record keeps them, and masiv reads them there.
    *record = SolveRecord {};
    record->typed.n = n;
    record->locale = locale;
    if (n >= kMinSize && n <= kMaxSize) {
        for (int row = 1; row <= n; ++row)
            for (int column = 1; column <= n + 1; ++column)
                record->typed.texts.push_back(cells.cellText(row, column));
    }
    if (auto error = masiv(store, n, TextCells(n, record->typed.texts), locale))
        return finished(record, { SolveStatus::BadCell, std::move(error), std::nullopt });
    return runCramerSequence(store, display, record);
}

SolveRecord solveQuietly(int n, const std::vector<std::string>& texts, const NumberLocale& locale)
{
    SystemStore store;
    store.SystemSize = static_cast<std::int16_t>(n);
    SilentDisplay display;
    SolveRecord record;
    solveSystem(store, TextCells(n, texts), locale, display, &record);
    return record;
}

} // namespace cramer
