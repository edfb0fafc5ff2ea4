// The calculator's state machine: entry, left-to-right evaluation, failures.
// Qt-free: every key is an index or an enum, every answer is the display text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The four operators; the value is the operator button's index and, written in
// decimal, the pending-operator code.
enum class Operator : int { Multiply = 0, Divide = 1, Add = 2, Subtract = 3 };

// The function keys, by what they do rather than where they sit.
enum class Special { Reciprocal, Square, SquareRoot, Pi };

// Display texts of the two failures.
inline constexpr std::string_view failureText = "Error!";
inline constexpr std::string_view divisionByZeroText = "Error:  Division by zero!";

class CalcEngine {
  public:
    // The text of an empty slot.
    static constexpr std::string_view none = "none";

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
    // Start-up: both fresh-number flags to 0.
    void resetFlags();

    const std::string& display() const { return display_; }
    const std::string& pendingSign() const { return pendingSign_; }
    const std::string& nextSign() const { return nextSign_; }
    const std::string& firstNumber() const { return firstNumber_; }
    const std::string& secondNumber() const { return secondNumber_; }
    std::uint8_t newFirst() const { return newFirst_; }
    std::uint8_t newSecond() const { return newSecond_; }

  private:
    // Evaluates firstNumber_ pendingSign_ secondNumber_ into firstNumber_ and the
    // display, or empties the calculator on failure.
    void math();
    // Empties the calculator and shows `text`.
    void fail(std::string_view text);
    // A result goes into its slot as display text and as the value itself.
    void holdResult(std::string& slot, std::optional<double>& value, double result);

    std::string pendingSign_{none};
    std::string nextSign_{none};
    std::string firstNumber_{none};
    std::string secondNumber_{none};
    // The full value of a slot that holds a result; empty while the slot holds
    // what the user typed or pasted, which is read from its text.
    std::optional<double> firstValue_;
    std::optional<double> secondValue_;
    std::uint8_t newFirst_ = 0;
    std::uint8_t newSecond_ = 0;
    std::string display_;
};

} // namespace korvane
