// Range search: primesieve generates, we format and break the text into pages.
#include "search/range_search.h"

#include "common/number_text.h"

#include <primesieve.hpp>

#include <cmath>

namespace korvane::search {

std::variant<SearchRange, BoundError> validateBounds(std::string_view fromText,
                                                     std::string_view toText) {
    const auto from = parseNumber(fromText);
    if (!from)
        return BoundError{"Enter a valid number in the From box", BoundField::From};
    const auto to = parseNumber(toText);
    if (!to)
        return BoundError{"Enter a valid number in the To box", BoundField::To};
    if (*from < 0)
        return BoundError{"Enter 0 or a greater number in the From box", BoundField::From};
    if (*to <= 4)
        return BoundError{"Enter a number greater than 4 in the To box", BoundField::To};
    if (*to > 1e19)
        return BoundError{"Enter a number not above 1E+19 in the To box", BoundField::To};
    if (*to - *from < 1)
        return BoundError{"Number in the From box should be less then number in the To box!",
                          BoundField::None};
    return SearchRange{static_cast<std::uint64_t>(std::ceil(*from)),
                       static_cast<std::uint64_t>(std::floor(*to))};
}

std::string_view PageStore::page(std::size_t k) const {
    if (k < 1 || k > pageCount())
        return {};
    return std::string_view(text_).substr(ends_[k - 1], ends_[k] - ends_[k - 1]);
}

void PageStore::clear() {
    text_.clear();
    ends_.clear();
}

std::size_t pageThreshold(std::size_t digits) {
    switch (digits) {
    case 4: return 1370;
    case 5: return 1340;
    case 6: return 1220;
    case 7: return 1200;
    case 8: return 1120;
    case 9: return 1250;
    case 10: return 1100;
    default: return 0;
    }
}

SearchOutcome runSearch(const SearchRange& range, PageStore& store, const ProgressFn& progress) {
    store.clear();
    std::string& text = store.text();
    std::vector<std::size_t>& ends = store.pageEnds();
    ends.push_back(0);
    SearchOutcome out;
    std::size_t pageStart = 0;
    bool pageOpen = true; // page 1 exists even when no prime is found
    const double span = static_cast<double>(range.last - range.first);

    primesieve::iterator it(range.first, range.last);
    for (std::uint64_t p = it.next_prime(); p <= range.last; p = it.next_prime()) {
        if (!pageOpen) {
            if (ends.size() - 1 == PageStore::maxPages) {
                out.storeFull = true;
                out.percentDone = 100.0 / span * static_cast<double>(p - range.first);
                break;
            }
            pageStart = text.size();
            pageOpen = true;
            if ((ends.size() % 40) == 0 && progress)
                progress(100.0 / span * static_cast<double>(p - range.first));
        }
        if (!(p == 2 && text.empty()))
            text += ' ';
        const std::string digits = decimalDigits(p);
        text += digits;
        ++out.primeCount;
        out.lastPrime = p;
        const std::size_t limit = pageThreshold(digits.size());
        if (limit != 0 && text.size() - pageStart >= limit) {
            ends.push_back(text.size());
            pageOpen = false;
        }
    }
    if (pageOpen)
        ends.push_back(text.size());
    out.pageCount = store.pageCount();
    return out;
}

} // namespace korvane::search
