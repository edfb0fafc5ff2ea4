// Walking the primes of a stretch of the range with primesieve and noting
// where each page begins. A walk never writes a page's text (only the few
// primes of 11 or more digits, see PageStore::finishFill), so it costs little
// more than sieving; counting a stretch instead of walking it gives the layout
// at its end, which is how a second thread learns where its pages start.
#pragma once

#include "search/page_layout.h"
#include "search/page_store.h"

#include <array>
#include <functional>
#include <string>

namespace korvane::search {

// What a thread found in its stretches, walked in order from `cursor`.
struct Part {
    Cursor cursor;
    std::uint64_t primes = 0;
    std::uint64_t lastPrime = 0; // 0: none yet
    Stop stop = Stop::None;
    std::string openText; // its primes of 11 or more digits, as page text
};

// Called between sieved batches with the last prime walked, for progress.
using BatchFn = std::function<void(std::uint64_t lastPrime)>;

// Walks the primes of [lo, hi] into `part` (nothing once it has stopped),
// noting in `starts` where each page it opens begins. `hint` is where the
// walk is likely to end, so the sieve does not run far past it.
void walkPrimes(Part& part, std::uint64_t lo, std::uint64_t hi, std::uint64_t hint,
                PageStart* starts, const SearchLimits& limits, const BatchFn& betweenBatches = {});

// How many primes of [lo, hi] there are of each text length.
using LengthCounts = std::array<std::uint64_t, 22>;
LengthCounts countByLength(std::uint64_t lo, std::uint64_t hi);

// Moves the cursor over primes so counted, as walking them would.
Stop advanceByCounts(Cursor& c, const LengthCounts& counts, const SearchLimits& limits);

} // namespace korvane::search
