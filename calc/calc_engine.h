// The calculator's state machine: entry, left-to-right evaluation, failures.
// Qt-free: every key is an index or an enum, every answer is the display text.
#pragma once

#include "common/exact_number.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// The four operators; the value is the operator button's index.
enum class Operator : int { Multiply = 0, Divide = 1, Add = 2, Subtract = 3 };

// The function keys, by what they do rather than where they sit.
enum class Special { Reciprocal, Square, SquareRoot, Pi };

// Display texts of the two failures.
inline constexpr std::string_view failureText = "Error!";
inline constexpr std::string_view divisionByZeroText = "Error:  Division by zero!";

class CalcEngine {
  public:
    // Index 0 to 9 appends that digit, 10 appends "."; other indexes do nothing.
    static constexpr int pointIndex = 10;

    std::string digit(int index);
    std::string chooseOperator(Operator op);
    std::string special(Special function);
    std::string equals();
    std::string clear();
    // Takes a clipboard text as the number being entered; a text that does not
    // read as a number changes nothing.
    std::string paste(std::string_view text);
    // Start-up: both fresh-number flags off.
    void resetFlags();

    const std::string& display() const { return display_; }
    // What the calculator holds, for checks from outside.
    std::optional<Operator> pendingOperator() const { return pending_; }
    bool holdsFirst() const { return first_.has_value(); }
    bool holdsSecond() const { return second_.has_value(); }

  private:
    // A number of the calculation: the text as typed or pasted, read only when
    // it is used (so "007" and "5." show as typed), or a result, held exactly
    // beside the display text that shows it.
    struct Number {
        std::string text;
        std::optional<ExactNumber> value;
    };

    // The number being entered, the second once an operator waits, with its
    // fresh-number flag.
    std::pair<std::optional<Number>&, bool&> entry();
    // What a number is worth: its held result, else its text read as a number.
    static std::optional<ExactNumber> valueOf(const std::optional<Number>& number);
    // Evaluates first_ pending_ second_ into first_ and the display, or
    // empties the calculator on failure.
    void math();
    // Empties the calculator and shows `text`.
    void fail(std::string_view text);
    // A result goes into its slot and the display.
    void hold(std::optional<Number>& slot, const ExactNumber& result);

    // The operator waiting for the second number, and the one pressed while
    // a chained press evaluates it.
    std::optional<Operator> pending_;
    std::optional<Operator> next_;
    // Empty until a digit, a paste, pi or a result fills them.
    std::optional<Number> first_;
    std::optional<Number> second_;
    // The next digit starts a fresh number instead of extending this one.
    bool newFirst_ = false;
    bool newSecond_ = false;
    std::string display_;
};

} // namespace korvane
