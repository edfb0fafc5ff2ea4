// Constellations and gap sizes: known counts, and a slow plain listing
// (trial division, each pattern checked member by member) on ranges small
// enough to try by the thousand, walked on one thread and on two.
#include "stats/statistics_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <vector>

using namespace korvane::stats;

namespace {

constexpr std::uint64_t oneThread = 20'000'000;
constexpr std::uint64_t twoThreads = 0; // splits even the smallest range at its middle

RangeStatistics statistics(std::uint64_t first, std::uint64_t last, std::uint64_t parallelFrom) {
    return computeStatistics({first, last, false}, {parallelFrom, nullptr}).value();
}

bool isPrime(std::uint64_t n) {
    if (n < 2)
        return false;
    for (std::uint64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// What a plain listing of [first, last] gives.
struct Listing {
    std::array<std::uint64_t, 4> constellations{}; // triplets to sextuplets
    std::map<std::uint64_t, std::uint64_t> gaps;   // gap size: times
};

Listing listing(std::uint64_t first, std::uint64_t last) {
    const std::vector<std::vector<std::uint64_t>> patterns[] = {
        {{0, 2, 6}, {0, 4, 6}},
        {{0, 2, 6, 8}},
        {{0, 2, 6, 8, 12}, {0, 4, 6, 10, 12}},
        {{0, 4, 6, 10, 12, 16}},
    };
    Listing l;
    std::uint64_t previous = 0;
    for (std::uint64_t p = first; p <= last; ++p) {
        if (!isPrime(p))
            continue;
        if (previous != 0)
            ++l.gaps[p - previous];
        previous = p;
        for (std::size_t kind = 0; kind < 4; ++kind)
            for (const auto& offsets : patterns[kind])
                l.constellations[kind] += std::all_of(offsets.begin(), offsets.end(), [&](auto o) {
                    return p + o <= last && isPrime(p + o);
                });
    }
    return l;
}

std::array<std::uint64_t, 4> counts(const RangeStatistics& s) {
    const Constellations& c = s.constellations;
    return {c.triplets, c.quadruplets, c.quintuplets, c.sextuplets};
}

} // namespace

TEST(Constellations, knownCountsOnOneThreadAndOnTwo) {
    const struct {
        std::uint64_t last;
        std::array<std::uint64_t, 4> counts;
        const char* commonGap;
    } rows[] = {
        {100, {8, 2, 3, 1}, "2 (8 times)"},
        {1000000, {2837, 166, 65, 5}, "6 (13549 times)"},
    };
    for (const auto& row : rows)
        for (const std::uint64_t parallelFrom : {oneThread, twoThreads}) {
            SCOPED_TRACE(std::to_string(row.last) +
                         (parallelFrom == twoThreads ? ", two threads" : ""));
            const RangeStatistics s = statistics(0, row.last, parallelFrom);
            EXPECT_EQ(counts(s), row.counts);
            EXPECT_EQ(describe(s).commonGap, row.commonGap);
        }
}

// Ranges [first, last] with first below 30 and up to 120 numbers, so
// that each constellation among the small primes lies across the two
// threads' split in some row, partly inside the range in others; and around
// the sextuplets from 97, 16057 and 19417, split inside them.
TEST(Constellations, andGapsAgreeWithAPlainListingOnOneThreadAndOnTwo) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;
    for (std::uint64_t first = 0; first < 30; ++first)
        for (std::uint64_t last = first + 1; last < first + 120; last += 5)
            ranges.emplace_back(first, last);
    for (const std::uint64_t start : {97, 16057, 19417})
        for (std::uint64_t from = start - 12; from <= start + 4; from += 2)
            ranges.emplace_back(from, start + 20 - (from - start + 12) / 2);
    ranges.emplace_back(999000, 1001000);
    for (const auto& [first, last] : ranges) {
        const Listing expected = listing(first, last);
        for (const std::uint64_t parallelFrom : {oneThread, twoThreads}) {
            SCOPED_TRACE(std::to_string(first) + " to " + std::to_string(last) +
                         (parallelFrom == twoThreads ? ", two threads" : ""));
            const RangeStatistics s = statistics(first, last, parallelFrom);
            ASSERT_EQ(counts(s), expected.constellations);
            std::map<std::uint64_t, std::uint64_t> gaps;
            for (std::uint64_t g = 0; g < s.gapCounts.size(); ++g)
                if (s.gapCounts[g] > 0)
                    gaps[g] = s.gapCounts[g];
            ASSERT_EQ(gaps, expected.gaps);
        }
    }
}

// The gap that occurs most often, the smaller one on a tie; the gap of 1
// between 2 and 3 takes part.
TEST(MostCommonGap, namesTheSmallerGapOnATie) {
    const struct {
        const char* name;
        std::uint64_t first, last;
        const char* text;
    } rows[] = {
        {"fewer than two primes", 24, 30, "-"},
        {"only the gap of 1", 2, 3, "1 (1 time)"},
        {"1 and 2 once each", 2, 5, "1 (1 time)"},
        {"2 twice, 4 once", 5, 13, "2 (2 times)"},
        {"4 and 2 once each", 7, 13, "2 (1 time)"},
        {"6 and 4 twice each, 2 once", 30, 53, "4 (2 times)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describe(statistics(row.first, row.last, oneThread)).commonGap, row.text);
    }
}
