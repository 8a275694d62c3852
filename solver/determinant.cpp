// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/determinant.h"

#include <cmath>
#include <limits>
#include <utility>

namespace cramer {
namespace {

// NaN fails this test too.
bool outOfRange(float value) { return !(std::fabs(value) <= std::numeric_limits<float>::max()); }

// The plain path records nothing; its empty calls compile away.
struct NoTrace {
    void start(const Matrix&, int) { }
    void exchanged(int, int) { }
    void pivotSearchFailed() { }
    void pivoted(int, float, float, const Matrix&, int) { }
    void factor(float) { }
    void cleared(const Matrix&, int) { }
    void diagonal(float) { }
    void finish(float, DetStatus) { }
};

class Recorder {
public:
    explicit Recorder(EliminationTrace& trace)
        : trace_(trace)
    {
    }
    void start(const Matrix& matrix, int n)
    {
        trace_ = EliminationTrace {};
        trace_.start = SquareBlock::of(matrix, n);
    }
    void exchanged(int k, int row)
    {
        current().column = k;
        current().exchangedWith.push_back(row);
    }
    void pivotSearchFailed() { trace_.pivotSearchFailed = true; }
    void pivoted(int k, float pivot, float product, const Matrix& matrix, int n)
    {
        EliminationStep& step = current();
        step.column = k;
        step.pivot = pivot;
        step.productAfterPivot = product;
        step.pivotRowDivided = SquareBlock::of(matrix, n);
    }
    void factor(float factor) { current().factors.push_back(factor); }
    void cleared(const Matrix& matrix, int n)
    {
        current().cleared = SquareBlock::of(matrix, n);
        open_ = false;
    }
    void diagonal(float product) { trace_.diagonalProducts.push_back(product); }
    void finish(float value, DetStatus status)
    {
        trace_.value = value;
        trace_.status = status;
    }

private:
    EliminationStep& current()
    {
        if (!open_) {
            trace_.steps.emplace_back();
            open_ = true;
        }
        return trace_.steps.back();
    }

    EliminationTrace& trace_;
    bool open_ = false;
};

template <typename Trace>
DeterminantValue eliminate(SystemStore& store, Matrix& matrix, std::int16_t size, Trace& trace)
{
    const int n = size;
    float product = 1.0f;
    auto finish = [&store, &trace](float determinant, DetStatus status) {
        store.DetProduct = determinant;
        store.DetResult = determinant;
        trace.finish(determinant, status);
        return DeterminantValue { determinant, status };
    };
    trace.start(matrix, n);

    for (int k = 1; k <= n - 1; ++k) {
        float pivot = matrix[k][k];
        int swapIndex = k;
        store.PivotStep = static_cast<std::int16_t>(k);
        // Each failed try exchanges row k with the next row down, so the
        // rows k … m end up rotated when row m holds the first non-zero.
        while (pivot == 0.0f) {
            for (int j = k; j <= n; ++j)
                std::swap(matrix[k][j], matrix[swapIndex + 1][j]);
            trace.exchanged(k, swapIndex + 1);
            product = -product;
            pivot = matrix[k][k];
            if (pivot == 0.0f) {
                if (swapIndex == n - 1) {
                    store.SwapIndex = static_cast<std::int16_t>(swapIndex);
                    store.Pivot = pivot;
                    trace.pivotSearchFailed();
                    return finish(0.0f, DetStatus::Ok);
                }
                ++swapIndex;
            }
        }
        store.SwapIndex = static_cast<std::int16_t>(swapIndex);
        store.Pivot = pivot;

        product = pivot * product;
        bool overflow = outOfRange(product);
        for (int j = k; j <= n; ++j) {
            matrix[k][j] = matrix[k][j] / pivot;
            overflow |= outOfRange(matrix[k][j]);
        }
        trace.pivoted(k, pivot, product, matrix, n);
        // Elimination runs over all columns, not only k … n: the columns left
        // of k hold exact zeros in row k, so they stay as they are.
        for (int i = k + 1; i <= n; ++i) {
            const float factor = matrix[i][k];
            for (int j = 1; j <= n; ++j) {
                // An infinite product cannot hide here: the element it is
                // added to is finite, so the sum is infinite as well.
                matrix[i][j] = matrix[i][j] + -factor * matrix[k][j];
                overflow |= outOfRange(matrix[i][j]);
            }
            store.Factor = factor;
            trace.factor(factor);
        }
        trace.cleared(matrix, n);
        if (overflow)
            return finish(product, DetStatus::Overflow);
    }

    // Only the last diagonal element differs from 1 here; it is never tested
    // for zero, so a matrix singular only at the last step yields a (possibly
    // negative) zero through this product.
    for (int i = 1; i <= n; ++i) {
        product = product * matrix[i][i];
        trace.diagonal(product);
    }
    return finish(product, outOfRange(product) ? DetStatus::Overflow : DetStatus::Ok);
}

} // namespace

SquareBlock SquareBlock::of(const Matrix& matrix, int n)
{
    SquareBlock block;
    block.n = n;
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n; ++column)
            block.at(row, column) = matrix[row][column];
    return block;
}

DeterminantValue presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size)
{
    NoTrace none;
    return eliminate(store, matrix, size, none);
}

DeterminantValue presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size, EliminationTrace& trace)
{
    Recorder recorder(trace);
    return eliminate(store, matrix, size, recorder);
}

} // namespace cramer
