// The statistics of a searched range against a slow plain listing (trial
// division, each constellation checked member by member) on small ranges
// walked on one thread and on two, and known figures, li's shares, the tie
// rule and li near 1E+19 where doubles fail.
#include "search/search_plan.h"
#include "stats/statistics_text.h"
#include "tests/reference_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

using namespace korvane::search;
using namespace korvane::stats;

namespace {

constexpr std::uint64_t oneThread = 20'000'000;
constexpr std::uint64_t twoThreads = 0; // splits even the smallest range at its middle

RangeStatistics statistics(std::uint64_t first, std::uint64_t last,
                           std::uint64_t parallelFrom = oneThread) {
    return computeStatistics({first, last, false}, {parallelFrom, nullptr}).value();
}

using Constellations4 = std::array<std::uint64_t, 4>; // triplets to sextuplets
using Gaps = std::map<std::uint64_t, std::uint64_t>;  // gap size: times
// Count, twin pairs, largest gap and the prime before its first occurrence,
// constellations, gaps, primes per interval.
using Figures = std::tuple<std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t,
                           Constellations4, Gaps, std::vector<std::uint64_t>>;

Figures figures(const RangeStatistics& s) {
    const Constellations& c = s.constellations;
    Gaps gaps;
    for (std::uint64_t g = 0; g < s.gapCounts.size(); ++g)
        if (s.gapCounts[g] > 0)
            gaps[g] = s.gapCounts[g];
    const Constellations4 four{c.triplets, c.quadruplets, c.quintuplets, c.sextuplets};
    return {s.primeCount, s.twinPairs, s.largestGap, s.gapStart, four, gaps, s.intervalPrimes};
}

// What a plain listing of [first, last] gives; 50 intervals, or one a number.
Figures listing(std::uint64_t first, std::uint64_t last) {
    const std::vector<std::vector<std::uint64_t>> patterns[] = {
        {{0, 2, 6}, {0, 4, 6}},
        {{0, 2, 6, 8}},
        {{0, 2, 6, 8, 12}, {0, 4, 6, 10, 12}},
        {{0, 4, 6, 10, 12, 16}},
    };
    const auto inRange = [&](std::uint64_t n) { return n <= last && isPrimeByTrialDivision(n); };
    auto [count, twins, gap, gapStart, constellations, gaps, intervals] = Figures{};
    const std::uint64_t numbers = last - first + 1;
    intervals.assign(std::min<std::uint64_t>(50, numbers), 0);
    std::uint64_t previous = 0;
    for (std::uint64_t p = first; p <= last; ++p) {
        if (!isPrimeByTrialDivision(p))
            continue;
        ++count;
        twins += inRange(p + 2);
        ++intervals[intervals.size() * (p - first) / numbers];
        if (previous != 0 && p - previous > gap)
            std::tie(gap, gapStart) = std::pair(p - previous, previous);
        if (previous != 0)
            ++gaps[p - previous];
        previous = p;
        for (std::size_t kind = 0; kind < 4; ++kind)
            for (const auto& offsets : patterns[kind])
                constellations[kind] += std::all_of(offsets.begin(), offsets.end(),
                                                    [&](auto o) { return inRange(p + o); });
    }
    return {count, twins, gap, gapStart, constellations, gaps, intervals};
}

} // namespace

// Small ranges chosen so that each constellation among the small primes lies
// across the two threads' split in some row, at every member, and partly
// inside the range in others (together they cover every such case that all
// ranges from below 30 to 120 numbers long give); around the sextuplets from
// 97, 16057 and 19417, split inside them; and a gap of 114 across the split.
TEST(RangeStatistics, agreesWithAPlainListingOnOneThreadAndOnTwo) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges{
        {0, 10},  {0, 11},   {0, 14},  {0, 17},         {0, 19}, {0, 22},  {0, 23},
        {0, 26},  {0, 34},   {0, 38},  {0, 74},         {0, 82}, {0, 86},  {2, 12},
        {4, 10},  {4, 18},   {4, 22},  {6, 16},         {8, 18}, {8, 126}, {10, 16},
        {12, 22}, {12, 130}, {16, 22}, {492000, 492340}};
    for (const std::uint64_t start : {97, 16057, 19417})
        for (std::uint64_t from = start - 12; from <= start + 4; from += 2)
            ranges.emplace_back(from, start + 20 - (from - start + 12) / 2);
    for (const auto& [first, last] : ranges) {
        const Figures expected = listing(first, last);
        for (const std::uint64_t parallelFrom : {oneThread, twoThreads})
            ASSERT_EQ(figures(statistics(first, last, parallelFrom)), expected)
                << first << " to " << last << (parallelFrom == twoThreads ? ", two threads" : "");
    }
}

