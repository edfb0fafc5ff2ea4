// The one place the search engine's public side meets the sieve's iterator.
#include "search/prime_batches.h"

#include <primesieve.hpp>

#include <algorithm>

namespace korvane::search {

void sieveBatches(std::uint64_t lo, std::uint64_t hi, std::uint64_t hint,
                  const PrimeBatchFn& batch) {
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
