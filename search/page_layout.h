// The page rule. Where a page breaks depends only on how long each prime's
// text is, never on its digits, so the layout of a run of equally long primes
// can be found by counting them; this is what lets a search note only where
// pages begin and lets two threads share the work.
#pragma once

#include "search/page_store.h"
#include "search/prime_batches.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace korvane::search {

// Characters after which a page holding a prime of this many digits is full;
// 0 means such a prime never closes a page.
std::size_t pageThreshold(std::size_t digits);

// The store's limits and when to use a second core; tests shrink them.
struct SearchLimits {
    std::size_t maxPages = PageStore::maxPages;
    // Ranges spanning fewer numbers than this run on one thread.
    std::uint64_t parallelFrom = twoThreadsFrom;
    // Primes of 11 or more digits never close their page, so that page would
    // grow with the whole rest of the range; beyond this size it could no
    // longer be shown at once, and the search stops.
    std::size_t maxOpenPageBytes = 1'000'000;
};

// Why a search stopped before the end of its range.
enum class Stop { None, PagesFull, OpenPageFull };

// Where the text stands: its length, where the open page began, pages closed.
// A page is opened only by a prime that needs it.
struct Cursor {
    std::uint64_t textLen = 0;
    std::uint64_t pageBegin = 0;
    std::size_t closedPages = 0;

    bool pageEmpty() const { return pageBegin == textLen; }
};

// Primes from 10^10 on (11 digits and their blank) are all one page's.
inline constexpr std::uint64_t firstEndlessPrime = 10'000'000'000;

// Primes of one text length (blank included; "2" alone is 1 long): the
// lowest and highest number that has it.
struct LengthClass {
    std::size_t length;
    std::uint64_t lo;
    std::uint64_t hi;
};
LengthClass lengthClassOf(std::uint64_t n);

// Characters after which a page is full when its last prime is `length`
// long; `neverCloses` when such a prime leaves the page open.
inline constexpr std::size_t neverCloses = std::numeric_limits<std::size_t>::max();
std::size_t closeAfter(std::size_t length);

// How many of `count` primes of `length` characters the open page takes
// before it closes (or has no room left), with the page starting as `c` says.
std::uint64_t primesThatFit(const Cursor& c, std::size_t length, std::uint64_t count,
                            const SearchLimits& limits);

// Moves the cursor over `count` primes of `length` characters each, as the
// search lays them out, telling `taken(done, take, opensPage)` of each stretch
// that lands on one page: `done` primes came before it. Stops at the first
// prime that finds no page or no room.
template <class Taken>
Stop advance(Cursor& c, std::size_t length, std::uint64_t count, const SearchLimits& limits,
             Taken taken) {
    const std::size_t t = closeAfter(length);
    std::uint64_t done = 0;
    while (done < count) {
        const bool opens = c.pageEmpty();
        if (opens && c.closedPages >= limits.maxPages)
            return Stop::PagesFull;
        const std::uint64_t take = primesThatFit(c, length, count - done, limits);
        if (take == 0)
            return Stop::OpenPageFull;
        taken(done, take, opens);
        c.textLen += take * length;
        done += take;
        if (t != neverCloses && c.textLen - c.pageBegin >= t) {
            ++c.closedPages;
            c.pageBegin = c.textLen;
        }
    }
    return Stop::None;
}

// The same without noting anything: the layout found by counting.
inline Stop advance(Cursor& c, std::size_t length, std::uint64_t count,
                    const SearchLimits& limits) {
    return advance(c, length, count, limits, [](std::uint64_t, std::uint64_t, bool) {});
}

// Calls run(length, first, n) for each stretch of the ascending primes
// [p, p + n) that share one text length.
template <class Run> void forEachRun(const std::uint64_t* p, std::size_t n, Run run) {
    std::size_t i = 0;
    while (i < n) {
        const LengthClass c = lengthClassOf(p[i]);
        std::size_t end = n;
        if (p[n - 1] > c.hi) { // rare: only where the digit count changes
            end = i + 1;
            while (end < n && p[end] <= c.hi)
                ++end;
        }
        if (!run(c.length, p + i, end - i))
            return;
        i = end;
    }
}

} // namespace korvane::search
