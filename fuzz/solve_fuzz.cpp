// SPDX-License-Identifier: GPL-3.0-or-later

// Runs whole solves on arbitrary systems of size 2 … 9 and checks what every
// solve must keep: the typed system and the right-hand sides stay as typed,
// every value shown is finite, the outcome is exactly one of the four, and
// the display saw the steps of that outcome and nothing more. The record of
// the solve traces exactly the values announced, and its exact working
// agrees with itself: d = 0 exactly when the system has no single
// solution, and every solution it gives satisfies the typed system.

#include "solver/cramer_sequence.h"
#include "solver/exact_working.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace cramer;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void require(bool condition, const char* what)
{
    if (!condition)
        fail(what);
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    std::uint8_t next() { return position_ < size_ ? data_[position_++] : 0; }
    float nextBits()
    {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = bits << 8 | next();
        return std::bit_cast<float>(bits);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kTiny = std::numeric_limits<float>::denorm_min();
constexpr std::array<float, 10> kSpecial { 0.0f, -0.0f, kTiny, -kTiny, 1.17549435e-38f, kMax, -kMax, 1e20f,
    -3e-20f, 0.1f };

// What the user typed: the shortest text of each value, or a text the
// parser refuses.
struct FuzzedGrid : CellSource {
    int size = 0;
    std::array<std::array<float, 11>, 10> values {};
    std::array<std::array<bool, 11>, 10> bad {};

    std::string cellText(int row, int column) const override
    {
        if (bad[row][column])
            return "1e39";
        std::array<char, 32> buffer {};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), values[row][column]).ptr;
        return std::string(buffer.data(), end);
    }
};

float valueFrom(Bytes& bytes, bool& bad)
{
    const std::uint8_t kind = bytes.next();
    if (kind == 255)
        bad = true;
    if (kind < 128)
        return static_cast<float>(kind % 19) - 9.0f;
    if (kind < 192)
        return kSpecial[kind % kSpecial.size()];
    const float value = bytes.nextBits();
    return std::isfinite(value) ? value : 0.0f;
}

bool finite(float value) { return std::fabs(value) <= kMax; }

// Checks each display call against the step the sequence must be at.
class CheckingDisplay : public CramerDisplay {
public:
    explicit CheckingDisplay(const FuzzedGrid& typed)
        : typed_(typed)
    {
    }

    void showDeterminant(const Matrix& matrix, int size) override
    {
        require(!done_ && !singular_ && size == typed_.size, "matrix shown out of turn");
        require(shown_ == announced_, "matrix shown before the last one was announced");
        // Matrix k has column k replaced by the right-hand sides; 0 is d.
        const int k = shown_;
        for (int row = 1; row <= size; ++row) {
            for (int column = 1; column <= size; ++column) {
                const int from = column == k ? size + 1 : column;
                require(std::bit_cast<std::uint32_t>(matrix[row][column])
                        == std::bit_cast<std::uint32_t>(typed_.values[row][from]),
                    "shown matrix is not the system with the right column replaced");
            }
        }
        ++shown_;
    }
    void showHeading(int index) override
    {
        require(index == shown_ - 1 && headings_ == index, "heading out of turn");
        ++headings_;
    }
    void announceDeterminant(float value) override
    {
        require(headings_ == announced_ + 1, "announcement out of turn");
        require(finite(value), "announced a value that is not finite");
        require(announced_ != 0 || value != 0.0f, "announced d = 0");
        ++announced_;
        announcedValues.push_back(value);
    }
    void reportSingular() override
    {
        require(shown_ == 0 && !singular_, "singular report out of turn");
        singular_ = true;
    }
    void clearGrid() override
    {
        require(announced_ == typed_.size + 1 && !cleared_, "grid cleared out of turn");
        cleared_ = true;
    }
    void showSystem(const Matrix& matrix, int size) override
    {
        require(cleared_ && !systemShown_ && size == typed_.size, "system shown out of turn");
        for (int row = 1; row <= size; ++row) {
            for (int column = 1; column <= size + 1; ++column)
                require(std::bit_cast<std::uint32_t>(matrix[row][column])
                        == std::bit_cast<std::uint32_t>(typed_.values[row][column]),
                    "system shown differs from the typed one");
        }
        systemShown_ = true;
    }
    void showResultRows(
        int size, const Vector& numerators, float mainDeterminant, const Vector& solutions) override
    {
        require(systemShown_ && !done_ && size == typed_.size, "result rows out of turn");
        require(finite(mainDeterminant), "result d not finite");
        for (int i = 1; i <= size; ++i)
            require(finite(numerators[i]) && finite(solutions[i]), "result row not finite");
        done_ = true;
    }

    void checkOutcome(const SolveOutcome& outcome) const
    {
        require(outcome.cell.has_value() == (outcome.status == SolveStatus::BadCell),
            "cell error without BadCell");
        require(outcome.overflow.has_value() == (outcome.status == SolveStatus::Overflow),
            "overflow detail without Overflow");
        const int n = typed_.size;
        switch (outcome.status) {
        case SolveStatus::Solved:
            require(done_, "solved without result rows");
            return;
        case SolveStatus::Singular:
            require(singular_ && shown_ == 0, "singular without its report");
            return;
        case SolveStatus::BadCell:
            require(shown_ == 0 && !singular_, "display used before a bad cell was found");
            return;
        case SolveStatus::Overflow:
            break;
        }
        require(!singular_ && !cleared_, "overflow after the sequence ended");
        const OverflowError& overflow = *outcome.overflow;
        switch (overflow.value) {
        case OverflowValue::MainDeterminant:
            require(overflow.index == 0 && shown_ == 0, "overflow of d after d was shown");
            return;
        case OverflowValue::NumeratorDeterminant:
            require(overflow.index >= 1 && overflow.index <= n && shown_ == overflow.index + 1
                    && announced_ == overflow.index,
                "overflow of d_i at the wrong step");
            return;
        case OverflowValue::Solution:
            require(overflow.index >= 1 && overflow.index <= n && shown_ == overflow.index + 1
                    && announced_ == overflow.index + 1,
                "overflow of x_i at the wrong step");
            return;
        }
    }

