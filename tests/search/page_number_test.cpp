// The page number rule as Go To applies it, and the pages typed spans name.
#include "search/page_number.h"

#include <gtest/gtest.h>

using namespace korvane::search;

// Go To after a 3-page search: the page shown, or the message with the focus
// on the box.
TEST(PageNumber, goToNamesTheNearestPageOrRefuses) {
    const char* const invalid = "Please enter a valid page number!";
    // "2.5" halves to the even page; "3.5" rounds to 4, past the last page.
    const std::tuple<const char*, std::size_t, const char*> rows[] = {
        // clang-format off
        {" 02 ", 2, ""}, {"2.5", 2, ""}, {"3.5", 3, ""},
        {"4", 0, invalid}, {"1e400", 0, invalid}, {"abc", 0, invalid},
        {"0.9", 0, "Please enter a page number greater than 1!"},
        // clang-format on
    };
    for (const auto& [typed, page, message] : rows) {
        SCOPED_TRACE(typed);
        const auto checked = validatePage(typed, 3);
        const auto* error = std::get_if<korvane::InputError>(&checked);
        EXPECT_EQ(error ? error->message : "", message) << "the message";
        EXPECT_EQ(error ? 0 : std::get<std::size_t>(checked), page) << "the page";
        EXPECT_TRUE(!error || error->focus == korvane::InputField::First) << "focus on the box";
    }
}

// Each end rounds to the nearest page, halves to even, kept within 1..count.
TEST(PageNumber, spansRoundEachEndToAPageThatExists) {
    const std::tuple<const char*, double, double, std::size_t, std::size_t, std::size_t> rows[] = {
        {"halves to even", 2.5, 3.5, 5, 2, 4}, {"past the last page", 5.5, 5.5, 5, 5, 5},
        {"far past it", 1, 1e308, 5, 1, 5},    {"rounded ends cross", 1.6, 1.4, 5, 2, 1},
        {"no pages", 1, 1, 0, 1, 0},
    };
    for (const auto& [name, first, last, count, firstPage, lastPage] : rows) {
        const PageSpan span = pagesNamed(first, last, count);
        EXPECT_EQ(std::pair(span.first, span.last), std::pair(firstPage, lastPage)) << name;
    }
}
