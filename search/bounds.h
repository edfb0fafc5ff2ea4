// The checks of the SEARCH button: the two bound texts become the range of
// whole numbers to search, or the message that refuses them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace korvane::search {

// Which bound box a refused search sends the focus to.
enum class BoundField { From, To, None };

struct BoundError {
    std::string message;
    BoundField focus;
};

// The whole numbers a search covers, both ends included.
struct SearchRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
};

// The checks of the SEARCH button, in order; the first that fails is returned.
std::variant<SearchRange, BoundError> validateBounds(std::string_view fromText,
                                                     std::string_view toText);

} // namespace korvane::search
