// SPDX-License-Identifier: GPL-3.0-or-later

// The full 9 × 9 Cramer sequence without display, and one determinant alone,
// side by side with Eigen's single-precision partial-pivot LU determinant of
// the same matrices.

#include "solver/cramer_sequence.h"
#include "solver/determinant.h"

#include <Eigen/Dense>
#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace cramer;

constexpr int kSize = 9;

class SilentDisplay : public CramerDisplay {
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

void CramerSequence9(benchmark::State& state)
{
    const Matrix system = randomSystem();
    SystemStore store;
    store.SystemSize = kSize;
    store.SystemMatrix = system;
    SilentDisplay display;
    for (auto _ : state) {
        copySystem(system, store.MainWorkMatrix, kSize);
        copySystem(system, store.SubstitutedMatrix, kSize);
        benchmark::DoNotOptimize(runCramerSequence(store, display));
    }
}
BENCHMARK(CramerSequence9);

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

} // namespace

BENCHMARK_MAIN();
