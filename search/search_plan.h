// How a search shares its range between two threads, planned from estimates
// of the prime counts (never used for the result itself, which the walk and
// the exact counts decide).
#pragma once

#include "search/bounds.h"
#include "search/page_layout.h"

namespace korvane::search {

// With a split, the helper thread walks [first, upperFrom) while the calling
// thread counts the primes of [countFrom, upperFrom), learns from the helper
// where the layout stands at countFrom, and so knows it at upperFrom; it then
// walks [upperFrom, parallelEnd]. Whatever lies after parallelEnd (or the
// whole range, without a split) is walked by the calling thread alone.
struct SearchPlan {
    bool split = false;
    std::uint64_t countFrom = 0;
    std::uint64_t upperFrom = 0;
    std::uint64_t parallelEnd = 0;
    // Where the search is likely to end, for sizing the sieve: near 1E+19,
    // sieving far beyond where the store fills would cost seconds.
    std::uint64_t likelyEnd = 0;
};

SearchPlan planSearch(const SearchRange& range, const SearchLimits& limits);

} // namespace korvane::search
