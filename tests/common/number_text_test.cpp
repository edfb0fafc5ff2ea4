// The number rule and the text forms, as tables of literal strings, and the
// elapsed-time captions with the clock they read.
#include "common/elapsed_time.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvane;

constexpr double largest = std::numeric_limits<double>::max();

// Too small for a double reads as zero; the written form of the largest
// double lies just above it and must still read.
TEST(NumberText, readsEveryFormOfTheRule) {
    // clang-format off
    const std::pair<const char*, double> rows[] = {
        {"  12  ", 12}, {"\t7\t", 7}, {"007", 7}, {"5.", 5}, {"+.5", 0.5}, {"2.5e-3", 0.0025},
        {"-1.5E2", -150}, {"0e999999", 0}, {"1e-400", 0}, {"1.79769313486232E+308", largest},
        {"-1.79769313486232E+308", -largest}, {"0.0000179769313486232E+313", largest}};
    // clang-format on
    for (const auto& [text, expected] : rows) {
        const auto value = parseNumber(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, expected) << text;
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
    // clang-format off
    const std::pair<double, const char*> rows[] = {
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {20, "20"}, {0.1 + 0.2, "0.3"},
        {1.4142135623730951, "1.4142135623731"}, {1e14, "100000000000000"}, {999999999999999.9, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"}, {-2.5e100, "-2.5E+100"}, {0.0001, "0.0001"},
        {largest, "1.79769313486232E+308"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"}, {-0.0, "0"},
        {5e-324, "4.94065645841247E-324"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(generalForm(value), text) << text;
}

TEST(NumberText, leadingBlankFormMarksNonNegativeNumbers) {
    EXPECT_EQ(leadingBlankForm(12.0), " 12") << "positive";
    EXPECT_EQ(leadingBlankForm(-0.0), " 0") << "negative zero";
    EXPECT_EQ(leadingBlankForm(-3.5), "-3.5") << "negative";
    EXPECT_EQ(leadingBlankForm(std::uint64_t{50847534}), " 50847534") << "exact count";
}

// Halves of the "#" form go to the even neighbour, as nearest() does.
TEST(NumberText, hashFormatRoundsToWholeDigitsOrNothing) {
    // clang-format off
    const std::pair<double, const char*> rows[] = {{0.5, ""}, {-0.4, ""}, {1.5, "2"}, {2.5, "2"},
        {37.2, "37"}, {99.5, "100"}, {-3.6, "-4"}, {12345678901234567890.0, "12345678901234567168"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(hashFormat(value), text) << value;
}

TEST(ElapsedTime, captionsWholeSecondsOrUnderOne) {
    // Past a day still counts up: the clock is monotonic, not the time of day.
    EXPECT_EQ(elapsedCaption(0), "< 1 sec.");
    EXPECT_EQ(elapsedCaption(1), " 1 sec.");
    EXPECT_EQ(elapsedCaption(90061), " 90061 sec.");
}

// The clock counts whole seconds between its start and its stop, read from
// the time source a test hands in.
TEST(ElapsedTime, countsWholeSecondsBetweenStartAndStop) {
    using namespace std::chrono_literals;
    auto t = ElapsedClock::Clock::time_point{} + 100h;
    ElapsedClock::setTimeSource([&] { return t; });
    ElapsedClock clock;
    clock.start();
    t += 1999ms;
    clock.stop();
    t += 5s; // after the stop: not counted
    EXPECT_EQ(clock.seconds(), 1);
    ElapsedClock::setTimeSource({});
}
