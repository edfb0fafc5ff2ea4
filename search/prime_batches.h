// The primes of a stretch, a sieved batch at a time: the search's page walk
// and the statistics' tally both read them this way.
#pragma once

#include <primesieve.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace korvane::search {

// Calls batch(p, n) for the primes of [lo, hi] a sieved batch at a time,
// until it returns false.
template <class Batch>
void sieveBatches(std::uint64_t lo, std::uint64_t hi, std::uint64_t hint, Batch batch) {
    if (lo > hi)
        return;
    primesieve::iterator it(lo, std::max(hint, lo));
    for (;;) {
        it.generate_next_primes();
        const std::uint64_t* p = it.primes_;
        std::size_t n = it.size_;
        const bool lastBatch = n == 0 || p[n - 1] >= hi;
        if (lastBatch)
            n = static_cast<std::size_t>(std::upper_bound(p, p + n, hi) - p);
        if (!batch(p, n) || lastBatch)
            return;
    }
}

} // namespace korvane::search
