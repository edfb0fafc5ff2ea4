// The range search: bound checks, and the pages it notes (made again on
// request) against a trial-division listing, on one thread and on two.
#include "search/range_search.h"

#include "tests/reference_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

using namespace korvane::search;
using Pages = std::vector<std::string>;

namespace {

// Every page as the store makes it on its own, one request per page.
Pages pagesOf(const PageStore& store) {
    Pages pages;
    for (std::size_t k = 1; k <= store.pageCount(); ++k)
        pages.push_back(store.page(k));
    return pages;
}

// Every page as one request for the whole span makes them.
Pages spanOf(const PageStore& store) {
    Pages pages;
    store.makePages(1, store.pageCount(), [&](std::string_view text) {
        pages.emplace_back(text);
        return true;
    });
    return pages;
}

std::uint64_t bytesOf(const Pages& pages) {
    std::uint64_t bytes = 0;
    for (const std::string& page : pages)
        bytes += page.size();
    return bytes;
}

} // namespace

TEST(RangeSearch, listsTheSamePagesAsTrialDivisionOnOneThreadAndOnTwo) {
    const struct Row {
        const char* name;
        std::uint64_t first, last;
        std::size_t maxPages = 500000;
        std::size_t maxOpenPageBytes = 1000000;
    } rows[] = {
        {"page 1 begins with 2", 0, 200000},
        {"from a prime to a prime", 7, 7919},
        {"no prime: one empty page", 24, 28},
        {"2083 fills page 1, no empty page 2", 0, 2086},
        {"2087 opens page 2", 0, 2087},
        {"4 to 5 digits", 9000, 11000},
        {"5 to 6 digits", 99990, 100110},
        {"6 to 7 digits", 999900, 1000100},
        {"7 to 8 digits", 9999000, 10001000},
        {"8 to 9 digits", 99995000, 100005000},
        {"9 to 10 digits", 999999000, 1000002000},
        {"10 to 11 digits: the open last page", 9999997000, 10000003000},
        {"all pages full", 0, 100000, 37},
        {"full on the last page's last prime", 0, 2086, 1},
        {"full when 2087 needs page 2", 0, 2087, 1},
        {"full among 9-digit primes", 999000000, 1010000000, 37},
        {"the open page at its cap", 9999995000, 10000005000, 500000, 1200},
        {"the open page full from its start", 10000000000, 10001000000, 500000, 100},
    };
    for (const Row& row : rows) {
        const ReferenceResult ref =
            referenceSearch(row.first, row.last, row.maxPages, row.maxOpenPageBytes);
        for (const std::uint64_t parallelFrom : {std::uint64_t{20'000'000}, std::uint64_t{0}}) {
            SCOPED_TRACE(std::string(row.name) + (parallelFrom == 0 ? ", two threads" : ""));
            const SearchLimits limits{row.maxPages, parallelFrom, row.maxOpenPageBytes};
            PageStore store;
            const SearchOutcome outcome = runSearch({row.first, row.last}, store, {}, limits);
            EXPECT_EQ(pagesOf(store), ref.pages);
            EXPECT_EQ(spanOf(store), ref.pages);
            EXPECT_EQ(store.totalBytes(), bytesOf(ref.pages));
            EXPECT_EQ(outcome.pageCount, ref.pages.size());
            EXPECT_EQ(outcome.primeCount, ref.primes);
            EXPECT_EQ(outcome.lastPrime, ref.lastPrime);
            EXPECT_EQ(outcome.storeFull, ref.storeFull);
            EXPECT_EQ(outcome.textFull, ref.openPageFull);
            const bool early = ref.storeFull || ref.openPageFull;
            EXPECT_EQ(outcome.percentDone, early
                                               ? 100.0 / static_cast<double>(row.last - row.first) *
                                                     static_cast<double>(ref.lastPrime - row.first)
                                               : 100.0);
        }
    }
}

