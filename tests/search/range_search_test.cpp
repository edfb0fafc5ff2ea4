// The range search engine: bound checks, page texts and breaks, the store's
// limits, and the fast engine against plain trial division.
#include "search/range_search.h"

#include "common/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

using namespace korvane::search;
using Pages = std::vector<std::string>;

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

// Everything a search reports on one line, with the store's own page count.
std::string summary(const SearchOutcome& o, std::size_t storePages, std::size_t bytes) {
    return std::to_string(o.primeCount) + " primes, last " + std::to_string(o.lastPrime) + ", " +
           std::to_string(o.pageCount) + "/" + std::to_string(storePages) + " pages, " +
           std::to_string(bytes) + " bytes, " + korvane::generalForm(o.percentDone) + "%" +
           (o.storeFull ? ", pages full" : "") + (o.textFull ? ", text full" : "");
}

std::string summary(const SearchOutcome& o, const PageStore& store) {
    return summary(o, store.pageCount(), store.totalBytes());
}

Pages pagesOf(const PageStore& store) {
    Pages pages;
    for (std::size_t k = 1; k <= store.pageCount(); ++k)
        pages.emplace_back(store.page(k));
    return pages;
}

// The search as the rules describe it, one prime at a time: "2" without a
// blank, every other prime after one blank, a new page only when a prime
// arrives after its page reached the threshold of its digit count, and a stop
// (at the percentage reached) when a prime finds no page or no room left.
struct Reference {
    Pages pages{""};
    std::string summary;
};

Reference referenceSearch(std::uint64_t first, std::uint64_t last, const SearchLimits& limits) {
    Reference r;
    SearchOutcome o;
    std::size_t bytes = 0;
    bool pageClosed = false;
    for (std::uint64_t n = first; n <= last; ++n) {
        if (!isPrimeByTrialDivision(n))
            continue;
        const std::string digits = std::to_string(n);
        const std::string text = n == 2 ? digits : " " + digits;
        const std::size_t openPage = pageClosed ? 0 : r.pages.back().size();
        o.storeFull = pageClosed && r.pages.size() == limits.maxPages;
        o.textFull = !o.storeFull &&
                     (bytes + text.size() > limits.maxBytes ||
                      (digits.size() >= 11 && openPage + text.size() > limits.maxOpenPageBytes));
        if (o.storeFull || o.textFull) {
            o.percentDone = 100.0 / static_cast<double>(last - first) *
                            static_cast<double>(o.lastPrime - first);
            break;
        }
        if (pageClosed)
            r.pages.emplace_back();
        r.pages.back() += text;
        bytes += text.size();
        ++o.primeCount;
        o.lastPrime = n;
        const std::size_t threshold = pageThreshold(digits.size());
        pageClosed = threshold != 0 && r.pages.back().size() >= threshold;
    }
    o.pageCount = r.pages.size();
    r.summary = summary(o, r.pages.size(), bytes);
    return r;
}

// What the SEARCH button makes of the two bound texts: the message and the box
// that gets the focus, or the pages found, joined by "|".
std::string searchOf(const char* from, const char* to) {
    const auto result = validateBounds(from, to);
    if (const auto* error = std::get_if<BoundError>(&result))
        return error->message + (error->focus == BoundField::From ? " [From]"
                                 : error->focus == BoundField::To ? " [To]"
                                                                  : "");
    PageStore store;
    runSearch(std::get<SearchRange>(result), store);
    std::string text(store.page(1));
    for (std::size_t k = 2; k <= store.pageCount(); ++k)
        text.append("|").append(store.page(k));
    return text;
}

} // namespace

