// The statistics of a searched range: known counts, the intervals' rule, the
// two threads' joint at the middle, and li near 1E+19 where doubles fail.
#include "search/bounds.h"
#include "search/search_plan.h"
#include "stats/statistics_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace korvane::search;
using namespace korvane::stats;

namespace {

constexpr std::uint64_t oneThread = 20'000'000;
constexpr std::uint64_t twoThreads = 0; // splits even the smallest range at its middle

RangeStatistics statistics(std::uint64_t first, std::uint64_t last,
                           std::uint64_t parallelFrom = oneThread) {
    return computeStatistics({first, last, false}, {parallelFrom, nullptr}).value();
}

std::uint64_t sum(const std::vector<std::uint64_t>& v) {
    return std::accumulate(v.begin(), v.end(), std::uint64_t{0});
}

} // namespace

TEST(RangeStatistics, knownFiguresToAMillionOnOneThreadAndOnTwo) {
    for (const std::uint64_t parallelFrom : {oneThread, twoThreads}) {
        SCOPED_TRACE(parallelFrom == twoThreads ? "two threads" : "one thread");
        const RangeStatistics s = statistics(0, 1000000, parallelFrom);
        EXPECT_EQ(s.primeCount, 78498u);
        EXPECT_EQ(s.twinPairs, 8169u);
        EXPECT_EQ(s.largestGap, 114u);
        EXPECT_EQ(s.gapStart, 492113u);
        EXPECT_EQ(s.gapEnd, 492227u);
        EXPECT_EQ(s.intervalPrimes.size(), 50u);
        EXPECT_EQ(s.intervalPrimes[0], 2262u) << "the primes below 20000";
        EXPECT_EQ(sum(s.intervalPrimes), s.primeCount);
        EXPECT_EQ(twoDecimals(s.predicted).substr(0, 7), "78627.5") << "li(1000000) = 78627.549...";
        EXPECT_EQ(s.predictedWhole, 78628u);
        const double predictedSum =
            std::accumulate(s.intervalPredicted.begin(), s.intervalPredicted.end(), 0.0);
        EXPECT_NEAR(predictedSum, 78627.6215418732, 1e-6)
            << "li(1000001): the shares end past 1000000";
    }
}

// Slow-but-obvious listings (trial division) give the expected columns. The
// second thread begins just after the middle, so each row also checks what
// crosses it.
TEST(RangeStatistics, smallRangesAgreeWithAListingOnOneThreadAndOnTwo) {
    const struct Row {
        const char* name;
        std::uint64_t first, last;
        std::uint64_t count, twins, gap, gapStart;
        std::vector<std::uint64_t> firstIntervals;
        std::size_t intervals;
    } rows[] = {
        // clang-format off
        {"no prime", 24, 28, 0, 0, 0, 0, {0, 0, 0, 0, 0}, 5},
        {"one prime", 24, 30, 1, 0, 0, 0, {0, 0, 0, 0, 0, 1, 0}, 7},
        {"the twins 5 and 7 lie across the middle", 0, 12, 5, 2, 4, 7, {0, 0, 1, 1, 0, 1}, 13},
        {"of equal gaps the first stays", 0, 24, 9, 4, 4, 7, {0, 0, 1, 1, 0, 1}, 25},
        {"two numbers an interval", 0, 99, 25, 8, 8, 89, {0, 2, 1, 1, 0, 1, 1, 0, 1, 1}, 50},
        {"one or two numbers an interval", 0, 74, 21, 8, 6, 23, {0, 1, 1, 1, 1, 0, 0, 1, 1, 0}, 50},
        {"the largest gap spans the middle", 492000, 492340, 21, 2, 114, 492113, {0, 2, 1, 0, 1}, 50},
        // clang-format on
    };
    for (const Row& row : rows)
        for (const std::uint64_t parallelFrom : {oneThread, twoThreads}) {
            SCOPED_TRACE(std::string(row.name) +
                         (parallelFrom == twoThreads ? ", two threads" : ""));
            RangeStatistics s = statistics(row.first, row.last, parallelFrom);
            EXPECT_EQ(s.primeCount, row.count);
            EXPECT_EQ(s.twinPairs, row.twins);
            EXPECT_EQ(s.largestGap, row.gap);
            EXPECT_EQ(s.gapStart, row.gapStart);
            EXPECT_EQ(s.intervalPrimes.size(), row.intervals);
            s.intervalPrimes.resize(row.firstIntervals.size());
            EXPECT_EQ(s.intervalPrimes, row.firstIntervals) << "the first intervals";
        }
}

