// The engine behind "Primes Search": checks the two bound texts, then lists
// every prime of the range into numbered text pages held in one buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvane::search {

// Which bound box a refused search sends the focus to.
enum class BoundField { From, To, None };

struct BoundError {
    std::string message;
    BoundField focus;
};

// The whole numbers a search covers, both ends included.
struct SearchRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
};

// The checks of the SEARCH button, in order; the first that fails is returned.
std::variant<SearchRange, BoundError> validateBounds(std::string_view fromText,
                                                     std::string_view toText);

// Result pages 1..pageCount(), each one line of primes. All pages live in one
// growing buffer; a page is a view into it, valid until the store changes.
class PageStore {
public:
    static constexpr std::size_t maxPages = 500000;

    std::size_t pageCount() const { return ends_.empty() ? 0 : ends_.size() - 1; }
    // Page k (1-based); the empty text for any k outside 1..pageCount().
    std::string_view page(std::size_t k) const;
    std::size_t totalBytes() const { return text_.size(); }
    bool empty() const { return pageCount() == 0; }
    void clear();

    // Filling, for the search engine: ends_[k] is where page k stops.
    std::string& text() { return text_; }
    std::vector<std::size_t>& pageEnds() { return ends_; }

private:
    std::string text_;
    std::vector<std::size_t> ends_; // ends_[0] == 0 once filled
};

struct SearchOutcome {
    std::uint64_t primeCount = 0;
    std::size_t pageCount = 0;  // at least 1 after a search
    bool storeFull = false;     // stopped because page 500001 was needed
    std::uint64_t lastPrime = 0; // the last prime written (0: none)
    double percentDone = 100;   // below 100 only when the store filled up
};

// Called with the percentage reached, at least once every 40 pages.
using ProgressFn = std::function<void(double percent)>;

// Fills an empty store with the primes of the range.
SearchOutcome runSearch(const SearchRange& range, PageStore& store,
                        const ProgressFn& progress = {});

// Characters after which a page holding a prime of this many digits is full;
// 0 means such a prime never closes a page.
std::size_t pageThreshold(std::size_t digits);

} // namespace korvane::search
