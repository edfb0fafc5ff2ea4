// The number rule and the text forms, as tables of literal strings, and the
// elapsed-time captions with the clock they read.
#include "common/elapsed_time.h"
#include "common/exact_number.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvane;

constexpr double largest = std::numeric_limits<double>::max();

// Too small for a double reads as zero; the written form of the largest
// double lies just above it and must still read. Exact numbers refuse the same.
TEST(NumberText, readsEveryFormOfTheRuleAndRefusesTheRest) {
    // clang-format off
    const std::pair<const char*, double> rows[] = {{"  12  ", 12}, {"\t7\t", 7}, {"+.5", 0.5},
        {"2.5e-3", 0.0025}, {"1e-400", 0}, {"-1.79769313486232E+308", -largest},
        {"0.0000179769313486232E+313", largest}};
    // clang-format on
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(parseNumber(text), expected) << text;
    for (const char* text : {"", " ", ".", "+", "1e+", ".e5", "1 000", "1,5", "0x10", "12a", "inf",
                             "1e5.5", "- 1", "1e400", "1e999999999", "1.79769313486233E+308"}) {
        EXPECT_FALSE(isValidNumber(text)) << '"' << text << '"';
        EXPECT_FALSE(ExactNumber::read(text)) << '"' << text << '"' << " as an exact number";
    }
}

TEST(NumberText, generalFormWritesFifteenDigitsAndExponentStyle) {
    // clang-format off
    const std::pair<double, const char*> rows[] = {{2.0 / 3, "0.666666666666667"}, {20, "20"},
        {1.4142135623730951, "1.4142135623731"}, {1e14, "100000000000000"},
        {999999999999999.9, "1E+15"}, {-2.5e100, "-2.5E+100"}, {0.0001, "0.0001"},
        {-1.5e-7, "-1.5E-07"}, {-0.0, "0"}, {largest, "1.79769313486232E+308"},
        {5e-324, "4.94065645841247E-324"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(generalForm(value), text) << text;
}

// A leading blank where a minus sign would stand; "#" rounds halves to the
// even neighbour and shows nothing for 0.
TEST(NumberText, leadingBlankAndHashForms) {
    EXPECT_EQ(leadingBlankForm(12.0), " 12") << "positive";
    EXPECT_EQ(leadingBlankForm(-0.0), " 0") << "negative zero";
    EXPECT_EQ(leadingBlankForm(-3.5), "-3.5") << "negative";
    EXPECT_EQ(leadingBlankForm(std::uint64_t{50847534}), " 50847534") << "exact count";
    // clang-format off
    const std::pair<double, const char*> rows[] = {{0.5, ""}, {1.5, "2"}, {2.5, "2"}, {-3.6, "-4"},
        {12345678901234567890.0, "12345678901234567168"}};
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(hashFormat(value), text) << value;
}

// The clock counts whole seconds between its start and its stop, read from
// the time source a test hands in; past a day the caption still counts up.
TEST(ElapsedTime, countsAndCaptionsWholeSecondsBetweenStartAndStop) {
    EXPECT_EQ(elapsedCaption(90061), " 90061 sec.");
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
