// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/exact.h"

#include "solver/loaded_library.h"

// Every MPFR function a function, so that each can be resolved by name.
#define MPFR_USE_NO_MACRO
#include <gmp.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace cramer {
namespace {

// GMP and MPFR are loaded when the first exact value is made, not at every
// start: linked, they would make each start look up every symbol of every
// library past them too, and most starts show no worked solution. These are
// the functions used, each resolved under the name its header gives it
// (mpq_add is __gmpq_add).
#define CRAMER_GMP_FUNCTIONS(use)                                                                            \
    use(mpq_init) use(mpq_clear) use(mpq_set) use(mpq_swap) use(mpq_set_si) use(mpq_set_ui) use(mpq_set_d)   \
        use(mpq_canonicalize) use(mpq_add) use(mpq_sub) use(mpq_mul) use(mpq_div) use(mpq_neg) use(mpq_abs)  \
            use(mpq_equal) use(mpq_cmp) use(mpq_get_str) use(mpq_get_d) use(mpz_init) use(mpz_init_set)      \
                use(mpz_init_set_ui) use(mpz_inits) use(mpz_clear) use(mpz_clears) use(mpz_set)              \
                    use(mpz_set_ui) use(mpz_set_str) use(mpz_swap) use(mpz_neg) use(mpz_abs) use(mpz_mul)    \
                        use(mpz_mul_ui) use(mpz_submul) use(mpz_divexact) use(mpz_tdiv_qr)                   \
                            use(mpz_tdiv_q_2exp) use(mpz_ui_pow_ui) use(mpz_remove) use(mpz_lcm)             \
                                use(mpz_cmp) use(_mpz_cmp_ui) use(mpz_get_ui) use(mpz_get_str)               \
                                    use(mpz_sizeinbase) use(mpz_scan1) use(mpz_get_d_2exp)
#define CRAMER_MPFR_FUNCTIONS(use)                                                                           \
    use(mpfr_get_emin) use(mpfr_get_emax) use(mpfr_set_emin) use(mpfr_set_emax) use(mpfr_init2)              \
        use(mpfr_set_q) use(mpfr_subnormalize) use(mpfr_get_flt) use(mpfr_clear)

struct Libraries {
#define CRAMER_DECLARE(name) decltype(&::name) name = nullptr;
    CRAMER_GMP_FUNCTIONS(CRAMER_DECLARE)
    CRAMER_MPFR_FUNCTIONS(CRAMER_DECLARE)
#undef CRAMER_DECLARE
};

// Both or neither: without them no exact value can be made, which only a
// broken installation causes (the package depends on both).
const Libraries& libraries()
{
    static const Libraries loaded = [] {
        Libraries functions;
#define CRAMER_NAME(name) #name
        const LoadedLibrary gmp(CRAMER_GMP_SONAME);
#define CRAMER_RESOLVE(name) gmp.resolve(functions.name, CRAMER_NAME(name));
        CRAMER_GMP_FUNCTIONS(CRAMER_RESOLVE)
#undef CRAMER_RESOLVE
        const LoadedLibrary mpfr(CRAMER_MPFR_SONAME);
#define CRAMER_RESOLVE(name) mpfr.resolve(functions.name, CRAMER_NAME(name));
        CRAMER_MPFR_FUNCTIONS(CRAMER_RESOLVE)
#undef CRAMER_RESOLVE
#undef CRAMER_NAME
        return functions;
    }();
    return loaded;
}

#undef CRAMER_GMP_FUNCTIONS
#undef CRAMER_MPFR_FUNCTIONS

// More zeros than this after the point, and a terminating decimal is
// written by its significant digits and a power of ten.
constexpr std::size_t kLongestZeroRun = 20;

static_assert(sizeof(__mpq_struct) <= 32 && alignof(__mpq_struct) <= 8);

// The value of 10^exponent for the exponents a typed number can have; a
// caller keeps them small (kLongestExactNumber).
void powerOfTen(mpz_t result, unsigned long exponent) { libraries().mpz_ui_pow_ui(result, 10, exponent); }

} // namespace

#define Q(r) reinterpret_cast<__mpq_struct*>((r).storage_)
#define CQ(r) reinterpret_cast<const __mpq_struct*>((r).storage_)

Rational::Rational() { libraries().mpq_init(Q(*this)); }

