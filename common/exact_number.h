// Exact rational numbers, for the calculator and the search bounds: a typed
// "0.1" is one tenth, and 20-digit bounds keep every digit.
#pragma once

#include "common/number_text.h"

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace korvane {

// A rational number of any size. GMP holds it, out of sight in the .cpp file,
// so the windows that include the calculator never see gmpxx.h.
class ExactNumber {
  public:
    ExactNumber(); // 0
    explicit ExactNumber(std::int64_t whole);
    ExactNumber(const ExactNumber& other);
    ExactNumber(ExactNumber&& other) noexcept;
    ExactNumber& operator=(const ExactNumber& other);
    ExactNumber& operator=(ExactNumber&& other) noexcept;
    ~ExactNumber();

    // The exact value of a text that follows the number rule (see splitDecimal),
    // or nothing when it does not or lies beyond the range (see beyondRange):
    // the texts parseNumber accepts, no more and no fewer. The exponent is
    // judged before any number is built, so "1e999999999" costs nothing. Like
    // a double, a magnitude below 2^-1075 reads as 0, and one between the
    // largest double and the range's end as the largest double.
    static std::optional<ExactNumber> read(std::string_view text);

    int sign() const;
    friend ExactNumber operator+(const ExactNumber& a, const ExactNumber& b);
    friend ExactNumber operator-(const ExactNumber& a, const ExactNumber& b);
    friend ExactNumber operator*(const ExactNumber& a, const ExactNumber& b);
    // b must not be 0.
    friend ExactNumber operator/(const ExactNumber& a, const ExactNumber& b);
    friend bool operator==(const ExactNumber& a, const ExactNumber& b);
    friend std::strong_ordering operator<=>(const ExactNumber& a, const ExactNumber& b);

    // At or beyond 2^1024 - 2^970 in magnitude, where a double's rounding
    // overflows; a value between the largest double and there rounds to it.
    bool overflowsDouble() const;
    // Below 2^-1075 in magnitude (zero too), where a double becomes 0.
    bool belowDoubleRange() const;
    // The value kept within the double range after a rounding that may have
    // stepped just over one of its ends: beyond the largest double, the
    // largest, and below 2^-1075 but not 0, 2^-1075, each with the value's
    // sign; any other value as it is. Whether the unrounded value overflowed
    // or became 0 is for the caller to judge first.
    ExactNumber clampedToDoubleRange() const;

    // Whether, in lowest terms, the denominator exceeds 10^power.
    bool denominatorExceedsTenTo(int power) const;
    // The nearest decimal of `digits` significant digits, halves to the even one.
    ExactNumber rounded(int digits) const;
    // The same rounding, as digits to write (trailing zeros dropped).
    SignificantDigits roundedDigits(int digits) const;

    // The root of a value that is the square of a rational (4, 2.25, 1/9);
    // nothing for any other value.
    std::optional<ExactNumber> exactSquareRoot() const;
    // The decimal of `digits` significant digits nearest to the square root of
    // a value that is not negative.
    ExactNumber squareRoot(int digits) const;

    // The smallest whole number not below the value, and the largest not above
    // it, when that number fits 64 bits unsigned.
    std::optional<std::uint64_t> ceilWhole() const;
    std::optional<std::uint64_t> floorWhole() const;

  private:
    struct Rational;
    explicit ExactNumber(Rational value);
    std::unique_ptr<Rational> value_;
};

} // namespace korvane