TEST(RangeSearch, matchesTrialDivision) {
    const SearchLimits split{.parallelFromBytes = 0}; // two threads even for small ranges
    const struct {
        std::uint64_t first, last;
        SearchLimits limits = {};
    } rows[] = {
        {7, 7919}, // from a prime to a prime
        {24, 28},  // no prime
        {0, 200000},
        {0, 2086}, // 2083 fills page 1: no empty page 2 ...
        {0, 2087}, // ... until 2087 needs it
        {99990, 100110},
        {999900, 1000100},
        {999999000, 1000002000},
        {9999997000, 10000003000}, // 11 digits never close a page
        {0, 5, split},
        {0, 300000, split},
        {90000, 110000, split},
        {999990000, 1000010000, split},
        // A full store: a search ending on the last page's last prime is complete.
        {0, 2086, {.maxPages = 1}},
        {0, 2087, {.maxPages = 1}},
        {0, 100000, {.maxPages = 1, .parallelFromBytes = 0}},
        {0, 100000, {.maxPages = 37}},
        {999000000, 1010000000, {.maxPages = 37, .parallelFromBytes = 0}},
        // A full text, and a page of 11-digit primes grown too long to show.
        {10000000000, 10001000000, {.maxBytes = 100}},
        {10000000000, 10001000000, {.maxBytes = 100, .parallelFromBytes = 0}},
        {9999995000, 10000005000, {.maxOpenPageBytes = 1200}},
        {9999995000, 10000005000, {.parallelFromBytes = 0, .maxOpenPageBytes = 1200}},
    };
    for (const auto& [first, last, limits] : rows) {
        PageStore store;
        const SearchOutcome outcome = runSearch({first, last}, store, {}, limits);
        const Reference ref = referenceSearch(first, last, limits);
        EXPECT_EQ(pagesOf(store), ref.pages) << first << ".." << last;
        EXPECT_EQ(summary(outcome, store), ref.summary) << first << ".." << last;
    }
}

TEST(RangeSearch, checksTheBoundsInOrderThenListsTheWholeNumbersBetweenThem) {
    const std::string notLess = "Number in the From box should be less then number in the To box!";
    const struct {
        const char* from;
        const char* to;
        std::string expected;
    } rows[] = {
        {"abc", "xyz", "Enter a valid number in the From box [From]"},
        {"0", "", "Enter a valid number in the To box [To]"},
        {"-1", "4", "Enter 0 or a greater number in the From box [From]"},
        {"-0.5", "1000", "Enter 0 or a greater number in the From box [From]"},
        {"0", "4", "Enter a number greater than 4 in the To box [To]"},
        {"2e19", "3", "Enter a number greater than 4 in the To box [To]"},
        {"0", "1e20", "Enter a number not above 1E+19 in the To box [To]"},
        {"2e19", "1.1E+19", "Enter a number not above 1E+19 in the To box [To]"},
        {"5", "5", notLess},
        {"4", "4.9", notLess},
        {"10", "4.5", notLess},
        {"2", "5", "2 3 5"},
        {"4", "5", " 5"},
        {"8", "9", ""}, // no prime: the one page stays empty
        {"0", "100", "2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97"},
        {"2.5", "10", " 3 5 7"}, // a fractional From rounds up
        {"0.5", "10", "2 3 5 7"},
        {"3", "12.9", " 3 5 7 11"}, // To is taken at its whole part
        {"1000000000", "1000000007", " 1000000007"},
        {"4294967290", "4294967311", " 4294967291 4294967311"}, // past 32 bits
        {"1e10", "10000000100", " 10000000019 10000000033 10000000061 10000000069 10000000097"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(searchOf(row.from, row.to), row.expected) << row.from << " " << row.to;
    PageStore store; // 18 and 19 digits, the widest primes below the top bound
    runSearch({999999999999999900, 1000000000000000100}, store);
    EXPECT_EQ(pagesOf(store), Pages{" 999999999999999967 999999999999999989 1000000000000000003 "
                                    "1000000000000000009 1000000000000000031 1000000000000000079"});
    EXPECT_EQ(std::get<SearchRange>(validateBounds("1e10", "1E+19")).last, 10000000000000000000u);
}

TEST(RangeSearch, countsThePrimesBelowPowersOfTenReportingProgressOnTheCallersThread) {
    const struct {
        std::uint64_t to;
        const char* summary;
    } rows[] = {
        {10, "4 primes, last 7, 1/1 pages, 7 bytes, 100%"},
        {100, "25 primes, last 97, 1/1 pages, 70 bytes, 100%"},
        {1000, "168 primes, last 997, 1/1 pages, 642 bytes, 100%"},
        {10000, "1229 primes, last 9973, 5/5 pages, 5947 bytes, 100%"},
        {100000, "9592 primes, last 99991, 42/42 pages, 56125 bytes, 100%"},
        {1000000, "78498 primes, last 999983, 436/436 pages, 538467 bytes, 100%"},
        {10000000, "664579 primes, last 9999991, 4343/4343 pages, 5227115 bytes, 100%"},
        {100000000, "5761455 primes, last 99999989, 45118/45118 pages, 51098999 bytes, 100%"},
    };
    const auto caller = std::this_thread::get_id();
    for (const auto& row : rows) {
        std::vector<double> reports;
        bool otherThread = false;
        PageStore store;
        const SearchOutcome outcome = runSearch({0, row.to}, store, [&](double percent) {
            otherThread |= std::this_thread::get_id() != caller;
            reports.push_back(percent);
        });
        EXPECT_EQ(summary(outcome, store), row.summary);
        EXPECT_FALSE(otherThread);
        EXPECT_GE(reports.size(), outcome.pageCount / 40) << row.to;
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()) &&
                    (reports.empty() || (reports.front() >= 0 && reports.back() <= 100)));
    }
}

