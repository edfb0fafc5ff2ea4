// Bound checks: kept apart from the search so the window can refuse a range
// without touching the engine's threads or the store.
#include "search/bounds.h"

#include "common/number_text.h"

#include <cmath>

namespace korvane::search {

std::variant<SearchRange, BoundError> validateBounds(std::string_view fromText,
                                                     std::string_view toText) {
    const auto from = parseNumber(fromText);
    if (!from)
        return BoundError{"Enter a valid number in the From box", BoundField::From};
    const auto to = parseNumber(toText);
    if (!to)
        return BoundError{"Enter a valid number in the To box", BoundField::To};
    if (*from < 0)
        return BoundError{"Enter 0 or a greater number in the From box", BoundField::From};
    if (*to <= 4)
        return BoundError{"Enter a number greater than 4 in the To box", BoundField::To};
    if (*to > 1e19)
        return BoundError{"Enter a number not above 1E+19 in the To box", BoundField::To};
    if (*to - *from < 1)
        return BoundError{"Number in the From box should be less then number in the To box!",
                          BoundField::None};
    // Only whole numbers can be prime: a fractional From rounds up, and To is
    // taken at its whole part, never rounded to a coarser precision.
    return SearchRange{static_cast<std::uint64_t>(std::ceil(*from)),
                       static_cast<std::uint64_t>(std::floor(*to))};
}

} // namespace korvane::search
