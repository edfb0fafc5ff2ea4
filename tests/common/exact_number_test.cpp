// Exact numbers as named rows of literal values: reading, the 15-digit display
// rounding, 40-digit roots, the ends of the double range, and pi.
#include "common/exact_number.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace korvane;

namespace {

ExactNumber fraction(std::int64_t num, std::int64_t den) {
    return ExactNumber(num) / ExactNumber(den);
}

ExactNumber number(const char* text) {
    const auto value = ExactNumber::read(text);
    EXPECT_TRUE(value.has_value()) << text << " reads";
    return value.value_or(ExactNumber());
}

// 2^power, one halving or doubling at a time.
ExactNumber twoTo(int power) {
    ExactNumber out(1);
    for (int i = 0; i < (power < 0 ? -power : power); ++i)
        out = power < 0 ? out / ExactNumber(2) : out * ExactNumber(2);
    return out;
}

std::string shown(const ExactNumber& x, int digits = 15) {
    return generalForm(x.roundedDigits(digits));
}

} // namespace

TEST(ExactNumber, readsTypedTextsExactly) {
    // clang-format off
    const std::tuple<const char*, std::int64_t, std::int64_t> rows[] = {
        {" -007 ", -7, 1}, {"0.1", 1, 10}, {"+.5", 1, 2}, {"5.", 5, 1}, {"2.5e-3", 1, 400},
        {"-1.5E2", -150, 1}, {"0e999999", 0, 1}, {"1e-999999999", 0, 1}, {"1E-325", 0, 1}};
    // clang-format on
    for (const auto& [text, num, den] : rows)
        EXPECT_EQ(number(text), fraction(num, den)) << text;
    for (const char* text : {"", "abc", "1.2.3", ".", "1,5", "1e", "- 1", "1e999999999",
                             "1.79769313486233E+308", "-1E309"})
        EXPECT_FALSE(ExactNumber::read(text).has_value()) << '"' << text << '"';
}

// The written form of the largest double lies just above it and reads as it,
// so every text the calculator shows reads back.
TEST(ExactNumber, readsTheEndsOfTheDoubleRange) {
    const ExactNumber largest = twoTo(1024) - twoTo(971);
    EXPECT_EQ(number("1.79769313486232E+308"), largest) << "largest";
    EXPECT_EQ(number("-1.79769313486232E+308"), ExactNumber() - largest) << "most negative";
    EXPECT_EQ(shown(number("3E-324")), "3E-324") << "between 2^-1075 and the smallest double";
    EXPECT_EQ(number("2E-324"), ExactNumber()) << "below 2^-1075";
}

