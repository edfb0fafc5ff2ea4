// The engine behind "Primes Search": checks the two bound texts, then walks
// every prime of the range and notes where each result page begins in the
// page store, which makes the pages' text when they are shown or exported.
#pragma once

#include "search/bounds.h"
#include "search/page_layout.h"
#include "search/page_store.h"

#include <functional>
#include <string>

namespace korvane::search {

// The whole numbers a completed search covered, both ends included. When the
// search stopped early, `last` is the last prime listed and stoppedEarly says so.
struct CoveredRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    bool stoppedEarly = false;
};

// The range as "0 to 1000000".
std::string rangeText(const CoveredRange& range);

struct SearchOutcome {
    SearchRange range; // what was asked for: From rounded up, To's whole part
    std::uint64_t primeCount = 0;
    std::size_t pageCount = 0;   // at least 1 after a search
    bool storeFull = false;      // stopped because page 500001 was needed
    bool textFull = false;       // stopped because the page of 11-digit primes reached its cap
    std::uint64_t lastPrime = 0; // the last prime listed (0: none)
    double percentDone = 100;    // below 100 only when the search stopped early

    // Whether a limit ended the search before To.
    bool stoppedEarly() const { return storeFull || textFull; }
    // The range the listed primes account for: all of it, or up to the last
    // prime listed when the search stopped early (nothing beyond it was looked at).
    CoveredRange covered() const {
        return stoppedEarly() ? CoveredRange{range.first, lastPrime, true}
                              : CoveredRange{range.first, range.last, false};
    }
};

// Called with the percentage reached (rising, 0 to 100) on the thread that
// called runSearch, about every thousand primes: far more often than once
// every 40 pages, so a window should repaint only when its caption changes.
using ProgressFn = std::function<void(double percent)>;

// Called on the helper thread of a two-thread search between its batches,
// with the last prime it walked; tests throw from it to fail the helper.
using HelperProbe = std::function<void(std::uint64_t lastPrime)>;

// Fills the store (emptied first) with the primes of the range. Large ranges
// use a second thread; whatever fails on either thread (the progress callback
// included) ends the search with that exception, the helper stopped and
// joined.
SearchOutcome runSearch(const SearchRange& range, PageStore& store, const ProgressFn& progress = {},
                        const SearchLimits& limits = {}, const HelperProbe& helperProbe = {});

} // namespace korvane::search