// Each interval's share of li covers exactly the numbers it holds, the last
// one included (a share one number short drew the line down to the axis on
// the last bar). Values from an independent evaluation of li.
TEST(RangeStatistics, liSharesCoverEachIntervalsNumbers) {
    const struct {
        const char* name;
        std::uint64_t first, last;
        double firstShare, lastShare;
    } rows[] = {
        {"one number an interval: li(6) - li(5), li(30) - li(29)", 5, 29, 0.5876340805064493,
         0.2954808496169935},
        {"two numbers an interval: li(2) - li(0), li(100) - li(98)", 0, 99, 1.0451637801174928,
         0.4352466722238600},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RangeStatistics s = statistics(row.first, row.last);
        ASSERT_FALSE(s.intervalPredicted.empty());
        EXPECT_NEAR(s.intervalPredicted.front(), row.firstShare, 1e-12);
        EXPECT_NEAR(s.intervalPredicted.back(), row.lastShare, 1e-12);
    }
}

// A range of exactly 20,000,000 numbers is the first one shared by two
// threads; by the search too.
TEST(RangeStatistics, twoThreadsFromTwentyMillionNumbers) {
    const struct {
        std::uint64_t last;
        unsigned threads;
    } rows[] = {{19'999'998, 1}, {19'999'999, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.last);
        const RangeStatistics s = computeStatistics({0, row.last, false}).value();
        EXPECT_EQ(s.threads, row.threads) << "statistics";
        EXPECT_EQ(planSearch({0, row.last}, {}).split, row.threads == 2) << "search";
    }
}

TEST(RangeStatistics, fromSixAndAHalfToSevenAndAHalfCoversOnlySeven) {
    const SearchRange range = std::get<SearchRange>(validateBounds("6.5", "7.5"));
    const RangeStatistics s = computeStatistics({range.first, range.last, false}).value();
    EXPECT_EQ(s.primeCount, 1u);
    EXPECT_EQ(s.smallestPrime, 7u);
    const StatisticsText t = describe(s);
    EXPECT_EQ(t.range, "7 to 7");
    EXPECT_EQ(t.gap, "-") << "no gap with one prime";
    EXPECT_EQ(t.averageGap, "-");
    EXPECT_EQ(t.predicted, "0");
    EXPECT_EQ(t.deviation, "-") << "li predicts 0 for a single number";
}

// Near 1E+19 li is about 2.3E+17, where doubles are 32 apart; over a range of
// 1000 numbers the integral of 1/ln t is 1000 / ln(middle) to far more digits
// than shown. The primes were listed by an independent primality test.
TEST(RangeStatistics, aNarrowRangeBelowTenToTheNineteenth) {
    const std::uint64_t last = 10'000'000'000'000'000'000u;
    const RangeStatistics s = statistics(last - 1000, last);
    EXPECT_EQ(s.primeCount, 24u);
    EXPECT_EQ(s.largestPrime, 9'999'999'999'999'999'961u);
    EXPECT_EQ(s.largestGap, 210u);
    EXPECT_EQ(s.gapStart, 9'999'999'999'999'999'053u);
    const double expected = 1000 / std::log(9.9999999999999995e18);
    EXPECT_NEAR(s.predicted, expected, 1e-9);
    EXPECT_EQ(s.predictedWhole, 23u);
    EXPECT_NEAR(*s.deviationPercent, 100 * (24 - expected) / expected, 1e-7);
    EXPECT_EQ(sum(s.intervalPrimes), 24u);
}

TEST(RangeStatistics, twoDecimalsWriteNoMinusForAValueThatRoundsToZero) {
    const std::pair<double, const char*> rows[] = {
        {12.7389, "12.74"}, {-0.1645, "-0.16"}, {-0.004, "0.00"}, {0.0, "0.00"}, {5, "5.00"}};
    for (const auto& [x, text] : rows)
        EXPECT_EQ(twoDecimals(x), text) << x;
}

TEST(RangeStatistics, aCancelledWalkGivesNothing) {
    const std::atomic<bool> cancel{true};
    for (const std::uint64_t parallelFrom : {oneThread, twoThreads})
        EXPECT_FALSE(computeStatistics({0, 1000000, false}, {parallelFrom, &cancel}));
}
