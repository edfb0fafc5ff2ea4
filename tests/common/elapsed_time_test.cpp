// Elapsed-time captions.
#include "common/elapsed_time.h"

#include <gtest/gtest.h>

using namespace korvane;

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
