// Numbers read from the text of a box or a caption, the way the engines read
// typed text (blanks around, a decimal point, an exponent).
#pragma once

#include <cstddef>
#include <optional>

class QLabel;
class QLineEdit;

// The number in the box, nothing when its text is no number.
std::optional<double> numberIn(const QLineEdit* box);

// A caption that counts something, such as a page total: its whole part, 0
// when it is no number or below 0. Read once where a window takes it in, so
// the engines are handed the count itself.
std::size_t countIn(const QLabel* caption);