Rational::Rational(long value)
{
    libraries().mpq_init(Q(*this));
    libraries().mpq_set_si(Q(*this), value, 1);
}

Rational::Rational(const Rational& other)
{
    libraries().mpq_init(Q(*this));
    libraries().mpq_set(Q(*this), CQ(other));
}

Rational::Rational(Rational&& other) noexcept
{
    libraries().mpq_init(Q(*this));
    libraries().mpq_swap(Q(*this), Q(other));
}

Rational& Rational::operator=(const Rational& other)
{
    libraries().mpq_set(Q(*this), CQ(other));
    return *this;
}

Rational& Rational::operator=(Rational&& other) noexcept
{
    libraries().mpq_swap(Q(*this), Q(other));
    return *this;
}

Rational::~Rational() { libraries().mpq_clear(Q(*this)); }

Rational Rational::fromDecimal(const DecimalNumber& number)
{
    Rational result;
    mpz_ptr numerator = mpq_numref(Q(result));
    const std::size_t lead = number.digits.find_first_not_of('0');
    if (lead == std::string::npos)
        return result;
    libraries().mpz_set_str(numerator, number.digits.c_str() + lead, 10);
    if (number.negative)
        libraries().mpz_neg(numerator, numerator);
    if (number.exponent >= 0) {
        mpz_t scale;
        libraries().mpz_init(scale);
        powerOfTen(scale, static_cast<unsigned long>(number.exponent));
        libraries().mpz_mul(numerator, numerator, scale);
        libraries().mpz_clear(scale);
    } else {
        powerOfTen(mpq_denref(Q(result)), static_cast<unsigned long>(-number.exponent));
        libraries().mpq_canonicalize(Q(result));
    }
    return result;
}

Rational Rational::fromSingle(float value)
{
    Rational result;
    libraries().mpq_set_d(Q(result), static_cast<double>(value)); // a double holds every single exactly
    return result;
}

Rational& Rational::operator+=(const Rational& other)
{
    libraries().mpq_add(Q(*this), CQ(*this), CQ(other));
    return *this;
}

Rational& Rational::operator-=(const Rational& other)
{
    libraries().mpq_sub(Q(*this), CQ(*this), CQ(other));
    return *this;
}

Rational& Rational::operator*=(const Rational& other)
{
    libraries().mpq_mul(Q(*this), CQ(*this), CQ(other));
    return *this;
}

Rational& Rational::operator/=(const Rational& other)
{
    libraries().mpq_div(Q(*this), CQ(*this), CQ(other));
    return *this;
}

Rational Rational::operator-() const
{
    Rational result(*this);
    libraries().mpq_neg(Q(result), CQ(result));
    return result;
}

Rational Rational::abs() const
{
    Rational result(*this);
    libraries().mpq_abs(Q(result), CQ(result));
    return result;
}

bool operator==(const Rational& a, const Rational& b) { return libraries().mpq_equal(CQ(a), CQ(b)) != 0; }

std::strong_ordering operator<=>(const Rational& a, const Rational& b)
{
    const int order = libraries().mpq_cmp(CQ(a), CQ(b));
    return order < 0 ? std::strong_ordering::less
        : order > 0  ? std::strong_ordering::greater
                     : std::strong_ordering::equal;
}

int Rational::sign() const { return mpq_sgn(CQ(*this)); }

bool Rational::isInteger() const { return libraries()._mpz_cmp_ui(mpq_denref(CQ(*this)), 1) == 0; }

std::string Rational::fraction() const
{
    std::string text(libraries().mpz_sizeinbase(mpq_numref(CQ(*this)), 10)
            + libraries().mpz_sizeinbase(mpq_denref(CQ(*this)), 10) + 3,
        '\0');
    libraries().mpq_get_str(text.data(), 10, CQ(*this));
    text.resize(text.find('\0'));
    return text;
}

namespace {

std::string decimalDigits(mpz_srcptr value)
{
    std::string text(libraries().mpz_sizeinbase(value, 10) + 2, '\0');
    libraries().mpz_get_str(text.data(), 10, value);
    text.resize(text.find('\0'));
    return text;
}

} // namespace

std::string Rational::numerator() const { return decimalDigits(mpq_numref(CQ(*this))); }

