// Elapsed-time captions.
#include "common/elapsed_time.h"

#include <gtest/gtest.h>

using namespace korvane;

TEST(ElapsedTime, captionsWholeSecondsOrUnderOne) {
    const struct {
        long long seconds;
        const char* caption;
    } rows[] = {
        {0, "< 1 sec."},        {1, " 1 sec."},         {40, " 40 sec."},
        {225, " 225 sec."},     {40000, " 40000 sec."}, // past nine hours still counts up
        {90061, " 90061 sec."},                         // and past a day
    };
    for (const auto& row : rows)
        EXPECT_EQ(elapsedCaption(row.seconds), row.caption);
}

TEST(ElapsedTime, aClockStoppedAtOnceReadsUnderOneSecond) {
    ElapsedClock clock;
    EXPECT_EQ(clock.seconds(), 0);
    clock.start();
    clock.stop();
    EXPECT_EQ(elapsedCaption(clock.seconds()), "< 1 sec.");
}
