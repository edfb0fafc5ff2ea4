// The number rule and the text forms, as tables of literal strings.
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvane;

constexpr double largest = std::numeric_limits<double>::max();

// Too small for a double reads as zero; the written form of the largest
// double lies just above it and must still read.
TEST(NumberText, readsEveryFormOfTheRule) {
    const struct {
        const char* text;
        double value;
    } rows[] = {// clang-format off
        {"  12  ", 12}, {"\t7\t", 7}, {"007", 7}, {"5.", 5}, {"+.5", 0.5}, {"2.5e-3", 0.0025},
        {"-1.5E2", -150}, {"0e999999", 0}, {"1e-400", 0}, {"1.79769313486232E+308", largest},
        {"-1.79769313486232E+308", -largest}, {"0.0000179769313486232E+313", largest}};
    // clang-format on
    for (const auto& row : rows) {
        const auto value = parseNumber(row.text);
        ASSERT_TRUE(value.has_value()) << row.text;
        EXPECT_EQ(*value, row.value) << row.text;
    }
}

TEST(NumberText, refusesTextsOutsideTheRuleOrTheRange) {
    for (const char* text :
         {"",    " ",     "abc",   "1.2.3", ".",     "+",      "1e",     "1e+",
          ".e5", "1 000", "1,5",   "$5",    "0x10",  "1d5",    "+-1",    "12a",
          "inf", "nan",   "1e5.5", "- 1",   "1e400", "-1e400", "1E+309", "1.79769313486233E+308"})
        EXPECT_FALSE(isValidNumber(text)) << '"' << text << '"';
}

TEST(NumberText, generalFormWritesFifteenDigitsAndExponentStyle) {
    const struct {
        double value;
        const char* text;
    } rows[] = {// clang-format off
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {20, "20"}, {0.1 + 0.2, "0.3"},
        {1.4142135623730951, "1.4142135623731"}, {1e14, "100000000000000"}, {999999999999999.9, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"}, {-2.5e100, "-2.5E+100"}, {0.0001, "0.0001"},
        {largest, "1.79769313486232E+308"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"}, {-0.0, "0"},
        {5e-324, "4.94065645841247E-324"}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(generalForm(row.value), row.text) << row.text;
}

TEST(NumberText, leadingBlankFormMarksNonNegativeNumbers) {
    EXPECT_EQ(leadingBlankForm(12.0), " 12") << "positive";
    EXPECT_EQ(leadingBlankForm(-0.0), " 0") << "negative zero";
    EXPECT_EQ(leadingBlankForm(-3.5), "-3.5") << "negative";
    EXPECT_EQ(leadingBlankForm(std::uint64_t{50847534}), " 50847534") << "exact count";
}

// Halves of the "#" form go to the even neighbour, as nearest() does.
TEST(NumberText, hashFormatRoundsToWholeDigitsOrNothing) {
    const struct {
        double value;
        const char* text;
    } rows[] = {// clang-format off
        {0.5, ""}, {-0.4, ""}, {1.5, "2"}, {2.5, "2"}, {37.2, "37"}, {99.5, "100"}, {-3.6, "-4"},
        {12345678901234567890.0, "12345678901234567168"}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(hashFormat(row.value), row.text) << row.value;
}
