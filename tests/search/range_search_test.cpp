// The range search: its pages (made again on request) against a trial-division
// listing on one thread and on two, what it covers, the bounds read exactly,
// and a full page store within a small address space.
#include "search/range_search.h"

#include "common/number_text.h"
#include "search/search_plan.h"
#include "tests/reference_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvane::search;

TEST(RangeSearch, listsTheSamePagesAsTrialDivisionOnOneThreadAndOnTwo) {
    const struct Row {
        const char* name;
        std::uint64_t first, last;
        std::size_t maxPages = 500000, maxOpenPageBytes = 1000000;
    } rows[] = {
        // clang-format off
        {"page 1 begins with 2", 0, 200000}, {"no prime: one empty page", 24, 28},
        {"2083 fills page 1, no empty page 2", 0, 2086}, {"2087 opens page 2", 0, 2087},
        {"6 to 7 digits", 999900, 1000100}, {"7 to 8 digits", 9999000, 10001000},
        {"8 to 9 digits", 99995000, 100005000}, {"9 to 10 digits", 999999000, 1000002000},
        {"10 to 11 digits: the open last page", 9999997000, 10000003000},
        {"all pages full", 0, 100000, 37}, {"full when 2087 needs page 2", 0, 2087, 1},
        {"the open page at its cap", 9999995000, 10000005000, 500000, 1200},
        // clang-format on
    };
    PageStore store; // shared: each search replaces the pages of the one before
    for (const Row& row : rows) {
        const ReferenceResult ref =
            referenceSearch(row.first, row.last, row.maxPages, row.maxOpenPageBytes);
        for (const std::uint64_t parallelFrom : {std::uint64_t{20'000'000}, std::uint64_t{0}}) {
            SCOPED_TRACE(std::string(row.name) + (parallelFrom == 0 ? ", two threads" : ""));
            const SearchOutcome outcome =
                runSearch({row.first, row.last}, store, {},
                          {row.maxPages, parallelFrom, row.maxOpenPageBytes});
            std::vector<std::string> byPage, bySpan;
            for (std::size_t k = 1; k <= store.pageCount(); ++k)
                byPage.push_back(store.page(k));
            store.makePages(1, store.pageCount(), [&](std::string_view text) {
                bySpan.emplace_back(text);
                return true;
            });
            EXPECT_EQ(byPage, ref.pages) << "page by page";
            EXPECT_EQ(bySpan, ref.pages) << "as one span";
            EXPECT_EQ(std::tuple(outcome.primeCount, outcome.lastPrime, outcome.storeFull,
                                 outcome.textFull),
                      std::tuple(ref.primes, ref.lastPrime, ref.storeFull, ref.openPageFull));
        }
    }
}

// What a search covers, the checked bounds or up to the last prime listed when
// a limit stopped it, and its count (pi(10^k) among them); progress rises and
// is reported on the caller's thread.
TEST(RangeSearch, coversItsBoundsOrUpToTheLastPrimeListedAndCountsThePrimes) {
    using Covered = std::tuple<std::uint64_t, std::uint64_t, bool, std::uint64_t>;
    const std::tuple<const char*, const char*, std::size_t, Covered> rows[] = {
        {"0", "10000", 500000, {0, 10000, false, 1229}},
        {"6.5", "7.5", 500000, {7, 7, false, 1}},  // From rounded up, To's whole part
        {"0", "1000000", 3, {0, 6689, true, 862}}, // three pages, the last closed by 6689
        {"0", "1000000", 500000, {0, 1000000, false, 78498}},
        {"0", "100000000", 500000, {0, 100000000, false, 5761455}},
    };
    const auto caller = std::this_thread::get_id();
    for (const auto& [from, to, maxPages, expected] : rows) {
        std::vector<double> reports;
        bool otherThread = false;
        PageStore store;
        const auto range = std::get<SearchRange>(validateBounds(from, to));
        const SearchOutcome out = runSearch(range, store,
                                            [&](double percent) {
                                                otherThread |= std::this_thread::get_id() != caller;
                                                reports.push_back(percent);
                                            },
                                            {maxPages});
        const CoveredRange c = out.covered();
        EXPECT_EQ(Covered(c.first, c.last, c.stoppedEarly, out.primeCount), expected) << to;
        EXPECT_FALSE(otherThread) << "progress is reported on the caller's thread";
        EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end())) << "progress only rises";
    }
}

