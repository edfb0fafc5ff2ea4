// Page store: pages noted by where they begin, their text made on request by
// sieving from the first prime of the first page asked for.
#include "search/page_store.h"

#include "search/detail/prime_text.h"
#include "search/page_layout.h"

#include <algorithm>
#include <optional>

namespace korvane::search {

std::uint64_t PageStore::pageBytes(std::size_t k) const {
    const std::uint64_t end = k < pages_ ? starts_[k].offset : bytes_;
    return end - starts_[k - 1].offset;
}

std::uint64_t PageStore::spanBytes(std::size_t first, std::size_t last) const {
    first = std::max<std::size_t>(first, 1);
    last = std::min(last, pages_);
    if (first > last)
        return 0;
    const std::uint64_t end = last < pages_ ? starts_[last].offset : bytes_;
    return end - starts_[first - 1].offset;
}

bool PageStore::makePages(std::size_t first, std::size_t last, const PageFn& each) const {
    first = std::max<std::size_t>(first, 1);
    last = std::min(last, pageCount());
    if (first > last)
        return true;
    if (pages_ == 0)
        return each({});
    // Sieve no further than the end of the last page asked for, and never
    // into the primes the last page keeps as text.
    std::uint64_t hi = last < pages_ ? starts_[last].prime - 1 : lastPrime_;
    if (last == pages_ && !openTail_.empty())
        hi = std::min(hi, firstEndlessPrime - 1);
    std::optional<PrimeStream> primes; // only once a page needs sieved primes
    PrimeWriter writer;
    std::string text;
    for (std::size_t k = first; k <= last; ++k) {
        const std::size_t kept = k == pages_ ? openTail_.size() : 0;
        const std::size_t sieved = static_cast<std::size_t>(pageBytes(k)) - kept;
        text.resize(sieved + PrimeWriter::slack);
        char* out = text.data();
        char* const end = out + sieved;
        if (out < end && !primes)
            primes.emplace(starts_[k - 1].prime, hi);
        while (out < end)
            out = writer.write(out, primes->next());
        text.resize(sieved);
        text.append(openTail_, 0, kept);
        if (!each(text))
            return false;
    }
    return true;
}

std::string PageStore::page(std::size_t k) const {
    std::string text;
    if (k >= 1 && k <= pageCount())
        makePages(k, k, [&text](std::string_view made) {
            text = made;
            return true;
        });
    return text;
}

std::size_t PageStore::pageHolding(std::uint64_t n) const {
    const PageStart* const begin = starts_.get();
    const PageStart* const after = std::upper_bound(
        begin, begin + pages_, n, [](std::uint64_t v, const PageStart& s) { return v < s.prime; });
    return static_cast<std::size_t>(after - begin);
}

void PageStore::clear() {
    starts_.reset();
    pages_ = 0;
    lastPrime_ = 0;
    bytes_ = 0;
    std::string().swap(openTail_);
}

PageStart* PageStore::beginFill(std::size_t capacity) {
    clear();
    // Left unwritten until a page begins, so only the pages found take memory.
    starts_ = std::make_unique_for_overwrite<PageStart[]>(std::max<std::size_t>(capacity, 1));
    return starts_.get();
}

void PageStore::finishFill(std::size_t pages, std::uint64_t lastPrime, std::uint64_t bytes,
                           std::string openTail) {
    pages_ = pages;
    lastPrime_ = lastPrime;
    bytes_ = bytes;
    openTail_ = std::move(openTail);
}

} // namespace korvane::search
