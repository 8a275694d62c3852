// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Exact rational numbers for the worked solution: what a value would be
// without rounding, and how far a single-precision value is from it. The
// arithmetic is GMP's and the rounding to single MPFR's; neither shows here.
// They are loaded with the first value made: without them that value
// throws MissingLibrary.

#include "solver/number_text.h"

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cramer {

// A decimal expansion in parts: the digits before the point, those after it
// up to the period, and the period, empty when the expansion ends.
struct DecimalExpansion {
    bool negative = false;
    std::string integer; // "0" below 1
    std::string fraction;
    std::string period;
    bool periodCut = false; // longer than asked for: its first digits only

    // The fraction's zeros after the point before its first other digit.
    std::size_t leadingZeros() const;
};

class Rational {
public:
    Rational();
    explicit Rational(long value);
    Rational(const Rational& other);
    Rational(Rational&& other) noexcept;
    Rational& operator=(const Rational& other);
    Rational& operator=(Rational&& other) noexcept;
    ~Rational();

    static Rational fromDecimal(const DecimalNumber& number);
    // The exact value of a finite single.
    static Rational fromSingle(float value);

    Rational& operator+=(const Rational& other);
    Rational& operator-=(const Rational& other);
    Rational& operator*=(const Rational& other);
    // `other` must not be zero.
    Rational& operator/=(const Rational& other);
    friend Rational operator+(Rational a, const Rational& b) { return a += b; }
    friend Rational operator-(Rational a, const Rational& b) { return a -= b; }
    friend Rational operator*(Rational a, const Rational& b) { return a *= b; }
    friend Rational operator/(Rational a, const Rational& b) { return a /= b; }
    Rational operator-() const;
    Rational abs() const;

    friend bool operator==(const Rational& a, const Rational& b);
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);
    int sign() const;
    bool isZero() const { return sign() == 0; }
    bool isInteger() const;
    // Its decimal expansion ends: the denominator has no prime but 2 and 5.
    bool terminates() const;

    // "p/q" in lowest terms with "-" for a negative value; an integer alone.
    std::string fraction() const;
    // In lowest terms, in decimal digits; the numerator with "-" when negative.
    std::string numerator() const;
    std::string denominator() const;
    // The decimal expansion with `point` as the decimal separator: all of it
    // when it terminates (below 10^-21 as its significant digits and the
    // power of ten, "1,25E-22", never a row of zeros), the period in
    // parentheses when it repeats ("0,(3)"); a period longer than
    // `longestPeriod` digits is cut with "…" inside the parentheses.
    std::string decimal(std::string_view point, int longestPeriod = 20) const;
    DecimalExpansion expansion(int longestPeriod = 20) const;
    // The nearest single (ties to even, subnormals as IEEE rounds them);
    // beyond the range an infinity.
    float nearestSingle() const;
    double toDouble() const;
    // log10 of the absolute value, for values beyond a double's range too;
    // -infinity for 0.
    double log10Abs() const;

private:
    friend Rational determinant(const std::vector<Rational>& matrix, int n);

    // Holds GMP's mpq_t; its size is checked where GMP is included.
    alignas(8) unsigned char storage_[32];
};

// The determinant of an n × n matrix given row by row: each row brought to
// integers by its common denominator, then eliminated without fractions
// (Bareiss), which keeps every intermediate an exact integer.
Rational determinant(const std::vector<Rational>& matrix, int n);

} // namespace cramer
