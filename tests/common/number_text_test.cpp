// The number rule and the text forms, as tables of literal strings.
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace korvane;

namespace {
constexpr double largest = std::numeric_limits<double>::max();
}

TEST(NumberText, readsEveryFormOfTheRule) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"0", 0},
        {"  12  ", 12},
        {"\t7\t", 7},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"5.", 5},
        {".5", 0.5},
        {"+.5", 0.5},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"2.5e-3", 0.0025},
        {"-1.5E2", -150},
        {"1000000007", 1000000007},
        {"1E+19", 1e19},
        {"0e999999", 0},
        {"1e-400", 0}, // too small for a double: zero, not an error
        {"1.7976931348623157e308", largest},
        {"1.79769313486232E+308", largest}, // what the largest double is written as
        {"-1.79769313486232E+308", -largest},
        {"0.0000179769313486232E+313", largest},
    };
    for (const auto& row : rows) {
        const auto value = parseNumber(row.text);
        ASSERT_TRUE(value.has_value()) << row.text;
        EXPECT_EQ(*value, row.value) << row.text;
        EXPECT_TRUE(isValidNumber(row.text)) << row.text;
    }
}

TEST(NumberText, refusesTextsOutsideTheRuleOrTheRange) {
    const char* rows[] = {
        "",
        " ",
        "abc",
        "none",
        "1.2.3",
        ".",
        "+",
        "-",
        "1e",
        "1e+",
        "e5",
        ".e5",
        "1 000",
        "1,5",
        "$5",
        "0x10",
        "1d5",
        "--1",
        "+-1",
        "12a",
        "inf",
        "nan",
        "1e5.5",
        "- 1",
        "1e400",
        "-1e400",
        "1.79769313486233E+308",
        "1.797693134862321E+308",
        "1E+309",
        "1e99999999999999999999",
    };
    for (const char* text : rows) {
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
        EXPECT_FALSE(isValidNumber(text)) << '"' << text << '"';
    }
}

TEST(NumberText, splitsTheTypedParts) {
    const auto parts = splitDecimal(" -012.50e-3 ");
    ASSERT_TRUE(parts.has_value());
    EXPECT_TRUE(parts->negative);
    EXPECT_EQ(parts->intDigits, "012");
    EXPECT_EQ(parts->fracDigits, "50");
    EXPECT_EQ(parts->exponent, -3);
}

TEST(NumberText, generalFormWritesFifteenDigitsAndExponentStyle) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {std::sqrt(2.0), "1.4142135623731"},
        {3.14159265358979323846, "3.14159265358979"},
        {5 + 3.14159265358979323846, "8.14159265358979"},
        {std::sqrt(7.0), "2.64575131106459"},
        {123456789012345, "123456789012345"},
        {0.25, "0.25"},
        {20, "20"},
        {0.1 + 0.2, "0.3"},
        {-1234.5, "-1234.5"},
        {1e14, "100000000000000"},
        {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"}, // rounds up into exponent form
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {-2.5e100, "-2.5E+100"},
        {largest, "1.79769313486232E+308"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {1e-300 * 1e-300, "0"},
        {-0.0, "0"},
        {(0.0 - 5) * 0, "0"},
        {5e-324, "4.94065645841247E-324"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(generalForm(row.value), row.text) << row.text;
}

TEST(NumberText, everyWrittenTextReadsBack) {
    for (double x : {largest, -largest, 1.0 / 3, 1e-5, 5e-324, 123456789012345.0, 1.5e20}) {
        const auto back = parseNumber(generalForm(x));
        ASSERT_TRUE(back.has_value()) << generalForm(x);
        EXPECT_EQ(generalForm(*back), generalForm(x));
    }
}

TEST(NumberText, leadingBlankFormMarksNonNegativeNumbers) {
    EXPECT_EQ(leadingBlankForm(12.0), " 12");
    EXPECT_EQ(leadingBlankForm(0.0), " 0");
    EXPECT_EQ(leadingBlankForm(-0.0), " 0");
    EXPECT_EQ(leadingBlankForm(-3.5), "-3.5");
    EXPECT_EQ(leadingBlankForm(1e15), " 1E+15");
    EXPECT_EQ(leadingBlankForm(std::uint64_t{0}), " 0");
    EXPECT_EQ(leadingBlankForm(std::uint64_t{1229}), " 1229");
    EXPECT_EQ(leadingBlankForm(std::uint64_t{50847534}), " 50847534");
}

TEST(NumberText, hashFormatRoundsToWholeDigitsOrNothing) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0, ""},
        {0.4, ""},
        {0.5, ""},
        {-0.4, ""},
        {1.5, "2"},
        {2.5, "2"},
        {37.2, "37"},
        {99.5, "100"},
        {100, "100"},
        {-3.6, "-4"},
        {1e15, "1000000000000000"},
        {12345678901234567890.0, "12345678901234567168"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(hashFormat(row.value), row.text) << row.value;
}

TEST(NumberText, wholeNumberHelpers) {
    EXPECT_EQ(nearestEven(2.5), 2);
    EXPECT_EQ(nearestEven(3.5), 4);
    EXPECT_EQ(nearestEven(-2.5), -2);
    EXPECT_EQ(nearestEven(0.49), 0);
    EXPECT_EQ(intPart(2.7), 2);
    EXPECT_EQ(intPart(-2.5), -3);
    EXPECT_EQ(intPart(5), 5);
    EXPECT_EQ(decimalDigits(0), "0");
    EXPECT_EQ(decimalDigits(18446744073709551615u), "18446744073709551615");
}
