// Number words shared by every tab: which texts count as numbers, what they are
// worth, and the three ways the program writes a number back as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The parts of a number text as typed, before any rounding: sign, the digits
// before and after the point (either may be empty, not both) and the exponent.
struct DecimalText {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    std::int64_t exponent = 0; // saturates far beyond any useful range
};

// A number as its significant digits, no leading or trailing zeros (empty for
// zero), and the decimal exponent of the first of them: -1.25E+3 is
// {true, "125", 3}. Says nothing about how they were rounded, if at all.
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// Splits a text that follows the number rule: blanks around it, an optional
// sign, digits with at most one point (at least one digit), an optional
// exponent ("E" or "e", optional sign, digits). No locale forms. The views point
// into `text`. Says nothing about range; see parseNumber.
std::optional<DecimalText> splitDecimal(std::string_view text);

// The significant digits of a number text, exactly as typed.
SignificantDigits significantDigits(const DecimalText& parts);

// Whether a number text's value lies beyond the range every box reads: above
// 1.79769313486232E+308 in magnitude. That is the written form of the largest
// double, which lies just above it, so every text the program writes reads back.
bool beyondRange(const SignificantDigits& text);

// The 64-bit value of a number text, or nothing when the text does not follow
// the rule or its value lies beyond the double range ("1e400"). The range ends
// at 1.79769313486232E+308, the written form of the largest double, so every
// text the program writes reads back. Values too small for a double read as zero.
std::optional<double> parseNumber(std::string_view text);

inline bool isValidNumber(std::string_view text) {
    return parseNumber(text).has_value();
}

// Int(x): the largest whole number not above x.
double intPart(double x);

// The whole number nearest to x, halves going to the even neighbour.
double nearestEven(double x);

// Up to 15 significant digits, no trailing zeros, fixed notation for decimal
// exponents -4 <= e <= 14, otherwise "1.5E+15" / "1E-05"; "-0" is written "0".
std::string generalForm(double x);

// The same layout for a number already rounded to at most 15 significant
// digits, by whatever arithmetic holds it.
std::string generalForm(const SignificantDigits& rounded);

// The general form with one leading blank for numbers that are not negative.
std::string leadingBlankForm(double x);

// Exact whole numbers in the leading-blank form (" 50847534").
std::string leadingBlankForm(std::uint64_t n);

// Format "#": rounded to a whole number (halves to even), plain digits, and the
// empty text when that is 0.
std::string hashFormat(double x);

// Plain decimal digits of a whole number.
std::string decimalDigits(std::uint64_t n);

// A number copied from a spreadsheet cell or a terminal line brings one line
// break ("\n" or "\r\n") at its end; a paste takes the text without it. A line
// break anywhere else stays, so such a text is still refused.
std::string_view withoutFinalLineBreak(std::string_view text);

} // namespace korvane
