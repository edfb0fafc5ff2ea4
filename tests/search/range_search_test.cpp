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

// The pages of a search typed into the two boxes.
std::vector<std::string> searchPages(const char* from, const char* to,
                                     SearchOutcome* outcome = nullptr) {
    const auto checked = validateBounds(from, to);
    if (!std::holds_alternative<SearchRange>(checked)) {
        ADD_FAILURE() << "refused: " << from << " " << to;
        return {};
    }
    PageStore store;
    const SearchOutcome result = runSearch(std::get<SearchRange>(checked), store);
    if (outcome != nullptr)
        *outcome = result;
    return pagesOf(store);
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
        {9999997000, 10000003000},
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
        {9999995000, 10000005000},
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

TEST(RangeSearch, checksTheBoundsInOrderWithTheirMessagesAndFocus) {
    const struct {
        const char* from;
        const char* to;
        const char* message;
        BoundField focus;
    } rows[] = {
        {"abc", "1000", "Enter a valid number in the From box", BoundField::From},
        {"abc", "xyz", "Enter a valid number in the From box", BoundField::From},
        {"", "1000", "Enter a valid number in the From box", BoundField::From},
        {"1e400", "1000", "Enter a valid number in the From box", BoundField::From},
        {"0", "", "Enter a valid number in the To box", BoundField::To},
        {"0", "1,000", "Enter a valid number in the To box", BoundField::To},
        {"-1", "1000", "Enter 0 or a greater number in the From box", BoundField::From},
        {"-1", "4", "Enter 0 or a greater number in the From box", BoundField::From},
        {"-0.5", "1000", "Enter 0 or a greater number in the From box", BoundField::From},
        {"0", "4", "Enter a number greater than 4 in the To box", BoundField::To},
        {"2e19", "3", "Enter a number greater than 4 in the To box", BoundField::To},
        {"0", "1e20", "Enter a number not above 1E+19 in the To box", BoundField::To},
        {"2e19", "1.1E+19", "Enter a number not above 1E+19 in the To box", BoundField::To},
        {"5", "5", "Number in the From box should be less then number in the To box!",
         BoundField::None},
        {"4", "4.9", "Number in the From box should be less then number in the To box!",
         BoundField::None},
        {"10", "4.5", "Number in the From box should be less then number in the To box!",
         BoundField::None},
    };
    for (const auto& row : rows) {
        const auto checked = validateBounds(row.from, row.to);
        const auto* error = std::get_if<BoundError>(&checked);
        ASSERT_NE(error, nullptr) << row.from << " " << row.to;
        EXPECT_EQ(error->message, row.message) << row.from << " " << row.to;
        EXPECT_EQ(error->focus, row.focus) << row.from << " " << row.to;
    }
}

TEST(RangeSearch, searchesTheWholeNumbersBetweenTheBounds) {
    const struct {
        const char* from;
        const char* to;
        std::uint64_t first;
        std::uint64_t last;
    } rows[] = {
        {"0", "1000", 0, 1000},
        {" 0 ", " 10 ", 0, 10},
        {"2.5", "10", 3, 10}, // a fractional From rounds up
        {"0.5", "10", 1, 10},
        {"0", "10.9", 0, 10}, // To is taken at its whole part
        {"1000000000", "1000000007", 1000000000, 1000000007},
        {"1e10", "1E+19", 10000000000, 10000000000000000000u},
    };
    for (const auto& row : rows) {
        const auto checked = validateBounds(row.from, row.to);
        const auto* range = std::get_if<SearchRange>(&checked);
        ASSERT_NE(range, nullptr) << row.from << " " << row.to;
        EXPECT_EQ(range->first, row.first) << row.from;
        EXPECT_EQ(range->last, row.last) << row.to;
    }
}

TEST(RangeSearch, smallRangesGiveTheseExactPages) {
    using Pages = std::vector<std::string>;
    const struct {
        const char* from;
        const char* to;
        Pages pages;
    } rows[] = {
        {"0", "10", {"2 3 5 7"}},
        {"2", "5", {"2 3 5"}},
        {"4", "5", {" 5"}},
        {"8", "9", {""}}, // no prime: the one page stays empty
        {"24", "28", {""}},
        {"0", "100", {"2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97"}},
        {"2.5", "10", {" 3 5 7"}}, // no fractional candidates
        {"0.5", "10", {"2 3 5 7"}},
        {"1", "10", {"2 3 5 7"}},
        {"1.5", "10", {"2 3 5 7"}},
        {"3", "10", {" 3 5 7"}},
        {"1000000000", "1000000007", {" 1000000007"}},
        {"4294967290", "4294967311", {" 4294967291 4294967311"}}, // past 32 bits
        {"1e10", "10000000100", {" 10000000019 10000000033 10000000061 10000000069 10000000097"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(searchPages(row.from, row.to), row.pages) << row.from << " " << row.to;
}

TEST(RangeSearch, reachesTheTopOfTheRange) {
    PageStore store;
    const SearchOutcome outcome = runSearch({9999999999999999900u, 10000000000000000000u}, store);
    EXPECT_EQ(store.page(1), " 9999999999999999919 9999999999999999943 9999999999999999961");
    EXPECT_EQ(outcome.lastPrime, 9999999999999999961u);
}

TEST(RangeSearch, countsThePrimesBelowPowersOfTen) {
    const struct {
        const char* to;
        std::uint64_t primes;
        std::size_t pages;
        std::size_t bytes;
    } rows[] = {
        {"10", 4, 1, 7},
        {"100", 25, 1, 70},
        {"1000", 168, 1, 642},
        {"10000", 1229, 5, 5947},
        {"100000", 9592, 42, 56125},
        {"1000000", 78498, 436, 538467},
        {"10000000", 664579, 4343, 5227115},
        {"100000000", 5761455, 45118, 51098999},
    };
    for (const auto& row : rows) {
        PageStore store;
        const SearchOutcome outcome =
            runSearch({0, static_cast<std::uint64_t>(*korvane::parseNumber(row.to))}, store);
        EXPECT_EQ(outcome.primeCount, row.primes) << row.to;
        EXPECT_EQ(outcome.pageCount, row.pages) << row.to;
        EXPECT_EQ(store.pageCount(), row.pages) << row.to;
        EXPECT_EQ(store.totalBytes(), row.bytes) << row.to;
        EXPECT_FALSE(outcome.storeFull);
        EXPECT_EQ(outcome.percentDone, 100);
    }
}

// Page 1 of a stretch of d-digit primes closes at the first prime that brings
// it to the threshold for d digits.
TEST(RangeSearch, closesPagesAtEachDigitCountsThreshold) {
    const struct {
        std::uint64_t from;
        std::size_t length;
        const char* lastOnPage;
        const char* nextPageStart;
    } rows[] = {
        {0, 1372, " 2083", " 2087 2089 2"},                // 4 digits: 1370
        {10000, 1344, " 12143", " 12149 12157"},           // 5 digits: 1340
        {100000, 1225, " 102001", " 102013 1020"},         // 6 digits: 1220
        {1000000, 1200, " 1001981", " 1001983 100"},       // 7 digits: 1200
        {10000000, 1125, " 10002029", " 10002053 10"},     // 8 digits: 1120
        {100000000, 1250, " 100002181", " 100002223 1"},   // 9 digits: 1250
        {1000000000, 1100, " 1000002043", " 1000002089 "}, // 10 digits: 1100
    };
    for (const auto& row : rows) {
        PageStore store;
        runSearch({row.from, row.from + 20000}, store);
        const std::string_view page1 = store.page(1);
        EXPECT_EQ(page1.size(), row.length) << row.from;
        EXPECT_EQ(page1.substr(page1.rfind(' ')), row.lastOnPage) << row.from;
        EXPECT_EQ(store.page(2).substr(0, 12), row.nextPageStart) << row.from;
    }
}

TEST(RangeSearch, primesBelowAThousandAndAboveTenDigitsNeverClosePages) {
    PageStore store;
    runSearch({0, 1000}, store);
    EXPECT_EQ(store.pageCount(), 1u);
    const SearchOutcome outcome = runSearch({10000000000, 10000200000}, store);
    EXPECT_EQ(outcome.pageCount, 1u);
    EXPECT_EQ(store.page(1).size(), outcome.primeCount * 12);
}

TEST(RangeSearch, neverEndsOnAnEmptyPage) {
    SearchOutcome outcome;
    // 2083 is the prime that fills page 1.
    EXPECT_EQ(searchPages("0", "2083", &outcome).size(), 1u);
    EXPECT_EQ(searchPages("0", "2086", &outcome).size(), 1u);
    EXPECT_EQ(outcome.pageCount, 1u);
    const auto pages = searchPages("0", "2087", &outcome);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], " 2087");
}

TEST(RangeSearch, stopsWhenAllPagesAreFull) {
    PageStore store;
    const SearchOutcome outcome = runSearch({0, 10000000000}, store);
    EXPECT_TRUE(outcome.storeFull);
    EXPECT_FALSE(outcome.textFull);
    EXPECT_EQ(outcome.pageCount, 500000u);
    EXPECT_EQ(store.pageCount(), 500000u);
    EXPECT_EQ(korvane::leadingBlankForm(outcome.primeCount), " 60266898"); // exact past 2^24
    EXPECT_EQ(outcome.lastPrime, 1196077591u);
    const std::string_view last = store.page(500000);
    EXPECT_EQ(last.substr(last.size() - 11), " 1196077591");
    EXPECT_NEAR(outcome.percentDone, 11.96077591, 1e-9);
    EXPECT_EQ(korvane::hashFormat(outcome.percentDone), "12");
}

TEST(RangeSearch, aRangeThatEndsOnTheLastPagesLastPrimeIsComplete) {
    SearchLimits limits;
    limits.maxPages = 1;
    PageStore store;
    SearchOutcome outcome = runSearch({0, 2086}, store, {}, limits);
    EXPECT_FALSE(outcome.storeFull);
    EXPECT_EQ(outcome.percentDone, 100);
    outcome = runSearch({0, 2087}, store, {}, limits);
    EXPECT_TRUE(outcome.storeFull);
    EXPECT_EQ(outcome.lastPrime, 2083u);
    EXPECT_EQ(outcome.pageCount, 1u);
    EXPECT_NEAR(outcome.percentDone, 100.0 * 2083 / 2087, 1e-9);
}

TEST(RangeSearch, stopsBeforeTheTextOutgrowsTheStore) {
    for (std::size_t parallelFrom : {std::size_t{0}, PageStore::maxBytes}) {
        SearchLimits limits;
        limits.maxBytes = 100; // eight primes of 11 digits, with their blanks
        limits.parallelFromBytes = parallelFrom;
        PageStore store;
        const SearchOutcome outcome = runSearch({10000000000, 10001000000}, store, {}, limits);
        EXPECT_TRUE(outcome.textFull);
        EXPECT_FALSE(outcome.storeFull);
        EXPECT_EQ(outcome.primeCount, 8u);
        EXPECT_EQ(outcome.pageCount, 1u);
        EXPECT_EQ(store.totalBytes(), 96u);
        EXPECT_LT(outcome.percentDone, 1);
    }
}

TEST(RangeSearch, stopsBeforeThePageOfElevenDigitPrimesGrowsTooBigToShow) {
    std::vector<std::string> firstRun;
    for (std::size_t parallelFrom : {std::size_t{0}, PageStore::maxBytes}) {
        SearchLimits limits;
        limits.maxOpenPageBytes = 1200;
        limits.parallelFromBytes = parallelFrom;
        PageStore store;
        const SearchOutcome outcome = runSearch({9999900000, 10001000000}, store, {}, limits);
        EXPECT_TRUE(outcome.textFull);
        const std::string_view last = store.page(store.pageCount());
        EXPECT_LE(last.size(), 1200u);
        EXPECT_GT(last.size(), 1200u - 12);
        EXPECT_EQ(last.substr(last.size() - 11), korvane::decimalDigits(outcome.lastPrime));
        EXPECT_LT(store.page(store.pageCount() - 1).size(), 1200u); // 10-digit pages close as usual
        std::vector<std::string> pages;
        for (std::size_t k = 1; k <= store.pageCount(); ++k)
            pages.emplace_back(store.page(k));
        if (firstRun.empty())
            firstRun = pages;
        else
            EXPECT_EQ(pages, firstRun);
    }
    PageStore store;
    const SearchOutcome outcome = runSearch({10000000000, 11000000000}, store);
    EXPECT_TRUE(outcome.textFull);
    EXPECT_LE(store.page(1).size(), 1'000'000u);
}

TEST(RangeSearch, reportsRisingProgressOnTheCallersThreadAtLeastEveryFortyPages) {
    const auto caller = std::this_thread::get_id();
    std::vector<double> reports;
    bool otherThread = false;
    PageStore store;
    const SearchOutcome outcome = runSearch({0, 100000000}, store, [&](double percent) {
        otherThread |= std::this_thread::get_id() != caller;
        reports.push_back(percent);
    });
    EXPECT_FALSE(otherThread);
    EXPECT_GE(reports.size(), outcome.pageCount / 40);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_GE(reports.front(), 0);
    EXPECT_LE(reports.back(), 100);
}

TEST(RangeSearch, storeGivesViewsOfItsPagesOnlyWhileFilled) {
    PageStore store;
    EXPECT_TRUE(store.empty());
    runSearch({0, 20000}, store);
    EXPECT_FALSE(store.empty());
    EXPECT_EQ(store.page(0), "");
    EXPECT_EQ(store.page(store.pageCount() + 1), "");
    runSearch({4, 5}, store); // a new search replaces the old pages
    EXPECT_EQ(store.pageCount(), 1u);
    EXPECT_EQ(store.page(1), " 5");
    store.clear();
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(store.totalBytes(), 0u);
    EXPECT_EQ(store.page(1), "");
}
