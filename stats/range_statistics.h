// The figures of a searched range behind the statistics window: how many
// primes, twins and denser constellations, how large and how frequent its
// gaps, how the primes spread over the range, and what the logarithmic
// integral li predicts for it.
#pragma once

#include "search/prime_batches.h"
#include "search/range_search.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane::stats {

using search::CoveredRange;

// Constellations whose members all lie in the range, by their densest
// admissible patterns: triplets (p, p+2, p+6) and (p, p+4, p+6); quadruplets
// (p, p+2, p+6, p+8); quintuplets (p, p+2, p+6, p+8, p+12) and
// (p, p+4, p+6, p+10, p+12); sextuplets (p, p+4, p+6, p+10, p+12, p+16).
struct Constellations {
    std::uint64_t triplets = 0;
    std::uint64_t quadruplets = 0;
    std::uint64_t quintuplets = 0;
    std::uint64_t sextuplets = 0;
};

struct RangeStatistics {
    CoveredRange range;
    std::uint64_t primeCount = 0;
    std::uint64_t twinPairs = 0; // p and p + 2 both in the range
    Constellations constellations;
    std::uint64_t smallestPrime = 0; // 0: no prime
    std::uint64_t largestPrime = 0;
    std::uint64_t largestGap = 0; // 0: fewer than two primes
    std::uint64_t gapStart = 0;   // the primes around the first largest gap
    std::uint64_t gapEnd = 0;
    // gapCounts[g]: how many neighbouring primes of the range lie g apart, for
    // g up to the largest gap (only 1, between 2 and 3, and even g occur).
    std::vector<std::uint64_t> gapCounts;
    // The gap that occurs most often, the smaller one on a tie, and how often;
    // 0 with fewer than two primes.
    std::uint64_t commonGap = 0;
    std::uint64_t commonGapCount = 0;
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
    std::uint64_t parallelFrom = search::twoThreadsFrom;
    // Polled between sieved batches; once true the walk gives up.
    const std::atomic<bool>* cancel = nullptr;
};

// Walks the primes of the range once. Nothing when cancelled.
std::optional<RangeStatistics> computeStatistics(const CoveredRange& range,
                                                 const StatisticsOptions& options = {});

} // namespace korvane::stats