// 19- and 20-digit bounds keep every digit (a 64-bit float would move them by
// up to 1024); refusals come in the order the checks run.
TEST(RangeSearch, checksTheExactValuesOfTheBounds) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // clang-format off
        {"9999999999999999000", "9999999999999999500", "9999999999999999000 to 9999999999999999500"},
        {"9999999999999999999", "1E+19", "9999999999999999999 to 10000000000000000000"},
        {"-0.5", "4", "Enter 0 or a greater number in the From box"},
        {"2e19", "10000000000000000001", "Enter a number not above 1E+19 in the To box"},
        {"9999999999999999000.5", "9999999999999999001", "Number in the From box should be less then number in the To box!"},
        // clang-format on
    };
    for (const auto& [from, to, outcome] : rows) {
        const auto result = validateBounds(from, to);
        const auto* error = std::get_if<korvane::InputError>(&result);
        const auto* range = std::get_if<SearchRange>(&result);
        EXPECT_EQ(error ? error->message
                        : korvane::decimalDigits(range->first) + " to " +
                              korvane::decimalDigits(range->last),
                  outcome)
            << from << " to " << to;
    }
}

// The callback throws while the caller, its own share done, waits for the
// helper, held meanwhile in its second stretch: the helper must be stopped and
// joined, never left to end the program.
TEST(RangeSearch, aProgressCallbackThatThrowsWhileWaitingForTheHelperEndsTheSearch) {
    const SearchRange range{0, 3'000'000};
    const SearchLimits limits{500000, 0, 1000000};
    const SearchPlan plan = planSearch(range, limits);
    std::mutex mutex;
    std::condition_variable released;
    bool thrown = false;
    std::uint64_t heldAt = 0; // numbers the held helper has covered
    const auto holdHelper = [&](std::uint64_t p) {
        std::unique_lock lock(mutex);
        if (p >= plan.countFrom && heldAt == 0) {
            heldAt = p - range.first;
            released.wait_for(lock, std::chrono::seconds(20), [&] { return thrown; });
        }
    };
    const auto throwWhenWaiting = [&](double percent) {
        std::lock_guard lock(mutex);
        // The percentage the caller reports once its own share is covered.
        const double waiting = 100.0 / static_cast<double>(range.last - range.first) *
                               static_cast<double>(heldAt + plan.parallelEnd - plan.upperFrom);
        if (heldAt != 0 && percent >= waiting) {
            thrown = true;
            released.notify_one();
            throw std::runtime_error("the window failed");
        }
    };
    PageStore store;
    EXPECT_THROW(runSearch(range, store, throwWhenWaiting, limits, holdHelper), std::runtime_error);
    EXPECT_TRUE(thrown) << "thrown while waiting for the helper";
}

// All 500000 pages of a search from 0 to 1E+10 under a 400 MB address-space
// limit, in a child process so the limit ends with it.
TEST(PageStore, aFullSearchRunsWithinA400MegabyteAddressSpace) {
#ifdef KORVANE_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve terabytes of address space";
#endif
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{400'000'000, 400'000'000};
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(2);
        try {
            PageStore store;
            const SearchOutcome out = runSearch({0, 10'000'000'000}, store);
            _exit(out.pageCount == 500000 && out.storeFull && out.primeCount == 60266898 &&
                          store.page(500000).ends_with(" 1196077591")
                      ? 0
                      : 3);
        } catch (...) {
            _exit(4);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: no limit set, 3: wrong result, 4: out of memory";
}
