// The page number rule, the one check of every box that names a result page
// ("Go to page:" and the spans of the copy and save dialogs): a typed number
// names a page when its whole part lies between 1 and the page total, and the
// page it names is the nearest one that exists.
#pragma once

#include "common/input_error.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace korvane::search {

// Pages typed into two boxes, or into one (Go To's page is a span of one):
// the numbers as typed, which the copy's page limit and the save's progress
// read, and the pages they name.
struct PageSpan {
    double firstTyped = 1;
    double lastTyped = 0;
    std::size_t first = 1;
    std::size_t last = 0; // before `first` when the rounded ends cross
    std::size_t size() const { return last >= first ? last - first + 1 : 0; }
};

// The pages that typed numbers first..last name among pageCount pages: each
// the nearest whole number (halves to even), kept within 1..pageCount, so no
// typed value ever names a page beyond the store.
PageSpan pagesNamed(double first, double last, std::size_t pageCount);

// How a window words its refusals; the checks and their order are the rule's.
struct PageRefusals {
    std::string_view notANumber;
    std::string_view firstBelowOne;
    std::string_view lastBelowOne;
    std::string_view crossed;
    // Past the last page, given the last page as typed and the page total.
    std::string (*pastLast)(std::string_view lastText, std::size_t pageCount);
};

// The checks in order: each text a number (first, then last), each at least
// 1, the last's whole part not before the first's, the last's not past
// pageCount. Returns the span, or the first refusal with its focus on the
// first box (First), the last (Second) or where it was (None).
std::variant<PageSpan, InputError> validatePages(std::string_view firstText,
                                                 std::string_view lastText, std::size_t pageCount,
                                                 const PageRefusals& refusals);

// "Go to page:": the page to show, or the refusal, its focus on the box.
std::variant<std::size_t, InputError> validatePage(std::string_view text, std::size_t pageCount);

} // namespace korvane::search
