// "Find Number": whether a typed number is among the listed primes, which
// prime it is and on which page, or the listed primes nearest to it. Answered
// from the page store alone, which notes where each page begins, so a search
// of 500000 pages answers at once without counting its primes again.
#pragma once

#include "search/page_store.h"
#include "search/range_search.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::search {

// A prime of the listing and where it stands: its place among the primes
// listed (the first listed is 1), its page, and its digits' place in the
// page's text.
struct ListedPrime {
    std::uint64_t value = 0;
    std::uint64_t ordinal = 0;
    std::size_t page = 0;
    std::size_t column = 0; // the first digit's index in the page text
    std::size_t digits = 0;

    friend bool operator==(const ListedPrime&, const ListedPrime&) = default;
};

// The listed primes either side of a number: the greatest not above it (the
// number itself when it is listed) and the least above it.
struct Surroundings {
    std::optional<ListedPrime> atOrBelow;
    std::optional<ListedPrime> above;
};

// Where n falls among the primes the store lists. Makes at most one page per
// digit count of the listing and the page holding n; sieving failures pass.
Surroundings surroundingsOf(const PageStore& store, std::uint64_t n);

// What Find shows, and the prime to put on view (none: the view stays).
struct FindAnswer {
    std::string text;
    std::optional<ListedPrime> show;
};

// Reads `typed` as the number boxes read and answers for the primes of
// `covered` that `store` lists.
FindAnswer findNumber(std::string_view typed, const CoveredRange& covered, const PageStore& store);

// "1st", "2nd", "3rd", "4th", "11th", "111th", "112th"...
std::string ordinalText(std::uint64_t n);

} // namespace korvane::search