    std::vector<float> announcedValues;

private:
    const FuzzedGrid& typed_;
    int shown_ = 0;
    int headings_ = 0;
    int announced_ = 0;
    bool singular_ = false;
    bool cleared_ = false;
    bool systemShown_ = false;
    bool done_ = false;
};

bool same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

void checkRecord(const SolveRecord& record, const SolveOutcome& outcome, const CheckingDisplay& display)
{
    require(record.outcome.status == outcome.status, "the record has another outcome");
    const std::vector<float>& announced = display.announcedValues;
    require(record.determinants.size() >= announced.size(), "an announced determinant is not in the record");
    for (std::size_t i = 0; i < record.determinants.size(); ++i) {
        const DeterminantRecord& entry = record.determinants[i];
        const EliminationTrace& trace = entry.trace;
        require(entry.index == static_cast<int>(i), "the record's determinants are out of order");
        if (i < announced.size())
            require(same(trace.value, announced[i]), "the trace ends on another value than was announced");
        if (trace.status == DetStatus::Ok && !trace.pivotSearchFailed)
            require(!trace.diagonalProducts.empty() && same(trace.diagonalProducts.back(), trace.value),
                "the trace's final product is not its value");
    }
    if (outcome.status == SolveStatus::Singular)
        require(record.determinants.size() == 1 && record.determinants[0].trace.value == 0.0f,
            "a singular solve without its zero d");
}

void checkExactWorking(const SolveRecord& record)
{
    const ExactWorking working = computeExactWorking(record);
    if (working.tooLong)
        return;
    const int n = record.typed.n;
    const bool exactZero = working.determinant.isZero();
    require(exactZero == (working.verdict != ExactVerdict::OneSolution),
        "exact d = 0 disagrees with the verdict");
    require(exactZero == (working.rank < n), "exact d = 0 disagrees with the rank");
    require(working.augmentedRank == working.rank || working.augmentedRank == working.rank + 1,
        "impossible ranks");
    const bool singleZero = record.determinants.front().trace.value == 0.0f;
    require(
        (working.disagreement != Disagreement::None) == (singleZero != exactZero), "a disagreement missed");
    require(working.determinants.size() == record.determinants.size(), "an exact determinant is missing");

    auto satisfies = [&](const std::vector<Rational>& x, bool homogeneous) {
        for (int row = 1; row <= n; ++row) {
            Rational left;
            for (int column = 1; column <= n; ++column)
                left += working.typedValue(n, row, column) * x[static_cast<std::size_t>(column - 1)];
            if (left != (homogeneous ? Rational() : working.typedValue(n, row, n + 1)))
                return false;
        }
        return true;
    };
    if (working.verdict == ExactVerdict::OneSolution)
        require(satisfies(working.solution, false), "the exact solution does not solve the system");
    if (working.verdict == ExactVerdict::InfinitelyMany) {
        const GeneralSolution& general = working.general;
        require(
            static_cast<int>(general.freeUnknowns.size()) == n - working.rank, "wrong number of parameters");
        require(satisfies(general.constants, false), "the particular solution does not solve the system");
        for (std::size_t p = 0; p < general.freeUnknowns.size(); ++p) {
            std::vector<Rational> direction;
            for (int j = 0; j < n; ++j)
                direction.push_back(general.coefficients[static_cast<std::size_t>(j)][p]);
            require(satisfies(direction, true), "a direction of the general solution is not a null vector");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    FuzzedGrid typed;
    typed.size = kMinSize + bytes.next() % (kMaxSize - kMinSize + 1);
    bool anyBad = false;
    for (int row = 1; row <= typed.size; ++row) {
        for (int column = 1; column <= typed.size + 1; ++column) {
            bool bad = false;
            typed.values[row][column] = valueFrom(bytes, bad);
            typed.bad[row][column] = bad;
            anyBad |= bad;
        }
    }

    SystemStore store;
    store.SystemSize = static_cast<std::int16_t>(typed.size);
    CheckingDisplay display(typed);
    SolveRecord record;
    const SolveOutcome outcome = solveSystem(store, typed, kCLocale, display, &record);
    display.checkOutcome(outcome);
    checkRecord(record, outcome, display);
    if (record.reachedEnd())
        checkExactWorking(record);
    require((outcome.status == SolveStatus::BadCell) == anyBad, "a bad cell was missed or invented");
    if (anyBad)
        return 0;

    // The system as typed, and the right-hand sides of both working copies,
    // come through every outcome unchanged.
    const int n = typed.size;
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= n + 1; ++column)
            require(std::bit_cast<std::uint32_t>(store.SystemMatrix[row][column])
                    == std::bit_cast<std::uint32_t>(typed.values[row][column]),
                "the stored system changed");
        for (const Matrix* copy : { &store.MainWorkMatrix, &store.SubstitutedMatrix })
            require(std::bit_cast<std::uint32_t>((*copy)[row][n + 1])
                    == std::bit_cast<std::uint32_t>(typed.values[row][n + 1]),
                "a right-hand side changed");
    }
    return 0;
}
