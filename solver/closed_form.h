// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The textbook formulas of a small determinant, term by term and exactly:
// the cross product of a 2 × 2 and Sarrus's six products of a 3 × 3. The
// worked solution writes them out; practice names a term a student left
// out or gave the wrong sign.

#include "solver/exact.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace cramer {

struct ClosedFormTerm {
    bool negative = false;
    std::vector<std::array<int, 2>> cells; // (row, column) of each factor, from 1
    std::vector<Rational> factors;
    Rational product;
};

struct ClosedForm {
    std::vector<ClosedFormTerm> terms; // in the order the rule lists them
    Rational value;
};

// The entry at (row, column) of an n × n matrix, from 1.
using MatrixEntry = std::function<const Rational&(int row, int column)>;

// The rule's terms for n = 2 or 3; nothing for larger matrices.
std::optional<ClosedForm> closedForm(int n, const MatrixEntry& entry);

} // namespace cramer
