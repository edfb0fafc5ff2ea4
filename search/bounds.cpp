// Bound checks: kept apart from the search so the window can refuse a range
// without touching the engine's threads or the store.
#include "search/bounds.h"

#include "common/number_text.h"

#include <cmath>

namespace korvane::search {

std::variant<SearchRange, InputError> validateBounds(std::string_view fromText,
                                                     std::string_view toText) {
    const auto from = parseNumber(fromText);
    if (!from)
        return InputError{"Enter a valid number in the From box", InputField::First};
    const auto to = parseNumber(toText);
    if (!to)
        return InputError{"Enter a valid number in the To box", InputField::Second};
    if (*from < 0)
        return InputError{"Enter 0 or a greater number in the From box", InputField::First};
    if (*to <= 4)
        return InputError{"Enter a number greater than 4 in the To box", InputField::Second};
    if (*to > 1e19)
        return InputError{"Enter a number not above 1E+19 in the To box", InputField::Second};
    if (*to - *from < 1)
        return InputError{"Number in the From box should be less then number in the To box!",
                          InputField::None};
    // Only whole numbers can be prime: a fractional From rounds up, and To is
    // taken at its whole part, never rounded to a coarser precision.
    return SearchRange{static_cast<std::uint64_t>(std::ceil(*from)),
                       static_cast<std::uint64_t>(std::floor(*to))};
}

} // namespace korvane::search
