// SPDX-License-Identifier: GPL-3.0-or-later

// The full 9 × 9 Cramer sequence without display, and one determinant alone,
// side by side with Eigen's single-precision partial-pivot LU determinant of
// the same matrices; the sequence recording its trace for the worked
// solution, the exact working of a solve, and a new exercise.

#include "solver/cramer_sequence.h"
#include "solver/determinant.h"
#include "solver/exact_working.h"
#include "solver/exercise.h"
#include "solver/practice.h"
#include "solver/worksheet.h"

#include <Eigen/Dense>
#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <string>

namespace {

using namespace cramer;

constexpr int kSize = 9;

// Shows nothing, but keeps each announced value from being optimised away.
class AnnouncementSink : public CramerDisplay {
public:
    void showDeterminant(const Matrix&, int) override { }
    void showHeading(int) override { }
    void announceDeterminant(float value) override { benchmark::DoNotOptimize(value); }
    void reportSingular() override { }
    void clearGrid() override { }
    void showSystem(const Matrix&, int) override { }
    void showResultRows(int, const Vector&, float, const Vector&) override { }
};

Matrix randomSystem()
{
    std::mt19937 generator(20261207);
    std::uniform_int_distribution<int> value(-9, 9);
    Matrix system {};
    for (int row = 1; row <= kSize; ++row)
        for (int column = 1; column <= kSize + 1; ++column)
            system[row][column] = static_cast<float>(value(generator));
    return system;
}

// The ten matrices of one solve: d and every d_i.
std::vector<Eigen::MatrixXf> cramerMatrices(const Matrix& system)
{
    std::vector<Eigen::MatrixXf> matrices;
    for (int substituted = 0; substituted <= kSize; ++substituted) {
        Eigen::MatrixXf matrix(kSize, kSize);
        for (int row = 1; row <= kSize; ++row)
            for (int column = 1; column <= kSize; ++column)
                matrix(row - 1, column - 1) = system[row][column == substituted ? kSize + 1 : column];
        matrices.push_back(matrix);
    }
    return matrices;
}

// Argument 0: the plain sequence; 1: recording every elimination, as the window runs it.
void CramerSequence9(benchmark::State& state)
{
    const Matrix system = randomSystem();
    SystemStore store;
    store.SystemSize = kSize;
    store.SystemMatrix = system;
    AnnouncementSink display;
    SolveRecord record;
    SolveRecord* traced = state.range(0) != 0 ? &record : nullptr;
    for (auto _ : state) {
        copySystem(system, store.MainWorkMatrix, kSize);
        copySystem(system, store.SubstitutedMatrix, kSize);
        benchmark::DoNotOptimize(runCramerSequence(store, display, traced));
    }
}
BENCHMARK(CramerSequence9)->Arg(0)->Arg(1);

void EigenTenDeterminants9(benchmark::State& state)
{
    const auto matrices = cramerMatrices(randomSystem());
    for (auto _ : state) {
        for (const auto& matrix : matrices)
            benchmark::DoNotOptimize(matrix.partialPivLu().determinant());
    }
}
BENCHMARK(EigenTenDeterminants9);

void Determinant9(benchmark::State& state)
{
    const Matrix system = randomSystem();
    SystemStore store;
    Matrix work;
    for (auto _ : state) {
        work = system;
        benchmark::DoNotOptimize(presmetnidet(store, work, kSize));
        benchmark::DoNotOptimize(store.DetResult);
    }
}
BENCHMARK(Determinant9);

void EigenDeterminant9(benchmark::State& state)
{
    const Eigen::MatrixXf matrix = cramerMatrices(randomSystem()).front();
    for (auto _ : state)
        benchmark::DoNotOptimize(matrix.partialPivLu().determinant());
}
BENCHMARK(EigenDeterminant9);

SolveRecord recordOf(const std::vector<std::string>& texts) { return solveQuietly(kSize, texts, kCLocale); }

// The solve of the random integer system, as typed.
SolveRecord randomRecord()
{
    const Matrix system = randomSystem();
    std::vector<std::string> texts;
    for (int row = 1; row <= kSize; ++row)
        for (int column = 1; column <= kSize + 1; ++column)
            texts.push_back(std::to_string(static_cast<int>(system[row][column])));
    return recordOf(texts);
}

// Exact determinants, solution, check and verdict of a solve.
void ExactWorking9(benchmark::State& state)
{
    const SolveRecord record = randomRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeExactWorking(record).determinants.size());
}
BENCHMARK(ExactWorking9)->Unit(benchmark::kMicrosecond);

// Seven-digit numbers with exponents ±38 (row by row, so that d stays in range).
void ExactWorking9Extreme(benchmark::State& state)
{
    std::mt19937 generator(38);
    std::uniform_int_distribution<int> digits(1000000, 1099999);
    std::vector<std::string> texts;
    for (int row = 1; row <= kSize; ++row) {
        for (int column = 1; column <= kSize + 1; ++column) {
            const std::string number = std::to_string(digits(generator));
            texts.push_back(number.substr(0, 1) + "." + number.substr(1) + (row % 2 ? "E-38" : "E+38"));
        }
    }
    const SolveRecord record = recordOf(texts);
    if (!record.reachedEnd())
        state.SkipWithError("the system did not reach its end");
    for (auto _ : state)
        benchmark::DoNotOptimize(computeExactWorking(record).determinants.size());
}
BENCHMARK(ExactWorking9Extreme)->Unit(benchmark::kMicrosecond);

// Reading and checking a practice answer for x_5 of a 9 × 9: a wrong one,
// which runs through every mistake the checker looks for.
void PracticeAnswer9(benchmark::State& state)
{
    const SolveRecord record = randomRecord();
    const ExactWorking working = computeExactWorking(record);
    const PracticeStep step { PracticeStep::Kind::Unknown, 5 };
    const std::string wrong = (working.solution[4] + Rational(1)).fraction();
    for (auto _ : state) {
        const Answer answer = std::get<Answer>(readAnswer(wrong, kCLocale));
        benchmark::DoNotOptimize(checkAnswer(record, working, step, answer).right);
    }
}
BENCHMARK(PracticeAnswer9)->Unit(benchmark::kMicrosecond);

// A new exercise: drawn, checked exactly and solved by the program; for
// four equations searched until its x_i, d and d_i are exact in single
// precision too, the slowest size.
void NewExercise(benchmark::State& state, int n, SolutionKind kind)
{
    ExerciseMaker maker(9);
    for (auto _ : state)
        benchmark::DoNotOptimize(maker.next(n, kind).texts.size());
}
BENCHMARK_CAPTURE(NewExercise, Nine, kSize, SolutionKind::Integers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NewExercise, FourIntegers, 4, SolutionKind::Integers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NewExercise, FourFractions, 4, SolutionKind::SimpleFractions)
    ->Unit(benchmark::kMicrosecond);

// A worksheet of 60 distinct 9 × 9 variants with integer answers, against
// 60 single exercises of the same size above.
void Worksheet(benchmark::State& state, int n, AnswerKind answers)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const WorksheetResult result = makeWorksheet({ 60, n, answers, SingularShare::None, 9, seed++ });
        benchmark::DoNotOptimize(std::get_if<std::vector<Variant>>(&result));
    }
}
BENCHMARK_CAPTURE(Worksheet, SixtyNine, kSize, AnswerKind::Integers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Worksheet, SixtyThreeFractions, 3, AnswerKind::Fractions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
