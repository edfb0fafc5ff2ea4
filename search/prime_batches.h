// The primes of a stretch, a sieved batch at a time: the search's page walk
// and the statistics' tally both read them this way. The sieve itself stays
// behind this header, so its users need none of its headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace korvane::search {

// Stretches of at least this many numbers are shared between two threads;
// below it a second thread costs more than it saves.
inline constexpr std::uint64_t twoThreadsFrom = 20'000'000;

// Whether [first, last] holds at least `numbers` whole numbers, both ends
// counted: the test for sharing a stretch between two threads.
constexpr bool spansAtLeast(std::uint64_t first, std::uint64_t last, std::uint64_t numbers) {
    return last >= first && (numbers == 0 || last - first >= numbers - 1);
}

// Called with each batch of ascending primes [p, p + n); false ends the walk.
using PrimeBatchFn = std::function<bool(const std::uint64_t* p, std::size_t n)>;

// Hands on the primes of [lo, hi] a sieved batch at a time. `hint` is where
// the caller expects to stop, so the sieve does not run far past it.
void sieveBatches(std::uint64_t lo, std::uint64_t hi, std::uint64_t hint,
                  const PrimeBatchFn& batch);

} // namespace korvane::search
