// Bound checks: kept apart from the search so the window can refuse a range
// without touching the engine's threads or the store. The texts are read
// exactly: a 64-bit float would move a 20-digit bound by up to 1024.
#include "search/bounds.h"

#include "common/exact_number.h"

namespace korvane::search {

std::variant<SearchRange, InputError> validateBounds(std::string_view fromText,
                                                     std::string_view toText) {
    const auto from = ExactNumber::read(fromText);
    if (!from)
        return InputError{"Enter a valid number in the From box", InputField::First};
    const auto to = ExactNumber::read(toText);
    if (!to)
        return InputError{"Enter a valid number in the To box", InputField::Second};
    if (from->sign() < 0)
        return InputError{"Enter 0 or a greater number in the From box", InputField::First};
    if (*to <= ExactNumber(4))
        return InputError{"Enter a number greater than 4 in the To box", InputField::Second};
    if (*to > *ExactNumber::read("1E+19"))
        return InputError{"Enter a number not above 1E+19 in the To box", InputField::Second};
    if (*to - *from < ExactNumber(1))
        return InputError{"Number in the From box should be less then number in the To box!",
                          InputField::None};
    // Only whole numbers can be prime: a fractional From rounds up, and To is
    // taken at its whole part. Both lie between 0 and 1E+19 now.
    return SearchRange{from->ceilWhole().value(), to->floorWhole().value()};
}

} // namespace korvane::search