TEST(RangeStatistics, knownFiguresOnOneThreadAndOnTwo) {
    for (const std::uint64_t parallelFrom : {oneThread, twoThreads}) {
        SCOPED_TRACE(parallelFrom == twoThreads ? "two threads" : "one thread");
        const RangeStatistics s = statistics(0, 1000000, parallelFrom);
        EXPECT_EQ(std::get<Constellations4>(figures(statistics(0, 100, parallelFrom))),
                  (Constellations4{8, 2, 3, 1}));
        EXPECT_EQ(std::get<Constellations4>(figures(s)), (Constellations4{2837, 166, 65, 5}));
        EXPECT_EQ(describe(s).commonGap, "6 (13549 times)");
        EXPECT_EQ(std::tie(s.primeCount, s.twinPairs, s.largestGap, s.gapStart),
                  std::tuple(78498u, 8169u, 114u, 492113u));
        EXPECT_EQ(s.intervalPrimes.at(0), 2262u) << "the primes below 20000";
        EXPECT_EQ(twoDecimals(s.predicted).substr(0, 7), "78627.5") << "li(1000000) = 78627.549...";
        EXPECT_EQ(s.predictedWhole, 78628u);
        EXPECT_NEAR(std::accumulate(s.intervalPredicted.begin(), s.intervalPredicted.end(), 0.0),
                    78627.6215418732, 1e-6)
            << "li(1000001): the shares end past 1000000";
    }
}

// The gap that occurs most often, the smaller one on a tie; the gap of 1
// between 2 and 3 takes part.
TEST(RangeStatistics, namesTheMostCommonGapTheSmallerOnATie) {
    const std::tuple<const char*, std::uint64_t, std::uint64_t, const char*> rows[] = {
        {"fewer than two primes", 24, 30, "-"},
        {"only the gap of 1", 2, 3, "1 (1 time)"},
        {"1 and 2 once each", 2, 5, "1 (1 time)"},
        {"4 and 2 once each", 7, 13, "2 (1 time)"},
        {"6 and 4 twice each, 2 once", 30, 53, "4 (2 times)"},
    };
    for (const auto& [name, first, last, text] : rows)
        EXPECT_EQ(describe(statistics(first, last)).commonGap, text) << name;
}

// Each interval's share of li covers exactly the numbers it holds, the last
// one included (a share one number short drew the line down to the axis on
// the last bar). Values from an independent evaluation of li.
TEST(RangeStatistics, liSharesCoverEachIntervalsNumbers) {
    const std::vector<double> one = statistics(5, 29).intervalPredicted;
    const std::vector<double> two = statistics(0, 99).intervalPredicted;
    EXPECT_NEAR(one.at(0), 0.5876340805064493, 1e-12) << "li(6) - li(5)";
    EXPECT_NEAR(one.back(), 0.2954808496169935, 1e-12) << "li(30) - li(29)";
    EXPECT_NEAR(two.at(0), 1.0451637801174928, 1e-12) << "li(2) - li(0)";
    EXPECT_NEAR(two.back(), 0.4352466722238600, 1e-12) << "li(100) - li(98)";
}

// A range of exactly 20,000,000 numbers is the first one shared by two
// threads; by the search too.
TEST(RangeStatistics, twoThreadsFromTwentyMillionNumbers) {
    for (const auto& [last, threads] : {std::pair{19'999'998u, 1u}, {19'999'999u, 2u}}) {
        EXPECT_EQ(computeStatistics({0, last, false}).value().threads, threads) << last;
        EXPECT_EQ(planSearch({0, last}, {}).split, threads == 2) << "search to " << last;
    }
}

// One prime: no gap, and li predicts 0 for a single number; a value that rounds
// to zero is written without a minus.
TEST(RangeStatistics, writesWhatCannotBeWorkedOutAsADashAndZeroWithoutAMinus) {
    const StatisticsText t = describe(statistics(7, 7));
    EXPECT_EQ(std::tie(t.range, t.gap, t.averageGap, t.predicted, t.deviation),
              std::tuple("7 to 7", "-", "-", "0", "-"));
    EXPECT_EQ(twoDecimals(-0.004), "0.00");
}

// Near 1E+19 li is about 2.3E+17, where doubles are 32 apart; over a range of
// 1000 numbers the integral of 1/ln t is 1000 / ln(middle) to far more digits
// than shown. The primes were listed by an independent primality test.
TEST(RangeStatistics, aNarrowRangeBelowTenToTheNineteenth) {
    const std::uint64_t last = 10'000'000'000'000'000'000u;
    const RangeStatistics s = statistics(last - 1000, last);
    EXPECT_EQ(std::tie(s.primeCount, s.largestPrime, s.largestGap, s.gapStart, s.predictedWhole),
              std::tuple(24u, 9'999'999'999'999'999'961u, 210u, 9'999'999'999'999'999'053u, 23u));
    const double expected = 1000 / std::log(9.9999999999999995e18);
    EXPECT_NEAR(s.predicted, expected, 1e-9);
    EXPECT_NEAR(*s.deviationPercent, 100 * (24 - expected) / expected, 1e-7);
}