// The display's 15 digits, halves to the even digit, a carry into a new digit.
TEST(ExactNumber, roundsTheDisplayToFifteenDigitsHalvesToEven) {
    const std::pair<ExactNumber, const char*> rows[] = {
        {number("123456789012344.5"), "123456789012344"},
        {number("123456789012345.5"), "123456789012346"},
        {number("0.1234567890123445"), "0.123456789012344"},
        {number("-0.1234567890123455"), "-0.123456789012346"},
        {number("1.00000000000000500000000000000001"), "1.00000000000001"},
        {number("9999999999999985"), "9.99999999999998E+15"},
        {number("9999999999999995"), "1E+16"},
        {fraction(1, 3), "0.333333333333333"},
        {fraction(-2, 3), "-0.666666666666667"},
        {ExactNumber(), "0"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(shown(value), text) << text;
}

TEST(ExactNumber, holdsFortyDigitsHalvesToEven) {
    const std::pair<const char*, const char*> rows[] = {
        {"0.10000000000000000000000000000000000000005", "0.1"},
        {"0.10000000000000000000000000000000000000015",
         "0.1000000000000000000000000000000000000002"},
        {"0.100000000000000000000000000000000000000251",
         "0.1000000000000000000000000000000000000003"},
    };
    for (const auto& [text, held] : rows)
        EXPECT_EQ(number(text).rounded(40), number(held)) << text;
    EXPECT_FALSE(number("1E-40").denominatorExceedsTenTo(40)) << "10^40 itself";
    EXPECT_TRUE(number("1E-41").denominatorExceedsTenTo(40)) << "10^41";
}

// A root is exact only when numerator and denominator are both squares;
// otherwise it is held to 40 digits.
TEST(ExactNumber, takesSquareRootsExactlyOrToFortyDigits) {
    EXPECT_EQ(number("2.25").exactSquareRoot(), number("1.5")) << "2.25";
    EXPECT_EQ(fraction(1, 9).exactSquareRoot(), fraction(1, 3)) << "1/9";
    for (const char* text : {"0.5", "2", "-4"})
        EXPECT_FALSE(number(text).exactSquareRoot().has_value()) << text << " has no exact root";
    const std::pair<const char*, const char*> roots[] = {
        {"2", "1.414213562373095048801688724209698078570"},
        {"0.5", "0.7071067811865475244008443621048490392848"},
        {"3", "1.732050807568877293527446341505872366943"},
        {"1E-300", "1E-150"},
    };
    for (const auto& [text, root] : roots)
        EXPECT_EQ(number(text).squareRoot(40), number(root)) << "root of " << text;
    // Roots that fall exactly halfway at one digit: 1.5, 2.5 and 3.5.
    EXPECT_EQ(number("2.25").squareRoot(1), ExactNumber(2)) << "1.5 to 2";
    EXPECT_EQ(number("6.25").squareRoot(1), ExactNumber(2)) << "2.5 to 2";
    EXPECT_EQ(number("12.25").squareRoot(1), ExactNumber(4)) << "3.5 to 4";
}

// A double keeps 2^-1075 and more, and overflows from halfway between its
// largest value and 2^1024; a rounding that stepped over either end comes back.
TEST(ExactNumber, knowsTheEndsOfTheDoubleRange) {
    const ExactNumber edge = twoTo(-1075), largest = twoTo(1024) - twoTo(971);
    const ExactNumber overflow = twoTo(1024) - twoTo(970), zero;
    EXPECT_FALSE(edge.belowDoubleRange()) << "2^-1075 itself";
    EXPECT_FALSE((zero - edge).belowDoubleRange()) << "-2^-1075";
    EXPECT_TRUE((edge - twoTo(-1200)).belowDoubleRange()) << "just below 2^-1075";
    EXPECT_TRUE(zero.belowDoubleRange()) << "0";
    EXPECT_FALSE((overflow - twoTo(900)).overflowsDouble()) << "just below halfway";
    EXPECT_TRUE(overflow.overflowsDouble()) << "halfway to 2^1024";
    EXPECT_TRUE((zero - overflow).overflowsDouble()) << "negative halfway";
    EXPECT_EQ((largest + ExactNumber(1)).clampedToDoubleRange(), largest) << "above largest";
    EXPECT_EQ((zero - largest - ExactNumber(1)).clampedToDoubleRange(), zero - largest)
        << "below most negative";
    EXPECT_EQ(twoTo(-1076).clampedToDoubleRange(), edge) << "below 2^-1075";
    EXPECT_EQ(ExactNumber(5).clampedToDoubleRange(), ExactNumber(5)) << "inside";
    EXPECT_EQ(zero.clampedToDoubleRange(), zero) << "0 stays 0";
}

TEST(ExactNumber, showsFortyDigitPiAsTheDoubleDoes) {
    const ExactNumber pi = number("3.141592653589793238462643383279502884197");
    EXPECT_EQ(shown(pi), "3.14159265358979") << "the display";
    EXPECT_EQ(shown(pi, 17), "3.1415926535897932") << "17 digits";
}

TEST(ExactNumber, givesWholeNumbersAroundAValueWhenTheyFit64Bits) {
    constexpr auto most = std::numeric_limits<std::uint64_t>::max();
    using Whole = std::optional<std::uint64_t>;
    // clang-format off
    const std::tuple<const char*, Whole, Whole> rows[] = {
        {"2.5", 3, 2}, {"-0.5", 0, std::nullopt}, {"18446744073709551615", most, most},
        {"18446744073709551615.5", std::nullopt, most}, {"18446744073709551616", std::nullopt, std::nullopt}};
    // clang-format on
    for (const auto& [text, ceil, floor] : rows) {
        EXPECT_EQ(number(text).ceilWhole(), ceil) << "ceiling of " << text;
        EXPECT_EQ(number(text).floorWhole(), floor) << "floor of " << text;
    }
}