// Page 1 of a stretch of d-digit primes closes at the first prime that brings
// it to the threshold for d digits.
TEST(RangeSearch, closesPagesAtEachDigitCountsThreshold) {
    const std::pair<std::uint64_t, const char*> rows[] = {
        {0, "1372 2083 | 2087 2089 2"},                // 4 digits: 1370
        {10000, "1344 12143 | 12149 12157"},           // 5 digits: 1340
        {100000, "1225 102001 | 102013 1020"},         // 6 digits: 1220
        {1000000, "1200 1001981 | 1001983 100"},       // 7 digits: 1200
        {10000000, "1125 10002029 | 10002053 10"},     // 8 digits: 1120
        {100000000, "1250 100002181 | 100002223 1"},   // 9 digits: 1250
        {1000000000, "1100 1000002043 | 1000002089 "}, // 10 digits: 1100
    };
    for (const auto& [from, expected] : rows) {
        PageStore store;
        runSearch({from, from + 20000}, store);
        const std::string page1(store.page(1));
        EXPECT_EQ(std::to_string(page1.size()) + page1.substr(page1.rfind(' ')) + " |" +
                      std::string(store.page(2).substr(0, 12)),
                  expected);
    }
}

TEST(RangeSearch, stopsWhenAllPagesAreFullOrAPageOfElevenDigitPrimesOutgrowsAMegabyte) {
    PageStore store;
    SearchOutcome outcome = runSearch({0, 10000000000}, store);
    // The count is exact far past 2^24.
    EXPECT_EQ(summary(outcome, store), "60266898 primes, last 1196077591, 500000/500000 pages, "
                                       "605572793 bytes, 11.96077591%, pages full");
    EXPECT_TRUE(store.page(500000).ends_with(" 1196077591"));
    outcome = runSearch({10000000000, 11000000000}, store);
    EXPECT_EQ(summary(outcome, store), "83333 primes, last 10001920723, 1/1 pages, 999996 bytes, "
                                       "0.1920723%, text full");
}

TEST(RangeSearch, storeGivesEmptyPagesOutsideItsRangeAndKeepsOnlyTheLastSearch) {
    PageStore store;
    runSearch({0, 20000}, store);
    EXPECT_EQ(std::string(store.page(0)) + std::string(store.page(store.pageCount() + 1)), "");
    runSearch({4, 5}, store);
    EXPECT_EQ(pagesOf(store), Pages{" 5"});
    store.clear();
    EXPECT_TRUE(store.empty() && store.totalBytes() == 0 && store.page(1).empty());
}
