// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/determinant.h"

#include <cmath>
#include <limits>
#include <utility>

namespace cramer {
namespace {

// NaN fails this test too.
bool outOfRange(float value) { return !(std::fabs(value) <= std::numeric_limits<float>::max()); }

} // namespace

DetStatus presmetnidet(SystemStore& store, Matrix& matrix, std::int16_t size)
{
    const int n = size;
    float product = 1.0f;
    auto finish = [&store](float determinant, DetStatus status) {
        store.DetProduct = determinant;
        store.DetResult = determinant;
        return status;
    };

    for (int k = 1; k <= n - 1; ++k) {
        float pivot = matrix[k][k];
        int swapIndex = k;
        store.PivotStep = static_cast<std::int16_t>(k);
        // Each failed try exchanges row k with the next row down, so the
        // rows k … m end up rotated when row m holds the first non-zero.
        while (pivot == 0.0f) {
            for (int j = k; j <= n; ++j)
                std::swap(matrix[k][j], matrix[swapIndex + 1][j]);
            product = -product;
            pivot = matrix[k][k];
            if (pivot == 0.0f) {
                if (swapIndex == n - 1) {
                    store.SwapIndex = static_cast<std::int16_t>(swapIndex);
                    store.Pivot = pivot;
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
        }
        if (overflow)
            return finish(product, DetStatus::Overflow);
    }

    // Only the last diagonal element differs from 1 here; it is never tested
    // for zero, so a matrix singular only at the last step yields a (possibly
    // negative) zero through this product.
    for (int i = 1; i <= n; ++i)
        product = product * matrix[i][i];
    return finish(product, outOfRange(product) ? DetStatus::Overflow : DetStatus::Ok);
}

} // namespace cramer
