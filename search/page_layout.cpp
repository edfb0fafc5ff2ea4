// The page rule's thresholds and the arithmetic that applies them to whole
// runs of primes at once.
#include "search/page_layout.h"

#include <algorithm>

namespace korvane::search {

std::size_t pageThreshold(std::size_t digits) {
    switch (digits) {
    case 4:
        return 1370;
    case 5:
        return 1340;
    case 6:
        return 1220;
    case 7:
        return 1200;
    case 8:
        return 1120;
    case 9:
        return 1250;
    case 10:
        return 1100;
    default:
        return 0;
    }
}

LengthClass lengthClassOf(std::uint64_t n) {
    if (n <= 2)
        return {1, 0, 2}; // "2" opens page 1 without a blank
    std::uint64_t lo = 3;
    std::uint64_t hi = 9;
    std::size_t length = 2;
    // Up to 10^19, the largest power of ten below 2^64.
    while (n > hi && length < 20) {
        lo = hi + 1;
        hi = hi * 10 + 9;
        ++length;
    }
    if (n > hi) {
        lo = hi + 1;
        hi = std::numeric_limits<std::uint64_t>::max();
        ++length;
    }
    return {length, lo, hi};
}

std::size_t closeAfter(std::size_t length) {
    const std::size_t t = length < 2 ? 0 : pageThreshold(length - 1);
    return t == 0 ? neverCloses : t;
}

std::uint64_t primesThatFit(const Cursor& c, std::size_t length, std::uint64_t count,
                            const SearchLimits& limits) {
    const std::uint64_t filled = c.textLen - c.pageBegin;
    if (const std::size_t t = closeAfter(length); t != neverCloses)
        count =
            std::min<std::uint64_t>(count, filled >= t ? 1 : (t - filled + length - 1) / length);
    if (length >= 12) { // 11 digits or more: the open page, capped
        const std::uint64_t cap = limits.maxOpenPageBytes;
        count = std::min<std::uint64_t>(count, filled < cap ? (cap - filled) / length : 0);
    }
    return count;
}

} // namespace korvane::search
