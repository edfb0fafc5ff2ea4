// The calculator's state machine: entry, left-to-right evaluation, failures.
// Qt-free: every key is a CalcKey, every answer is the display text.
#pragma once

#include "common/exact_number.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// Every key of the calculator, by what it does. The keypad buttons, the
// keyboard and the tests all name a key this way; where it sits or which
// character brings it is the window's business.
enum class CalcKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Multiply,
    Divide,
    Add,
    Subtract,
    Reciprocal,
    Square,
    SquareRoot,
    Pi,
    Equals,
    Clear,
    Backspace,
};

// Display texts of the two failures.
inline constexpr std::string_view failureText = "Error!";
inline constexpr std::string_view divisionByZeroText = "Error:  Division by zero!";

// The longest clipboard text a paste takes (without a final line break): a
// number of a million digits would be read again on every key.
inline constexpr std::size_t longestPaste = 2000;

class CalcEngine {
  public:
    // Acts on one key and returns the display text.
    std::string press(CalcKey key);
    // Takes a clipboard text as the number being entered, without one final
    // line break; a text that does not read as a number, or is longer than
    // longestPaste, changes nothing.
    std::string paste(std::string_view text);
    // Start-up: both fresh-number flags off.
    void resetFlags();

    const std::string& display() const { return display_; }
    // What the calculator holds, for checks from outside: the operator waiting
    // for its second number (one of Multiply, Divide, Add, Subtract).
    std::optional<CalcKey> pendingOperator() const { return pending_; }
    bool holdsFirst() const { return first_.has_value(); }
    bool holdsSecond() const { return second_.has_value(); }

  private:
    // A number of the calculation: the text as typed, read only when it is
    // used (so "007" and "5." show as typed), or a paste or a result, held
    // with its exact value beside the text that shows it.
    struct Number {
        std::string text;
        std::optional<ExactNumber> value;
    };

    void append(char c);
    void chooseOperator(CalcKey op);
    void special(CalcKey function);
    void equals();
    void clear();
    void backspace();

    // The number being entered, the second once an operator waits, with its
    // fresh-number flag.
    std::pair<std::optional<Number>&, bool&> entry();
    // What a number is worth: its held value, else its text read as a number.
    static std::optional<ExactNumber> valueOf(const std::optional<Number>& number);
    // Evaluates first_ pending_ second_ into first_ and the display; on a
    // failure it empties the calculator, shows why, and returns false.
    bool math();
    // Empties the calculator and shows `text`.
    void fail(std::string_view text);
    // A result goes into its slot and the display.
    void hold(std::optional<Number>& slot, const ExactNumber& result);

    // The operator waiting for the second number.
    std::optional<CalcKey> pending_;
    // Empty until a digit, a paste, pi or a result fills them.
    std::optional<Number> first_;
    std::optional<Number> second_;
    // The next digit starts a fresh number instead of extending this one.
    bool newFirst_ = false;
    bool newSecond_ = false;
    std::string display_;
};

} // namespace korvane
