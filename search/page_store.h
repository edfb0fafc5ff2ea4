// The result pages of the last search. A page's text is a pure function of its
// first prime and the page rule, so the store keeps, per page, only where it
// begins (its first prime and its first character's place in the whole text)
// and makes a page's text again whenever it is asked for. 500000 pages cost
// 8 MB instead of the 600 MB their text would.
#pragma once

#include "search/page_source.h"

#include <memory>
#include <string>

namespace korvane::search {

// Where a page begins: its first prime and the offset of its first character.
struct PageStart {
    std::uint64_t prime;
    std::uint64_t offset;
};

class PageStore : public PageSource {
  public:
    static constexpr std::size_t maxPages = 500000;

    // One empty page 1, as after Clear: what the page total "1" announces.
    PageStore() = default;

    std::size_t pageCount() const override { return pages_ == 0 ? 1 : pages_; }
    std::uint64_t spanBytes(std::size_t first, std::size_t last) const override;
    bool makePages(std::size_t first, std::size_t last, const PageFn& each) const override;

    // Page k (1-based), made now; the empty text for any k outside 1..pageCount().
    std::string page(std::size_t k) const;
    std::uint64_t totalBytes() const { return bytes_; }
    // Whether the store holds no prime (the one empty page).
    bool empty() const { return pages_ == 0; }
    // Back to the one empty page 1.
    void clear();

    // Where page k (1..pageCount() of a store that is not empty) begins.
    const PageStart& pageStart(std::size_t k) const { return starts_[k - 1]; }
    // The last page whose first prime is not above n; 0 when n lies below
    // every prime listed or none is.
    std::size_t pageHolding(std::uint64_t n) const;

    // Filling, for the search engine: room to note where up to `capacity`
    // pages begin, then what was noted. `openTail` is the text of the last
    // page's primes of 11 or more digits: remaking those would need a sieve up
    // to the square root of numbers near 10^19, seconds each time, so the one
    // page that can hold them (at most a megabyte) keeps them as text.
    PageStart* beginFill(std::size_t capacity);
    void finishFill(std::size_t pages, std::uint64_t lastPrime, std::uint64_t bytes,
                    std::string openTail);

  private:
    std::uint64_t pageBytes(std::size_t k) const;

    std::unique_ptr<PageStart[]> starts_;
    std::size_t pages_ = 0; // 0: no prime, the one empty page
    std::uint64_t lastPrime_ = 0;
    std::uint64_t bytes_ = 0;
    std::string openTail_;
};

} // namespace korvane::search