std::string Rational::denominator() const { return decimalDigits(mpq_denref(CQ(*this))); }

bool Rational::terminates() const
{
    mpz_t rest, five;
    libraries().mpz_init_set(rest, mpq_denref(CQ(*this)));
    libraries().mpz_init_set_ui(five, 5);
    libraries().mpz_tdiv_q_2exp(rest, rest, libraries().mpz_scan1(rest, 0));
    libraries().mpz_remove(rest, rest, five);
    const bool ends = libraries()._mpz_cmp_ui(rest, 1) == 0;
    libraries().mpz_clears(rest, five, nullptr);
    return ends;
}

std::size_t DecimalExpansion::leadingZeros() const
{
    const std::size_t zeros = fraction.find_first_not_of('0');
    return zeros == std::string::npos ? fraction.size() : zeros;
}

DecimalExpansion Rational::expansion(int longestPeriod) const
{
    DecimalExpansion parts;
    parts.negative = sign() < 0;
    mpz_t integer, remainder;
    libraries().mpz_inits(integer, remainder, nullptr);
    mpz_srcptr denominator = mpq_denref(CQ(*this));
    libraries().mpz_abs(remainder, mpq_numref(CQ(*this)));
    libraries().mpz_tdiv_qr(integer, remainder, remainder, denominator);
    parts.integer = decimalDigits(integer);

    if (mpz_sgn(remainder) != 0) {
        // With the denominator 2^a · 5^b · m, m prime to 10, the period starts
        // after max(a, b) digits, and it is empty when m = 1.
        mpz_t rest, five;
        libraries().mpz_init_set(rest, denominator);
        libraries().mpz_init_set_ui(five, 5);
        const mp_bitcnt_t twos = libraries().mpz_scan1(rest, 0);
        libraries().mpz_tdiv_q_2exp(rest, rest, twos);
        const mp_bitcnt_t fives = libraries().mpz_remove(rest, rest, five);
        libraries().mpz_clears(rest, five, nullptr);

        auto nextDigit = [&] {
            libraries().mpz_mul_ui(remainder, remainder, 10);
            libraries().mpz_tdiv_qr(integer, remainder, remainder, denominator);
            return static_cast<char>('0' + libraries().mpz_get_ui(integer));
        };
        for (mp_bitcnt_t i = 0; i < std::max(twos, fives); ++i)
            parts.fraction.push_back(nextDigit());
        if (!terminates()) {
            mpz_t start;
            libraries().mpz_init_set(start, remainder);
            do
                parts.period.push_back(nextDigit());
            while (libraries().mpz_cmp(remainder, start) != 0
                && parts.period.size() <= static_cast<std::size_t>(longestPeriod));
            libraries().mpz_clear(start);
            parts.periodCut = parts.period.size() > static_cast<std::size_t>(longestPeriod);
            parts.period.resize(std::min(parts.period.size(), static_cast<std::size_t>(longestPeriod)));
        }
    }
    libraries().mpz_clears(integer, remainder, nullptr);
    return parts;
}

std::string Rational::decimal(std::string_view point, int longestPeriod) const
{
    const DecimalExpansion parts = expansion(longestPeriod);
    std::string text = parts.negative ? "-" : "";
    const std::size_t zeros = parts.leadingZeros();
    if (parts.period.empty() && parts.integer == "0" && zeros > kLongestZeroRun) {
        // 0,000…0ddd: its significant digits and the power of ten instead.
        const std::string significant = parts.fraction.substr(zeros);
        text += significant.substr(0, 1);
        if (significant.size() > 1)
            text += std::string(point) + significant.substr(1);
        return text + "E-" + std::to_string(zeros + 1);
    }
    text += parts.integer;
    if (!parts.fraction.empty() || !parts.period.empty())
        text += std::string(point) + parts.fraction;
    if (!parts.period.empty())
        text += "(" + parts.period + (parts.periodCut ? "…" : "") + ")";
    return text;
}

