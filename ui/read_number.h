// Numbers read from the text of a box, the way the engines read typed text
// (blanks around, a decimal point, an exponent).
#pragma once

#include <optional>

class QLineEdit;

// The number in the box, nothing when its text is no number.
std::optional<double> numberIn(const QLineEdit* box);
