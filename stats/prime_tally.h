// The one walk over a range's primes behind its statistics: counts, gaps,
// constellations and the primes of each interval, on one thread or two whose
// tallies are joined as if one thread had walked it all.
#pragma once

#include "stats/range_statistics.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane::stats {

// What one stretch of the range holds, walked in order.
struct Tally {
    std::uint64_t count = 0;
    std::uint64_t first = 0; // 0: no prime yet
    std::uint64_t last = 0;
    std::uint64_t gap = 0;
    std::uint64_t gapStart = 0;
    // halfGaps[g / 2]: gaps of g; [0] holds the one gap of 1, between 2 and 3.
    std::vector<std::uint64_t> halfGaps = std::vector<std::uint64_t>(1);
    Constellations constellations;
    // The last five gaps, two bits each, the newest lowest: 1 for a gap of 2,
    // 2 for a gap of 4, 0 for any other. Every constellation is a run of
    // neighbouring primes, so it shows here as a run of these codes.
    unsigned recentGaps = 0;
    // The first primes, up to five: enough to finish a constellation that a
    // stretch just before this one began.
    std::array<std::uint64_t, 5> head{};
    std::vector<std::uint64_t> intervals;
    unsigned threads = 1; // that walked it
};

// The first number of each interval after the first, for `count` intervals.
std::vector<std::uint64_t> intervalStarts(const CoveredRange& r, std::size_t count);

// Walks the range, its lower half on a helper thread when it is large.
// Nothing when cancelled.
std::optional<Tally> tallyRange(const CoveredRange& r, const std::vector<std::uint64_t>& starts,
                                const StatisticsOptions& options);

} // namespace korvane::stats
