// The statistics as the window writes them.
#pragma once

#include "stats/range_statistics.h"

#include <string>

namespace korvane::stats {

// Whole numbers in full, two decimals for the averages and the deviation
// ("-0.16 %"), "-" where there is no figure; the most common gap with how
// often it occurs ("6 (13549 times)").
struct StatisticsText {
    std::string range, count, twins, triplets, quadruplets, quintuplets, sextuplets, gap, gapStart,
        gapEnd, commonGap, averageGap, logMiddle, predicted, deviation;
};
StatisticsText describe(const RangeStatistics& s);

// x with two decimals ("12.74"); a value that rounds to zero is "0.00", unsigned.
std::string twoDecimals(double x);

} // namespace korvane::stats
