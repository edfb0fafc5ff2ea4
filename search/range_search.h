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
// buffer of reserved address space that is only backed by memory as it fills,
// so it never moves; a page is a view into it, valid until the store changes.
class PageStore {
  public:
    static constexpr std::size_t maxPages = 500000;
    // Primes of 11 or more digits never close a page, so pages alone do not
    // bound the text; this is about what 500000 full pages hold.
    static constexpr std::size_t maxBytes = 700'000'000;

    PageStore() = default;
    ~PageStore();
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    std::size_t pageCount() const { return ends_.empty() ? 0 : ends_.size() - 1; }
    // Page k (1-based); the empty text for any k outside 1..pageCount().
    std::string_view page(std::size_t k) const;
    std::size_t totalBytes() const { return bytes_; }
    bool empty() const { return pageCount() == 0; }
    void clear();

    // Filling, for the search engine: a writable area of at least `capacity`
    // bytes plus a little slack, then the text length and where each page ends.
    char* beginFill(std::size_t capacity);
    void finishFill(std::size_t bytes, std::vector<std::size_t> pageEnds);

  private:
    char* data_ = nullptr;
    std::size_t mapped_ = 0;
    std::size_t bytes_ = 0;
    std::vector<std::size_t> ends_; // ends_[0] == 0 once filled; ends_[k] ends page k
};

struct SearchOutcome {
    std::uint64_t primeCount = 0;
    std::size_t pageCount = 0;   // at least 1 after a search
    bool storeFull = false;      // stopped because page 500001 was needed
    bool textFull = false;       // stopped because the text reached PageStore::maxBytes
    std::uint64_t lastPrime = 0; // the last prime written (0: none)
    double percentDone = 100;    // below 100 only when the search stopped early
};

// Called with the percentage reached (rising, 0 to 100) on the thread that
// called runSearch, about every thousand primes: far more often than once
// every 40 pages, so a window should repaint only when its caption changes.
using ProgressFn = std::function<void(double percent)>;

// The store's limits and when to use a second core; tests shrink them.
struct SearchLimits {
    std::size_t maxPages = PageStore::maxPages;
    std::size_t maxBytes = PageStore::maxBytes;
    // Ranges expected to write fewer bytes run on one thread.
    std::size_t parallelFromBytes = 4'000'000;
    // Primes of 11 or more digits never close their page, so that page would
    // grow with the whole rest of the range; beyond this size it could no
    // longer be shown at once, and the search stops as when the text is full.
    std::size_t maxOpenPageBytes = 1'000'000;
};

// Fills the store (emptied first) with the primes of the range.
SearchOutcome runSearch(const SearchRange& range, PageStore& store, const ProgressFn& progress = {},
                        const SearchLimits& limits = {});

// Characters after which a page holding a prime of this many digits is full;
// 0 means such a prime never closes a page.
std::size_t pageThreshold(std::size_t digits);

} // namespace korvane::search
