// Exact numbers on GMP's rationals. Rounding to significant digits works on
// the value scaled by a power of ten until the digits kept are its whole part.
#include "common/exact_number.h"

#include <gmpxx.h>

#include <limits>
#include <string>

namespace korvane {

struct ExactNumber::Rational {
    mpq_class q;
};

namespace {

static_assert(sizeof(unsigned long) == sizeof(std::uint64_t), "mpz_get_ui gives 64 bits");

mpz_class tenTo(std::uint64_t power) {
    mpz_class out;
    mpz_ui_pow_ui(out.get_mpz_t(), 10, power);
    return out;
}

// q times 10^power; GMP keeps the result in lowest terms.
mpq_class scaled(const mpq_class& q, std::int64_t power) {
    if (power >= 0)
        return q * mpq_class(tenTo(static_cast<std::uint64_t>(power)));
    return q / mpq_class(tenTo(static_cast<std::uint64_t>(-power)));
}

// The decimal exponent of the first significant digit of m > 0. The digit
// counts of numerator and denominator miss it by at most two.
std::int64_t decimalExponent(const mpq_class& m) {
    std::int64_t e = static_cast<std::int64_t>(mpz_sizeinbase(m.get_num_mpz_t(), 10)) -
                     static_cast<std::int64_t>(mpz_sizeinbase(m.get_den_mpz_t(), 10));
    while (scaled(m, -e) < 1)
        --e;
    while (scaled(m, -e) >= 10)
        ++e;
    return e;
}

// The whole number nearest to m >= 0, halves to the even one.
mpz_class nearestWhole(const mpq_class& m) {
    mpz_class whole, rest;
    mpz_fdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), m.get_num_mpz_t(), m.get_den_mpz_t());
    const int half = cmp(mpz_class(2 * rest), m.get_den());
    if (half > 0 || (half == 0 && mpz_odd_p(whole.get_mpz_t())))
        ++whole;
    return whole;
}

// A magnitude rounded to `digits` significant digits: `digits` digits, the
// first not 0, times 10^(exponent - digits + 1).
struct RoundedMagnitude {
    mpz_class digits;
    std::int64_t exponent = 0;
};

RoundedMagnitude roundMagnitude(const mpq_class& m, int digits) {
    RoundedMagnitude out{0, decimalExponent(m)};
    out.digits = nearestWhole(scaled(m, digits - 1 - out.exponent));
    if (out.digits == tenTo(static_cast<std::uint64_t>(digits))) { // 9.99... rounded up
        out.digits /= 10;
        ++out.exponent;
    }
    return out;
}

mpq_class valueOf(const RoundedMagnitude& r, int digits, bool negative) {
    const mpq_class m = scaled(mpq_class(r.digits), r.exponent - digits + 1);
    return negative ? mpq_class(-m) : m;
}

const mpq_class& largestDouble() {
    static const mpq_class largest(std::numeric_limits<double>::max()); // converted exactly
    return largest;
}

const mpq_class& halfSmallestDouble() {
    static const mpq_class half(mpz_class(1), mpz_class(mpz_class(1) << 1075));
    return half;
}

// Halfway between the largest double and 2^1024: from here on a double is infinite.
const mpq_class& overflowPoint() {
    static const mpq_class point(mpz_class(mpz_class(1) << 1024) - mpz_class(mpz_class(1) << 970));
    return point;
}

std::optional<std::uint64_t> fitting(const mpz_class& whole) {
    if (sgn(whole) < 0 || mpz_sizeinbase(whole.get_mpz_t(), 2) > 64)
        return std::nullopt;
    return mpz_get_ui(whole.get_mpz_t());
}

} // namespace

ExactNumber::ExactNumber() : value_(std::make_unique<Rational>()) {}
ExactNumber::ExactNumber(std::int64_t whole)
    : ExactNumber(Rational{mpq_class(static_cast<long>(whole))}) {}
ExactNumber::ExactNumber(Rational value) : value_(std::make_unique<Rational>(std::move(value))) {}
ExactNumber::ExactNumber(const ExactNumber& other)
    : value_(std::make_unique<Rational>(*other.value_)) {}
ExactNumber::ExactNumber(ExactNumber&& other) noexcept = default;
ExactNumber& ExactNumber::operator=(ExactNumber&& other) noexcept = default;
ExactNumber::~ExactNumber() = default;

ExactNumber& ExactNumber::operator=(const ExactNumber& other) {
    if (this != &other)
        value_ = std::make_unique<Rational>(*other.value_);
    return *this;
}

std::optional<ExactNumber> ExactNumber::read(std::string_view text) {
    const auto parts = splitDecimal(text);
    if (!parts)
        return std::nullopt;
    const SignificantDigits typed = significantDigits(*parts);
    if (beyondRange(typed))
        return std::nullopt;
    // Below 1E-324 lies below 2^-1075 too: zero, with no number built.
    if (typed.digits.empty() || typed.exponent < -324)
        return ExactNumber();
    const auto count = static_cast<std::int64_t>(typed.digits.size());
    mpq_class q = scaled(mpq_class(mpz_class(typed.digits, 10)), typed.exponent - count + 1);
    // Up to the written form of the largest double, which lies just above it,
    // texts read as the largest: so the display of the largest reads back.
    if (cmp(q, largestDouble()) > 0)
        q = largestDouble();
    if (typed.negative)
        q = -q;
    const ExactNumber out(Rational{q});
    return out.belowDoubleRange() ? ExactNumber() : out;
}

