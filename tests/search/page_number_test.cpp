// The page number rule as Go To applies it, and the pages typed spans name.
#include "search/page_number.h"

#include <gtest/gtest.h>

#include <string>

using namespace korvane::search;

namespace {

const char* const invalid = "Please enter a valid page number!";
const char* const low = "Please enter a page number greater than 1!";

} // namespace

// Go To after a 3-page search: the page shown, or the message (its focus is
// always the box).
TEST(PageNumber, goToNamesTheNearestPageOrRefuses) {
    // clang-format off
    const std::tuple<const char*, std::size_t, const char*> rows[] = {
        {"02", 2, ""}, {" 1 ", 1, ""},
        {"2.5", 2, ""}, // halves go to the even page
        {"3.5", 3, ""}, // rounds to 4, which does not exist: the last page
        {"4", 0, invalid}, {"1e400", 0, invalid}, {"abc", 0, invalid},
        {"0.9", 0, low}, {"-7", 0, low},
    };
    // clang-format on
    for (const auto& [typed, page, message] : rows) {
        SCOPED_TRACE(typed);
        const auto checked = validatePage(typed, 3);
        const auto* error = std::get_if<korvane::InputError>(&checked);
        EXPECT_EQ(error ? error->message : "", message) << "the message";
        EXPECT_EQ(error ? 0 : std::get<std::size_t>(checked), page) << "the page";
        EXPECT_EQ(error ? error->focus : korvane::InputField::First, korvane::InputField::First)
            << "focus on the box";
    }
}

// The pages a pair of typed numbers names: never outside 1..count, empty only
// when the rounded ends cross.
TEST(PageNumber, spansRoundEachEndToAPageThatExists) {
    const std::tuple<const char*, double, double, std::size_t, std::size_t, std::size_t> rows[] = {
        {"whole pages", 2, 4, 5, 2, 4},
        {"halves to even", 2.5, 3.5, 5, 2, 4},
        {"past the last page", 5.5, 5.5, 5, 5, 5},
        {"far past it", 1, 1e308, 5, 1, 5},
        {"rounded ends cross", 1.6, 1.4, 5, 2, 1},
        {"no pages", 1, 1, 0, 1, 0},
    };
    for (const auto& [name, first, last, count, firstPage, lastPage] : rows) {
        SCOPED_TRACE(name);
        const PageSpan span = pagesNamed(first, last, count);
        EXPECT_EQ(span.first, firstPage) << "first page";
        EXPECT_EQ(span.last, lastPage) << "last page";
        EXPECT_EQ(span.firstTyped, first) << "first as typed";
        EXPECT_EQ(span.lastTyped, last) << "last as typed";
    }
}
