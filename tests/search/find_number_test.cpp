// Find Number: the answers a user reads and the prime put on view, and every
// listed prime's place (ordinal, page and column) against a trial-division
// listing, across digit counts, two threads, a full store and the capped page
// near 1E+19.
#include "search/find_number.h"
#include "search/range_search.h"
#include "tests/reference_pages.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace korvane::search;

namespace {

// A search as the tab runs it, with the range it reports as covered.
struct Searched {
    PageStore store;
    CoveredRange covered;
    Searched(std::uint64_t first, std::uint64_t last, SearchLimits limits = {})
        : covered(runSearch({first, last}, store, {}, limits).covered()) {}
    std::string find(const char* typed) const { return findNumber(typed, covered, store).text; }
};

// Every prime of the reference pages, in order, where a user would find it.
std::vector<ListedPrime> listing(const ReferenceResult& ref) {
    std::vector<ListedPrime> out;
    for (std::size_t k = 0; k < ref.pages.size(); ++k) {
        std::istringstream words(ref.pages[k]);
        std::size_t from = 0;
        for (std::string word; words >> word;) {
            const std::size_t column = ref.pages[k].find(word, from);
            out.push_back({std::stoull(word), out.size() + 1, k + 1, column, word.size()});
            from = column + word.size();
        }
    }
    return out;
}

} // namespace

// The answer in words, and the digits selected on the page put on view: the
// number, or the nearer prime (the lower one on a tie), or nothing.
TEST(FindNumber, answersEachKindOfNumberAndShowsTheNearerPrime) {
    const Searched toMillion(0, 1000000);
    const char* const notWhole = "Enter a whole number.";
    const char* const outside = " is outside the searched range, 0 to 1000000.";
    const std::tuple<const char*, std::string, const char*> rows[] = {
        // clang-format off
        {"abc", notWhole, ""}, {"2.5", notWhole, ""},
        {"2000000", "2000000" + std::string(outside), ""},
        {"104729", "104729 is the 10000th prime listed, on page 45.", "104729"},
        {"104729.0", "104729 is the 10000th prime listed, on page 45.", "104729"},
        {"2", "2 is the 1st prime listed, on page 1.", "2"},
        {"2083", "2083 is the 314th prime listed, on page 1.", "2083"},
        {"2087", "2087 is the 315th prime listed, on page 2.", "2087"},
        {"999983", "999983 is the 78498th prime listed, on page 436.", "999983"},
        {"1000", "1000 is not prime; the nearest primes listed are 997 (page 1) and 1009 (page 1).", "997"},
        {"2086", "2086 is not prime; the nearest primes listed are 2083 (page 1) and 2087 (page 2).", "2087"},
        {"1", "1 is not prime; the nearest prime listed is 2 (page 1).", "2"},
        {"1e6", "1000000 is not prime; the nearest prime listed is 999983 (page 436).", "999983"},
        // clang-format on
    };
    for (const auto& [typed, text, shown] : rows) {
        SCOPED_TRACE(typed);
        const FindAnswer a = findNumber(typed, toMillion.covered, toMillion.store);
        EXPECT_EQ(a.text, text);
        EXPECT_EQ(a.show ? toMillion.store.page(a.show->page).substr(a.show->column, a.show->digits)
                         : "",
                  shown)
            << "the digits selected";
    }
    EXPECT_EQ(Searched(8, 10).find("9"), "9 is not prime; no prime is listed.");
}

// Every listed prime is found at its own place, and every number just past
// one finds it and the next; below the first prime only the first is found.
TEST(FindNumber, placesEveryPrimeAsATrialDivisionListingDoes) {
    const std::tuple<const char*, std::uint64_t, std::uint64_t, SearchLimits> rows[] = {
        {"1 to 5 digits on two threads", 0, 30000, {500000, 0}},
        {"10 to 11 digits: the open last page", 9999997000, 10000003000, {}},
        {"store full", 0, 100000, {37}},
        {"open page at its cap", 9999995000, 10000005000, {500000, 20000000, 1200}},
    };
    for (const auto& [name, first, last, limits] : rows) {
        SCOPED_TRACE(name);
        const Searched s(first, last, limits);
        const std::vector<ListedPrime> expected =
            listing(referenceSearch(first, last, limits.maxPages, limits.maxOpenPageBytes));
        const auto at = [&](std::size_t i) {
            return i < expected.size() ? std::optional(expected[i]) : std::nullopt;
        };
        const Surroundings below = surroundingsOf(s.store, expected.at(0).value - 1);
        EXPECT_FALSE(below.atOrBelow.has_value()) << "nothing below the first prime";
        EXPECT_EQ(below.above, expected[0]);
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (const std::uint64_t n : {expected[i].value, expected[i].value + 1}) {
                const std::size_t k = at(i + 1) && at(i + 1)->value == n ? i + 1 : i; // 2 and 3
                const Surroundings found = surroundingsOf(s.store, n);
                ASSERT_EQ(found.atOrBelow, at(k)) << "at or below " << n;
                ASSERT_EQ(found.above, at(k + 1)) << "above " << n;
            }
    }
}

// A full store ends the range at its last prime. 20-digit primes never close a
// page; capped at 2000 characters, the one page near 1E+19 holds 100 of them.
TEST(FindNumber, answersAfterAFullStoreAndOnTheOneCappedPageNearTenToTheNineteen) {
    const Searched full(0, 1000000, {3});
    EXPECT_EQ(full.find("6689"), "6689 is the 862nd prime listed, on page 3.");
    EXPECT_EQ(full.find("6690"), "6690 is outside the searched range, 0 to 6689.");
    const Searched s(9999999999999990000u, 10000000000000000000u, {500000, 20000000, 2000});
    EXPECT_EQ(s.find("9999999999999990047"),
              "9999999999999990047 is the 1st prime listed, on page 1.");
    EXPECT_EQ(s.find("9999999999999994177"),
              "9999999999999994177 is the 100th prime listed, on page 1.");
    EXPECT_EQ(s.find("1E+19"), "10000000000000000000 is outside the searched range, "
                               "9999999999999990000 to 9999999999999994177.");
}

TEST(FindNumber, ordinalsTakeTheirEnglishSuffixes) {
    const std::pair<std::uint64_t, const char*> rows[] = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},    {4, "4th"},   {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"},  {22, "22nd"}, {23, "23rd"},
        {101, "101st"}, {111, "111th"}, {112, "112th"}};
    for (const auto& [n, text] : rows)
        EXPECT_EQ(ordinalText(n), text);
}