int ExactNumber::sign() const {
    return sgn(value_->q);
}

ExactNumber operator+(const ExactNumber& a, const ExactNumber& b) {
    return ExactNumber(ExactNumber::Rational{a.value_->q + b.value_->q});
}

ExactNumber operator-(const ExactNumber& a, const ExactNumber& b) {
    return ExactNumber(ExactNumber::Rational{a.value_->q - b.value_->q});
}

ExactNumber operator*(const ExactNumber& a, const ExactNumber& b) {
    return ExactNumber(ExactNumber::Rational{a.value_->q * b.value_->q});
}

ExactNumber operator/(const ExactNumber& a, const ExactNumber& b) {
    return ExactNumber(ExactNumber::Rational{a.value_->q / b.value_->q});
}

bool operator==(const ExactNumber& a, const ExactNumber& b) {
    return a.value_->q == b.value_->q;
}

std::strong_ordering operator<=>(const ExactNumber& a, const ExactNumber& b) {
    return cmp(a.value_->q, b.value_->q) <=> 0;
}

bool ExactNumber::overflowsDouble() const {
    return cmp(::abs(value_->q), overflowPoint()) >= 0;
}

bool ExactNumber::belowDoubleRange() const {
    return cmp(::abs(value_->q), halfSmallestDouble()) < 0;
}

ExactNumber ExactNumber::clampedToDoubleRange() const {
    const mpq_class magnitude = ::abs(value_->q);
    const mpq_class* end = nullptr;
    if (cmp(magnitude, largestDouble()) > 0)
        end = &largestDouble();
    else if (sign() != 0 && cmp(magnitude, halfSmallestDouble()) < 0)
        end = &halfSmallestDouble();
    if (!end)
        return *this;
    return ExactNumber(Rational{sign() < 0 ? mpq_class(-*end) : *end});
}

bool ExactNumber::denominatorExceedsTenTo(int power) const {
    return cmp(value_->q.get_den(), tenTo(static_cast<std::uint64_t>(power))) > 0;
}

ExactNumber ExactNumber::rounded(int digits) const {
    if (sign() == 0)
        return {};
    const mpq_class q = valueOf(roundMagnitude(::abs(value_->q), digits), digits, sign() < 0);
    return ExactNumber(Rational{q});
}

SignificantDigits ExactNumber::roundedDigits(int digits) const {
    if (sign() == 0)
        return {};
    const RoundedMagnitude r = roundMagnitude(::abs(value_->q), digits);
    SignificantDigits out{sign() < 0, r.digits.get_str(), r.exponent};
    out.digits.erase(out.digits.find_last_not_of('0') + 1);
    return out;
}

std::optional<ExactNumber> ExactNumber::exactSquareRoot() const {
    const mpq_class& q = value_->q;
    if (sgn(q) < 0 || !mpz_perfect_square_p(q.get_num_mpz_t()) ||
        !mpz_perfect_square_p(q.get_den_mpz_t()))
        return std::nullopt;
    mpz_class num, den;
    mpz_sqrt(num.get_mpz_t(), q.get_num_mpz_t());
    mpz_sqrt(den.get_mpz_t(), q.get_den_mpz_t());
    return ExactNumber(Rational{mpq_class(num, den)});
}

ExactNumber ExactNumber::squareRoot(int digits) const {
    if (sign() == 0)
        return {};
    // The root's first digit sits at half the value's exponent, rounded down;
    // scaled so that the digits kept are the whole part, the root is then
    // rounded by comparing squares: root >= r + 1/2 exactly when 4x >= (2r+1)^2.
    const std::int64_t e = decimalExponent(value_->q);
    const std::int64_t rootExponent = e >= 0 ? e / 2 : -((1 - e) / 2);
    const mpq_class x = scaled(value_->q, 2 * (digits - 1 - rootExponent));
    mpz_class whole, root;
    mpz_fdiv_q(whole.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
    mpz_sqrt(root.get_mpz_t(), whole.get_mpz_t());
    const mpz_class odd = 2 * root + 1;
    const int half = cmp(mpq_class(4 * x), mpq_class(odd * odd));
    if (half > 0 || (half == 0 && mpz_odd_p(root.get_mpz_t())))
        ++root;
    const mpq_class q = scaled(mpq_class(root), rootExponent - digits + 1);
    return ExactNumber(Rational{q});
}

std::optional<std::uint64_t> ExactNumber::ceilWhole() const {
    mpz_class whole;
    mpz_cdiv_q(whole.get_mpz_t(), value_->q.get_num_mpz_t(), value_->q.get_den_mpz_t());
    return fitting(whole);
}

std::optional<std::uint64_t> ExactNumber::floorWhole() const {
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), value_->q.get_num_mpz_t(), value_->q.get_den_mpz_t());
    return fitting(whole);
}

} // namespace korvane
