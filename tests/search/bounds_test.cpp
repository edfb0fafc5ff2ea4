// The bound texts read exactly: 19- and 20-digit bounds keep every digit
// (read through a 64-bit float they moved by up to 1024).
#include "search/range_search.h"

#include "common/number_text.h"

#include <gtest/gtest.h>

using namespace korvane::search;

namespace {

// "first to last", or the message that refused the bounds.
std::string outcome(const char* from, const char* to) {
    const auto result = validateBounds(from, to);
    if (const auto* error = std::get_if<korvane::InputError>(&result))
        return error->message;
    const auto& range = std::get<SearchRange>(result);
    return korvane::decimalDigits(range.first) + " to " + korvane::decimalDigits(range.last);
}

} // namespace

TEST(Bounds, everyCheckComparesTheExactValues) {
    const struct {
        const char *from, *to, *outcome;
    } rows[] = {
        // clang-format off
        {"9999999999999999000", "9999999999999999500", "9999999999999999000 to 9999999999999999500"},
        {"9999999999999999999", "1E+19", "9999999999999999999 to 10000000000000000000"},
        {"99999999999999999.5", "100000000000000000.5", "100000000000000000 to 100000000000000000"},
        {"-1e-400", "5", "0 to 5"},
        {"0", "1e999999999", "Enter a valid number in the To box"},
        {"0", "10000000000000000001", "Enter a number not above 1E+19 in the To box"},
        {"9999999999999999000.5", "9999999999999999001",
         "Number in the From box should be less then number in the To box!"},
        // clang-format on
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome(row.from, row.to), row.outcome) << row.from << " to " << row.to;
}

TEST(Bounds, aSearchStartsAtTheTypedFrom) {
    const auto range = validateBounds("999999999999999900", "1000000000000000000");
    PageStore store;
    const SearchOutcome outcome = runSearch(std::get<SearchRange>(range), store);
    EXPECT_EQ(store.page(1), " 999999999999999967 999999999999999989");
    EXPECT_EQ(outcome.pageCount, 1u);
}
