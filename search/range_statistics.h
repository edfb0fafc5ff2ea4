// The figures of a searched range behind the statistics window: how many
// primes, twins and how large the largest gap, how the primes spread over the
// range, and what the logarithmic integral li predicts for it.
#pragma once

#include "search/prime_batches.h"
#include "search/range_search.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::search {

struct RangeStatistics {
    CoveredRange range;
    std::uint64_t primeCount = 0;
    std::uint64_t twinPairs = 0;     // p and p + 2 both in the range
    std::uint64_t smallestPrime = 0; // 0: no prime
    std::uint64_t largestPrime = 0;
    std::uint64_t largestGap = 0; // 0: fewer than two primes
    std::uint64_t gapStart = 0;   // the primes around the first largest gap
    std::uint64_t gapEnd = 0;
    // The range cut into intervals (50, or one per number when it holds fewer):
    // interval i holds the n with floor(count * (n - first) / numbers) = i.
    std::vector<std::uint64_t> intervalPrimes;
    // li's count for each, li(end) - li(start) over exactly its numbers.
    std::vector<double> intervalPredicted;
    // li(last) - li(first), li taken as 0 at 0 and 1.
    double predicted = 0;
    // The same rounded to a whole number, and 100 * (count - P) / P, both
    // worked out at full precision: near 1E+19 li is about 2E+17, beyond the
    // digits of a double.
    std::uint64_t predictedWhole = 0;
    std::optional<double> deviationPercent; // none when P is 0
    unsigned threads = 1;                   // that walked the range
};

struct StatisticsOptions {
    // Ranges spanning fewer numbers than this are walked on one thread.
    std::uint64_t parallelFrom = twoThreadsFrom;
    // Polled between sieved batches; once true the walk gives up.
    const std::atomic<bool>* cancel = nullptr;
};

// Walks the primes of the range once. Nothing when cancelled.
std::optional<RangeStatistics> computeStatistics(const CoveredRange& range,
                                                 const StatisticsOptions& options = {});

// The figures as the window writes them: whole numbers in full, two decimals
// for the averages and the deviation ("-0.16 %"), "-" where there is no figure.
struct StatisticsText {
    std::string range, count, twins, gap, gapStart, gapEnd, averageGap, logMiddle, predicted,
        deviation;
};
StatisticsText describe(const RangeStatistics& s);

// The range as "0 to 1000000".
std::string rangeText(const CoveredRange& range);

// x with two decimals ("12.74"); a value that rounds to zero is "0.00", unsigned.
std::string twoDecimals(double x);

} // namespace korvane::search
