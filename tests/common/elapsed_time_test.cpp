// Elapsed-time captions.
#include "common/elapsed_time.h"

#include <gtest/gtest.h>

using namespace korvane;

TEST(ElapsedTime, captionsWholeSecondsOrUnderOne) {
    // Past a day still counts up: the clock is monotonic, not the time of day.
    EXPECT_EQ(elapsedCaption(0), "< 1 sec.");
    EXPECT_EQ(elapsedCaption(1), " 1 sec.");
    EXPECT_EQ(elapsedCaption(90061), " 90061 sec.");
    ElapsedClock clock;
    clock.start();
    clock.stop();
    EXPECT_EQ(elapsedCaption(clock.seconds()), "< 1 sec.");
}
