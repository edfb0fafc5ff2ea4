// Reading the number box exactly, and factoring a number of up to 20 digits
// into proven primes.
#pragma once

#include "common/input_error.h"
#include "factor/factored_number.h"

#include <optional>
#include <string_view>

namespace korvane::factor {

// The largest number the tab factors: twenty nines.
inline constexpr Whole largestNumber = Whole{9999999999} * 10000000000u + 9999999999u;

// What the "Factor" button makes of the text in the number box, in the order the
// checks run: the first that applies wins.
enum class InputKind {
    NotNumeric, // not a number at all
    Two,        // exactly 2, however written ("2.0", "0.2e1"); answered at once
    BelowThree, // any other value below 3
    NotWhole,   // 3 or more with a fraction ("7.5")
    TooLarge,   // above twenty nines
    Number,     // a whole number from 3 to twenty nines
};

struct CheckedInput {
    InputKind kind = InputKind::NotNumeric;
    Whole value = 0; // set for Two and Number
};

// Reads the text exactly, digit by digit, never through a double: "0015" is 15,
// "1e3" is 1000, "15.0" is 15.
CheckedInput checkInput(std::string_view text);

// The message a refused text gets; empty for Two and Number.
std::string_view refusalMessage(InputKind kind);

// The refusal the window shows for a refused text, nothing for Two and Number.
// The tab has one box, and the focus stays where the user left it.
std::optional<InputError> refusalOf(InputKind kind);

// The number (at least 1) with its prime powers, primes ascending, each proven
// prime. Throws only when memory runs out.
FactoredNumber factorize(Whole n);

namespace detail {
// factorize with a chosen effort for the smooth-number pass above 64 bits; a
// small effort leaves composite cofactors for the fallback to split.
FactoredNumber factorize(Whole n, long smoothBits);
} // namespace detail

} // namespace korvane::factor
