// Every rule of what "Factor" shows, decided without the window: which texts
// are refused, that 2 only gets its verdict, that an even number asked for its
// first divisor is answered at once, and the list, counts and verdict of the
// rest. The tab reads the box, asks here and shows the answer.
#pragma once

#include "common/input_error.h"
#include "factor/factor_engine.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvane::factor {

// The tab's two option buttons.
enum class Option {
    AllDivisors,  // "Show all divisors (slower)"
    FirstDivisor, // "Show only first divisor (fastest)"
};

// A text the box accepted, to be answered in the chosen option.
struct Request {
    Whole number = 0;
    Option option = Option::AllDivisors;
    std::string typed; // listed as typed ("0012") at the end of all divisors

    // Whether the answer is a search, which the tab times and shows on its
    // status line and after which "Factor" waits for "Clear". The answers for
    // 2, and for an even number in first-divisor mode, are given at once.
    bool searches() const;
};

// The text of the number box read for a run of "Factor", or why it is refused.
std::variant<Request, InputError> readRequest(std::string_view text, Option option);

// The one step of an answer that can fail: it throws when memory runs out.
// Tests hand in one that throws.
using Factorizer = std::function<FactoredNumber(Whole)>;

// What the tab shows after a run. Each run replaces the list and its count
// whole, so they never mix two numbers.
struct Answer {
    bool prime = false; // "YES" or "NO"
    // False for 2 alone: its verdict is all it changes, and the list, the
    // counts, the percentage and the time stay as they were.
    bool listed = false;
    std::vector<std::string> items; // the divisor list; its size is "Factors Found:"
    // The hidden pair counter of an all-divisors run: 1, and 2 for each divisor
    // from 2 up to the square root with its partner. Other runs leave it.
    std::optional<std::size_t> pairCounter;
    std::string factorization; // "2^3 * 3^2 * 5"
};

// The answer to an accepted text; the number is factored at most once.
Answer answer(const Request& request, const Factorizer& factorizer = factorize);

} // namespace korvane::factor
