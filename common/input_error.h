// A refused input, as every check of typed text reports it: the words the
// window shows and the box the user is sent back to mend.
#pragma once

#include <string>

namespace korvane {

// The boxes of a form in the order the form reads them (the From box before
// the To box, the first page before the last, then a name); None leaves the
// focus where it is.
enum class InputField { First, Second, Third, None };

struct InputError {
    std::string message;
    InputField focus = InputField::None;
};

} // namespace korvane