TEST(RangeSearch, refusesBoundsInTheOrderTheChecksRunAndNamesTheBoxForTheFocus) {
    const char* const notLess = "Number in the From box should be less then number in the To box!";
    const struct {
        const char *from, *to, *message;
        korvane::InputField focus;
    } rows[] = {
        // clang-format off
        {"abc", "xyz", "Enter a valid number in the From box", korvane::InputField::First},
        {"0", "", "Enter a valid number in the To box", korvane::InputField::Second},
        {"-1", "4", "Enter 0 or a greater number in the From box", korvane::InputField::First},
        {"-0.5", "1000", "Enter 0 or a greater number in the From box", korvane::InputField::First},
        {"0", "4", "Enter a number greater than 4 in the To box", korvane::InputField::Second},
        {"2e19", "3", "Enter a number greater than 4 in the To box", korvane::InputField::Second},
        {"0", "1e20", "Enter a number not above 1E+19 in the To box", korvane::InputField::Second},
        {"2e19", "1.1E+19", "Enter a number not above 1E+19 in the To box", korvane::InputField::Second},
        {"5", "5", notLess, korvane::InputField::None}, {"4", "4.9", notLess, korvane::InputField::None},
        {"10", "4.5", notLess, korvane::InputField::None},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " to " + row.to);
        const auto result = validateBounds(row.from, row.to);
        const auto* error = std::get_if<korvane::InputError>(&result);
        ASSERT_NE(error, nullptr) << "refused";
        EXPECT_EQ(error->message, row.message);
        EXPECT_EQ(error->focus, row.focus) << "the box that gets the focus";
    }
}

TEST(RangeSearch, listsThePrimesBetweenTheWholeNumbersOfTheBounds) {
    const struct {
        const char *from, *to, *page;
    } rows[] = {
        // clang-format off
        {"2", "5", "2 3 5"}, {"4", "5", " 5"},
        {"8", "9", ""}, // no prime: the one page stays empty
        {"0", "100", "2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97"},
        {"2.5", "10", " 3 5 7"}, // a fractional From rounds up
        {"0.5", "10", "2 3 5 7"},
        {"3", "12.9", " 3 5 7 11"}, // To is taken at its whole part
        {"1000000000", "1000000007", " 1000000007"},
        {"4294967290", "4294967311", " 4294967291 4294967311"}, // past 32 bits
        {"1e10", "10000000100", " 10000000019 10000000033 10000000061 10000000069 10000000097"},
        // 18 and 19 digits near the top bound; From is read as the double 999999999999999872
        {"999999999999999900", "1000000000000000100",
         " 999999999999999877 999999999999999967 999999999999999989 1000000000000000003"
         " 1000000000000000009 1000000000000000031 1000000000000000079"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " to " + row.to);
        const auto result = validateBounds(row.from, row.to);
        ASSERT_TRUE(std::holds_alternative<SearchRange>(result)) << "accepted";
        PageStore store;
        runSearch(std::get<SearchRange>(result), store);
        EXPECT_EQ(store.pageCount(), 1u);
        EXPECT_EQ(store.page(1), row.page);
    }
    EXPECT_EQ(std::get<SearchRange>(validateBounds("1e10", "1E+19")).last, 10000000000000000000u);
}

TEST(RangeSearch, countsThePrimesBelowPowersOfTenReportingRisingProgressOnTheCallersThread) {
    const struct {
        std::uint64_t to, primes, lastPrime;
        std::size_t pages;
        std::uint64_t bytes;
    } rows[] = {
        {10, 4, 7, 1, 7},
        {1000, 168, 997, 1, 642},
        {10000, 1229, 9973, 5, 5947},
        {1000000, 78498, 999983, 436, 538467},
        {100000000, 5761455, 99999989, 45118, 51098999},
    };
    const auto caller = std::this_thread::get_id();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.to);
        std::vector<double> reports;
        bool otherThread = false;
        PageStore store;
        const SearchOutcome outcome = runSearch({0, row.to}, store, [&](double percent) {
            otherThread |= std::this_thread::get_id() != caller;
            reports.push_back(percent);
        });
        EXPECT_EQ(outcome.primeCount, row.primes);
        EXPECT_EQ(outcome.lastPrime, row.lastPrime);
        EXPECT_EQ(outcome.pageCount, row.pages);
        EXPECT_EQ(store.totalBytes(), row.bytes);
        EXPECT_EQ(outcome.percentDone, 100);
        EXPECT_FALSE(otherThread);
        EXPECT_GE(reports.size(), outcome.pageCount / 40);
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
        EXPECT_TRUE(reports.empty() || (reports.front() >= 0 && reports.back() <= 100));
    }
}

TEST(RangeSearch, stopsWhenAllPagesAreFull) {
    PageStore store;
    const SearchOutcome outcome = runSearch({0, 10000000000}, store);
    EXPECT_TRUE(outcome.storeFull);
    EXPECT_EQ(outcome.primeCount, 60266898u); // exact far past 2^24
    EXPECT_EQ(outcome.lastPrime, 1196077591u);
    EXPECT_EQ(outcome.pageCount, 500000u);
    EXPECT_EQ(store.totalBytes(), 605572793u);
    EXPECT_DOUBLE_EQ(outcome.percentDone, 11.96077591);
    EXPECT_TRUE(store.page(500000).ends_with(" 1196077591"));
    EXPECT_EQ(store.page(250000).substr(0, 11), " 600945469 "); // a page from the middle
}
