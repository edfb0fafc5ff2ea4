// The range search engine: bound checks, page texts and breaks, the store's
// limits, and the fast engine against plain trial division.
#include "search/range_search.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace korvane::search;

namespace {

bool isPrimeByTrialDivision(std::uint64_t n) {
    if (n < 2)
        return false;
    if (n % 2 == 0)
        return n == 2;
    for (std::uint64_t d = 3; d * d <= n; d += 2)
        if (n % d == 0)
            return false;
    return true;
}

// The pages as the rules describe them, one prime at a time: "2" without a
// blank, every other prime after one blank, a new page only when a prime
// arrives after the page reached its digit count's threshold.
struct Reference {
    std::vector<std::string> pages{""};
    std::uint64_t primes = 0;
    std::uint64_t lastPrime = 0;
    bool storeFull = false;
};

Reference referenceSearch(std::uint64_t first, std::uint64_t last,
                          std::size_t maxPages = PageStore::maxPages) {
    Reference r;
    bool pageClosed = false;
    for (std::uint64_t n = first; n <= last; ++n) {
        if (!isPrimeByTrialDivision(n))
            continue;
        if (pageClosed) {
            if (r.pages.size() == maxPages) {
                r.storeFull = true;
                break;
            }
            r.pages.emplace_back();
            pageClosed = false;
        }
        const std::string digits = std::to_string(n);
        r.pages.back() += n == 2 ? digits : " " + digits;
        ++r.primes;
        r.lastPrime = n;
        const std::size_t threshold = pageThreshold(digits.size());
        pageClosed = threshold != 0 && r.pages.back().size() >= threshold;
    }
    return r;
}

std::vector<std::string> pagesOf(const PageStore& store) {
    std::vector<std::string> pages;
    for (std::size_t k = 1; k <= store.pageCount(); ++k)
        pages.emplace_back(store.page(k));
    return pages;
}

SearchRange searchRange(const char* from, const char* to) {
    const auto checked = validateBounds(from, to);
    EXPECT_TRUE(std::holds_alternative<SearchRange>(checked)) << from << " " << to;
    return std::get<SearchRange>(checked);
}

void expectMatchesReference(std::uint64_t first, std::uint64_t last, const SearchLimits& limits) {
    PageStore store;
    const SearchOutcome outcome = runSearch({first, last}, store, {}, limits);
    const Reference ref = referenceSearch(first, last, limits.maxPages);
    EXPECT_EQ(pagesOf(store), ref.pages) << first << ".." << last;
    EXPECT_EQ(outcome.primeCount, ref.primes) << first << ".." << last;
    EXPECT_EQ(outcome.pageCount, ref.pages.size()) << first << ".." << last;
    EXPECT_EQ(outcome.lastPrime, ref.lastPrime) << first << ".." << last;
    EXPECT_EQ(outcome.storeFull, ref.storeFull) << first << ".." << last;
}

} // namespace

TEST(RangeSearch, matchesTrialDivisionOnOneThread) {
    const std::uint64_t ranges[][2] = {
        {0, 5},
        {2, 5},
        {3, 30},
        {7, 7919},
        {8, 9},
        {24, 28},
        {0, 200000},
        {99990, 100110},
        {999900, 1000100},
        {1000003, 1000033},
        {999999000, 1000002000},
        {9999990000, 10000010000},
        {4294967000, 4294968000},
        {1370, 1372},
        {0, 1000},
    };
    for (const auto& r : ranges)
        expectMatchesReference(r[0], r[1], SearchLimits{});
}

TEST(RangeSearch, matchesTrialDivisionWhenSplitAcrossThreads) {
    SearchLimits split;
    split.parallelFromBytes = 0;
    const std::uint64_t ranges[][2] = {
        {0, 5},
        {0, 300000},
        {2, 120000},
        {7, 9000},
        {90000, 110000},
        {999000, 1001000},
        {999990000, 1000010000},
        {9999900000, 10000100000},
    };
    for (const auto& r : ranges)
        expectMatchesReference(r[0], r[1], split);
}

TEST(RangeSearch, matchesTrialDivisionWhenTheStoreFills) {
    for (std::size_t parallelFrom : {std::size_t{0}, PageStore::maxBytes}) {
        SearchLimits small;
        small.maxPages = 37;
        small.parallelFromBytes = parallelFrom;
        expectMatchesReference(0, 100000, small);
        expectMatchesReference(999000000, 1010000000, small);
        small.maxPages = 1;
        expectMatchesReference(0, 100000, small);
    }
}
