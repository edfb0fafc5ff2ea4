// Exact numbers as named rows of literal values: reading, the 15-digit display
// rounding, 40-digit roots, the ends of the double range, and pi.
#include "common/exact_number.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// Too small for a double reads as 0; the written form of the largest double
// lies just above it and reads as it, so every text the calculator shows reads back.
TEST(ExactNumber, readsTypedTextsExactly) {
    const ExactNumber largest = twoTo(1024) - twoTo(971), zero;
    // clang-format off
    const std::pair<const char*, ExactNumber> rows[] = {{"2.5e-3", fraction(1, 400)},
        {"-1.5E2", ExactNumber(-150)}, {"1e-999999999", zero}, {"2E-324", zero},
        {"1.79769313486232E+308", largest}, {"-1.79769313486232E+308", zero - largest}};
    // clang-format on
    for (const auto& [text, value] : rows)
        EXPECT_EQ(number(text), value) << text;
    EXPECT_EQ(shown(number("3E-324")), "3E-324") << "between 2^-1075 and the smallest double";
}

// The display's 15 digits, halves to the even digit, a carry into a new digit;
// 40-digit pi shows as the double does.
TEST(ExactNumber, roundsTheDisplayToFifteenDigitsHalvesToEven) {
    const ExactNumber pi = number("3.141592653589793238462643383279502884197");
    // clang-format off
    const std::tuple<ExactNumber, int, const char*> rows[] = {
        {number("123456789012344.5"), 15, "123456789012344"}, {ExactNumber(), 15, "0"},
        {number("123456789012345.5"), 15, "123456789012346"}, {pi, 15, "3.14159265358979"},
        {number("-0.1234567890123455"), 15, "-0.123456789012346"}, {pi, 17, "3.1415926535897932"},
        {number("1.00000000000000500000000000000001"), 15, "1.00000000000001"},
        {number("9999999999999995"), 15, "1E+16"}, {fraction(-2, 3), 15, "-0.666666666666667"}};
    // clang-format on
    for (const auto& [value, digits, text] : rows)
        EXPECT_EQ(shown(value, digits), text) << text;
}

// Where exactness stops, 40 digits are held, halves to even there too.
TEST(ExactNumber, holdsFortyDigitsHalvesToEven) {
    const ExactNumber tenth = number("0.1");
    const std::pair<const char*, const char*> rows[] = {
        {"5E-41", "0"}, {"1.5E-40", "2E-40"}, {"2.51E-40", "3E-40"}};
    for (const auto& [beyond, held] : rows)
        EXPECT_EQ((tenth + number(beyond)).rounded(40), tenth + number(held)) << "0.1 + " << beyond;
}

// A root is exact only when numerator and denominator are both squares;
// otherwise it is held to the digits asked for, halves to even.
TEST(ExactNumber, takesSquareRootsExactlyOrToFortyDigits) {
    EXPECT_EQ(fraction(9, 4).exactSquareRoot(), fraction(3, 2)) << "9/4";
    for (const char* text : {"0.5", "2", "-4"})
        EXPECT_FALSE(number(text).exactSquareRoot().has_value()) << text << " has no exact root";
    // clang-format off
    const std::tuple<const char*, int, const char*> roots[] = {
        {"2", 40, "1.414213562373095048801688724209698078570"}, {"1E-300", 40, "1E-150"},
        {"0.5", 40, "0.7071067811865475244008443621048490392848"}, {"6.25", 1, "2"},
        {"12.25", 1, "4"}};
    // clang-format on
    for (const auto& [text, digits, root] : roots)
        EXPECT_EQ(number(text).squareRoot(digits), number(root)) << "root of " << text;
}

// A double keeps 2^-1075 and more, and overflows from halfway between its
// largest value and 2^1024.
TEST(ExactNumber, knowsTheEndsOfTheDoubleRange) {
    const ExactNumber edge = twoTo(-1075), overflow = twoTo(1024) - twoTo(970), zero;
    EXPECT_FALSE(edge.belowDoubleRange()) << "2^-1075 itself";
    EXPECT_FALSE((zero - edge).belowDoubleRange()) << "-2^-1075";
    EXPECT_TRUE((edge - twoTo(-1200)).belowDoubleRange()) << "just below 2^-1075";
    EXPECT_FALSE((overflow - twoTo(900)).overflowsDouble()) << "just below halfway";
    EXPECT_TRUE(overflow.overflowsDouble()) << "halfway to 2^1024";
    EXPECT_TRUE((zero - overflow).overflowsDouble()) << "negative halfway";
}
