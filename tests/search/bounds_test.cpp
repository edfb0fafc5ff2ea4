// The bound texts read exactly: 19- and 20-digit bounds keep every digit
// (read through a 64-bit float they moved by up to 1024).
#include "search/range_search.h"

#include <gtest/gtest.h>

using namespace korvane::search;

TEST(Bounds, readsTheTextsExactlyAsWholeNumbers) {
    const struct {
        const char *name, *from, *to;
        std::uint64_t first, last;
    } rows[] = {
        {"19 digits", "9999999999999999000", "9999999999999999500", 9999999999999999000u,
         9999999999999999500u},
        {"one apart at the limit", "9999999999999999999", "1E+19", 9999999999999999999u,
         10000000000000000000u},
        {"From up, To down", "99999999999999999.5", "100000000000000000.5", 100000000000000000u,
         100000000000000000u},
        {"below the smallest magnitude", "-1e-400", "5", 0, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = validateBounds(row.from, row.to);
        const auto* range = std::get_if<SearchRange>(&result);
        ASSERT_NE(range, nullptr) << "accepted";
        EXPECT_EQ(range->first, row.first);
        EXPECT_EQ(range->last, row.last);
    }
}

TEST(Bounds, comparesTheExactValuesInEveryCheck) {
    const struct {
        const char *name, *from, *to, *message;
    } rows[] = {
        {"beyond the range", "1e400", "5", "Enter a valid number in the From box"},
        {"an exponent too large to build", "0", "1e999999999",
         "Enter a valid number in the To box"},
        {"one above the limit", "0", "10000000000000000001",
         "Enter a number not above 1E+19 in the To box"},
        {"half apart", "9999999999999999000.5", "9999999999999999001",
         "Number in the From box should be less then number in the To box!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = validateBounds(row.from, row.to);
        const auto* error = std::get_if<korvane::InputError>(&result);
        ASSERT_NE(error, nullptr) << "refused";
        EXPECT_EQ(error->message, row.message);
    }
}

TEST(Bounds, aSearchStartsAtTheTypedFrom) {
    const auto range = validateBounds("999999999999999900", "1000000000000000000");
    ASSERT_TRUE(std::holds_alternative<SearchRange>(range)) << "accepted";
    PageStore store;
    const SearchOutcome outcome = runSearch(std::get<SearchRange>(range), store);
    EXPECT_EQ(store.page(1), " 999999999999999967 999999999999999989");
    EXPECT_EQ(outcome.pageCount, 1u);
}
