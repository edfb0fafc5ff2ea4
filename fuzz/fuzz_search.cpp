// Any two bound texts: the checks answer or the search runs, and on small
// ranges the pages match a plain trial-division listing, also when the work is
// split across two threads or the store fills up.
#include "search/range_search.h"
#include "tests/reference_pages.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane::search;
    if (size < 2)
        return 0;
    // First byte: the page limit and whether to split the work; then From, a
    // line feed, and To.
    const std::size_t maxPages = 1 + data[0] % 8;
    const bool split = data[0] & 0x80;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t cut = rest.find('\n');
    const std::string_view from = rest.substr(0, cut);
    const std::string_view to = cut == std::string_view::npos ? "" : rest.substr(cut + 1);

    const auto checked = validateBounds(from, to);
    if (const auto* refused = std::get_if<korvane::InputError>(&checked)) {
        if (refused->message.empty())
            std::abort();
        return 0;
    }
    const SearchRange range = std::get<SearchRange>(checked);
    if (range.first > range.last + 1)
        std::abort();
    // Only spans the reference can list at once: wide ones low down, narrow
    // ones up to past the 10-digit boundary.
    const std::uint64_t span = range.last - range.first;
    if (!(range.last <= 10'000'000 && span <= 20000) &&
        !(range.last <= 12'000'000'000ull && span <= 400))
        return 0;

    PageStore store;
    SearchLimits limits;
    limits.maxPages = maxPages;
    limits.parallelFrom = split ? 0 : limits.parallelFrom;
    const SearchOutcome outcome = runSearch(range, store, {}, limits);
    const auto expected =
        referenceSearch(range.first, range.last, maxPages, limits.maxOpenPageBytes).pages;
    if (store.pageCount() != expected.size() || outcome.pageCount != expected.size())
        std::abort();
    for (std::size_t k = 1; k <= expected.size(); ++k)
        if (store.page(k) != expected[k - 1])
            std::abort();
    // All pages in one request, as the save makes them.
    std::size_t k = 0;
    store.makePages(1, store.pageCount(), [&](std::string_view text) {
        if (text != expected[k++])
            std::abort();
        return true;
    });
    if (k != expected.size())
        std::abort();
    return 0;
}
