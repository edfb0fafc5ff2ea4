// The checks of the SEARCH button: the two bound texts become the range of
// whole numbers to search, or the message that refuses them.
#pragma once

#include "common/input_error.h"

#include <cstdint>
#include <string_view>
#include <variant>

namespace korvane::search {

// The whole numbers a search covers, both ends included.
struct SearchRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
};

// The checks of the SEARCH button, in order; the first that fails is returned,
// its focus on the From box (First) or the To box (Second).
std::variant<SearchRange, InputError> validateBounds(std::string_view fromText,
                                                     std::string_view toText);

} // namespace korvane::search
