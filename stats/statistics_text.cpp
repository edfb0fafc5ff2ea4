// The statistics' figures as text, made with to_chars so that the user's
// locale never turns a point into a comma.
#include "stats/statistics_text.h"

#include "common/number_text.h"

#include <charconv>
#include <cmath>

namespace korvane::stats {

std::string twoDecimals(double x) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 2).ptr;
    std::string out(text, end);
    if (out == "-0.00")
        out.erase(0, 1);
    return out;
}

StatisticsText describe(const RangeStatistics& s) {
    StatisticsText t;
    t.range = search::rangeText(s.range);
    t.count = decimalDigits(s.primeCount);
    t.twins = decimalDigits(s.twinPairs);
    t.triplets = decimalDigits(s.constellations.triplets);
    t.quadruplets = decimalDigits(s.constellations.quadruplets);
    t.quintuplets = decimalDigits(s.constellations.quintuplets);
    t.sextuplets = decimalDigits(s.constellations.sextuplets);
    const bool gaps = s.primeCount >= 2;
    t.gap = gaps ? decimalDigits(s.largestGap) : "-";
    t.gapStart = gaps ? decimalDigits(s.gapStart) : "-";
    t.gapEnd = gaps ? decimalDigits(s.gapEnd) : "-";
    t.commonGap = gaps ? decimalDigits(s.commonGap) + " (" + decimalDigits(s.commonGapCount) +
                             (s.commonGapCount == 1 ? " time)" : " times)")
                       : "-";
    t.averageGap = gaps ? twoDecimals(static_cast<double>(s.largestPrime - s.smallestPrime) /
                                      static_cast<double>(s.primeCount - 1))
                        : "-";
    const long double middle =
        (static_cast<long double>(s.range.first) + static_cast<long double>(s.range.last)) / 2;
    t.logMiddle = middle > 0 ? twoDecimals(static_cast<double>(std::log(middle))) : "-";
    t.predicted = decimalDigits(s.predictedWhole);
    t.deviation = s.deviationPercent ? twoDecimals(*s.deviationPercent) + " %" : "-";
    return t;
}

} // namespace korvane::stats
