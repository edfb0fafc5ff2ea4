// Exact primality and divisors of numbers of up to 20 digits: reading the number
// box, the first odd divisor, and the ascending list of all divisors.
#pragma once

#include "common/input_error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::factor {

// Wide enough for every number the tab accepts (below 10^20, about 2^66.4) and
// for the products taken while checking divisors against a square root.
using Whole = unsigned __int128;

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

struct PrimePower {
    Whole prime = 0;
    unsigned exponent = 0;
};

// The prime factorization of n >= 2, primes ascending, each proven prime.
std::vector<PrimePower> primeFactors(Whole n);

// A factorization as the tab shows it: "2^3 * 3^2 * 5", an exponent only above 1.
std::string factorizationText(const std::vector<PrimePower>& factors);

namespace detail {
// primeFactors with a chosen effort for the smooth-number pass above 64 bits;
// a small effort leaves composite cofactors for the fallback to split.
std::vector<PrimePower> primeFactors(Whole n, long smoothBits);
} // namespace detail

// "Show only first divisor": the smallest divisor d of n with 3 <= d and d*d <= n
// that is odd; nothing when there is none (n is then an odd prime, or twice one,
// or a power of two, or too small to have one).
std::optional<Whole> firstOddDivisor(Whole n);
// The same from n's prime factorization, when the caller has it already.
std::optional<Whole> firstOddDivisor(Whole n, const std::vector<PrimePower>& factors);

// "Show all divisors".
struct DivisorList {
    std::vector<Whole> divisors; // every divisor of n, ascending, 1 and n included
    std::size_t pairCount = 0;   // divisors d with 2 <= d and d*d <= n
};

DivisorList allDivisors(Whole n);
// The same from n's prime factorization, when the caller has it already.
DivisorList allDivisors(Whole n, const std::vector<PrimePower>& factors);

// Plain decimal digits.
std::string decimalText(Whole n);

} // namespace korvane::factor