float Rational::nearestSingle() const
{
    // At single's own precision and exponent range, subnormalised: one
    // rounding, as IEEE rounds, with no double rounding on the way.
    const mpfr_exp_t oldMin = libraries().mpfr_get_emin();
    const mpfr_exp_t oldMax = libraries().mpfr_get_emax();
    libraries().mpfr_set_emin(-148);
    libraries().mpfr_set_emax(128);
    mpfr_t value;
    libraries().mpfr_init2(value, std::numeric_limits<float>::digits);
    const int inexact = libraries().mpfr_set_q(value, CQ(*this), MPFR_RNDN);
    libraries().mpfr_subnormalize(value, inexact, MPFR_RNDN);
    const float result = libraries().mpfr_get_flt(value, MPFR_RNDN);
    libraries().mpfr_clear(value);
    libraries().mpfr_set_emin(oldMin);
    libraries().mpfr_set_emax(oldMax);
    return result;
}

double Rational::toDouble() const { return libraries().mpq_get_d(CQ(*this)); }

double Rational::log10Abs() const
{
    // Each part as mantissa · 2^exponent, so that no part overflows a double.
    auto log10Of = [](mpz_srcptr integer) {
        long exponent = 0;
        const double mantissa = libraries().mpz_get_d_2exp(&exponent, integer);
        return std::log10(std::fabs(mantissa)) + static_cast<double>(exponent) * std::log10(2.0);
    };
    if (isZero())
        return -std::numeric_limits<double>::infinity();
    return log10Of(mpq_numref(CQ(*this))) - log10Of(mpq_denref(CQ(*this)));
}

Rational determinant(const std::vector<Rational>& matrix, int n)
{
    const auto size = static_cast<std::size_t>(n);
    std::vector<__mpz_struct> m(size * size);
    for (__mpz_struct& entry : m)
        libraries().mpz_init(&entry);
    auto at = [&m, size](std::size_t row, std::size_t column) -> mpz_ptr { return &m[row * size + column]; };

    // det(A) = det(rows × their denominators) / Π denominators.
    Rational result(1);
    mpz_t scale, temporary;
    libraries().mpz_inits(scale, temporary, nullptr);
    for (std::size_t row = 0; row < size; ++row) {
        libraries().mpz_set_ui(scale, 1);
        for (std::size_t column = 0; column < size; ++column)
            libraries().mpz_lcm(scale, scale, mpq_denref(CQ(matrix[row * size + column])));
        for (std::size_t column = 0; column < size; ++column) {
            const __mpq_struct* entry = CQ(matrix[row * size + column]);
            libraries().mpz_divexact(temporary, scale, mpq_denref(entry));
            libraries().mpz_mul(at(row, column), mpq_numref(entry), temporary);
        }
        libraries().mpz_mul(mpq_denref(Q(result)), mpq_denref(CQ(result)), scale);
    }

    int sign = 1;
    bool zero = false;
    mpz_t previous;
    libraries().mpz_init_set_ui(previous, 1);
    for (std::size_t k = 0; k + 1 < size && !zero; ++k) {
        std::size_t pivot = k;
        while (pivot < size && mpz_sgn(at(pivot, k)) == 0)
            ++pivot;
        if (pivot == size) {
            zero = true;
            break;
        }
        if (pivot != k) {
            for (std::size_t column = 0; column < size; ++column)
                libraries().mpz_swap(at(pivot, column), at(k, column));
            sign = -sign;
        }
        for (std::size_t row = k + 1; row < size; ++row) {
            for (std::size_t column = k + 1; column < size; ++column) {
                // a_rc = (a_kk · a_rc − a_rk · a_kc) / previous pivot, exactly.
                libraries().mpz_mul(temporary, at(row, column), at(k, k));
                libraries().mpz_submul(temporary, at(row, k), at(k, column));
                libraries().mpz_divexact(at(row, column), temporary, previous);
            }
        }
        libraries().mpz_set(previous, at(k, k));
    }
    if (zero || mpz_sgn(at(size - 1, size - 1)) == 0) {
        libraries().mpq_set_ui(Q(result), 0, 1);
    } else {
        libraries().mpz_set(mpq_numref(Q(result)), at(size - 1, size - 1));
        if (sign < 0)
            libraries().mpz_neg(mpq_numref(Q(result)), mpq_numref(CQ(result)));
        libraries().mpq_canonicalize(Q(result));
    }
    libraries().mpz_clears(scale, temporary, previous, nullptr);
    for (__mpz_struct& entry : m)
        libraries().mpz_clear(&entry);
    return result;
}

#undef Q
#undef CQ

} // namespace cramer
