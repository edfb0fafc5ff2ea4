// The calculator keeps its numbers as the texts the user typed or pasted and
// reads them only when it evaluates, so "007" and "5." show as typed. Results
// also keep their full value, so 1 / 3 * 3 gives 1 although the display holds
// only 15 digits.
#include "calc/calc_engine.h"

#include "common/number_text.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace korvane {

namespace {

// What a slot is worth: its held result, else its text read as a number.
std::optional<double> valueOf(const std::string& text, const std::optional<double>& held) {
    return held ? held : parseNumber(text);
}

} // namespace

std::string CalcEngine::digit(int index) {
    if (index < 0 || index > pointIndex)
        return display_;
    const char c = index == pointIndex ? '.' : static_cast<char>('0' + index);
    if (pendingSign_ != none) {
        if (secondNumber_ == none)
            secondNumber_.clear();
        if (newSecond_ == 1) {
            secondNumber_.clear();
            newSecond_ = 0;
        }
        secondNumber_ += c;
        secondValue_.reset();
        display_ = secondNumber_;
    } else {
        if (newFirst_ == 1) {
            firstNumber_.clear();
            newFirst_ = 0;
        }
        if (firstNumber_ == none)
            firstNumber_.clear();
        firstNumber_ += c;
        firstValue_.reset();
        display_ = firstNumber_;
        secondNumber_ = none;
        secondValue_.reset();
        pendingSign_ = none;
    }
    nextSign_ = none;
    return display_;
}

std::string CalcEngine::chooseOperator(Operator op) {
    const int code = static_cast<int>(op);
    if (code < 0 || code > 3)
        return display_;
    if (display_.empty() && secondNumber_ == none && firstNumber_ == none)
        return display_;
    newFirst_ = 0;
    newSecond_ = 0;
    if (firstNumber_ == none)
        return display_;
    if (secondNumber_ != none) {
        // Left to right: the pending operation is evaluated before the new one
        // takes its place. A failure empties nextSign_, so the new one is lost too.
        nextSign_ = decimalDigits(static_cast<std::uint64_t>(code));
        math();
        pendingSign_ = nextSign_;
        secondNumber_ = none;
        secondValue_.reset();
    } else {
        // Before any digit of the second number, a new operator replaces the old.
        pendingSign_ = decimalDigits(static_cast<std::uint64_t>(code));
    }
    return display_;
}

std::string CalcEngine::special(Special function) {
    const bool onSecond = pendingSign_ != none;
    std::string& target = onSecond ? secondNumber_ : firstNumber_;
    std::optional<double>& held = onSecond ? secondValue_ : firstValue_;
    std::uint8_t& fresh = onSecond ? newSecond_ : newFirst_;

    double result = std::numbers::pi;
    if (function != Special::Pi) {
        if (target == none)
            return display_;
        const std::optional<double> x = valueOf(target, held);
        if (!x) {
            fail(failureText);
            return display_;
        }
        switch (function) {
        case Special::Reciprocal:
            result = 1.0 / *x;
            break;
        case Special::Square:
            result = *x * *x;
            break;
        case Special::SquareRoot:
            result = std::sqrt(*x);
            break;
        case Special::Pi:
            break;
        }
        // 1/0 and overflow give infinity, the root of a negative number NaN.
        if (!std::isfinite(result)) {
            fail(failureText);
            return display_;
        }
    }
    holdResult(target, held, result);
    // The result can be used by an operator or "=", but a digit replaces it.
    fresh = 1;
    return display_;
}

std::string CalcEngine::equals() {
    newFirst_ = 1;
    newSecond_ = 1;
    if (firstNumber_ != none && pendingSign_ != none) {
        math();
        secondNumber_ = none;
        secondValue_.reset();
        pendingSign_ = none;
        nextSign_ = none;
    }
    return display_;
}

std::string CalcEngine::clear() {
    newFirst_ = 0;
    newSecond_ = 0;
    display_.clear();
    pendingSign_ = none;
    nextSign_ = none;
    firstNumber_ = none;
    secondNumber_ = none;
    firstValue_.reset();
    secondValue_.reset();
    return display_;
}

std::string CalcEngine::paste(std::string_view text) {
    if (!parseNumber(text))
        return display_;
    // The text is kept as it came, blanks included; a digit typed next starts afresh.
    if (pendingSign_ == none) {
        newFirst_ = 1;
        firstNumber_ = text;
        firstValue_.reset();
        display_ = firstNumber_;
    } else {
        newSecond_ = 1;
        secondNumber_ = text;
        secondValue_.reset();
        display_ = secondNumber_;
    }
    return display_;
}

void CalcEngine::resetFlags() {
    newFirst_ = 0;
    newSecond_ = 0;
}

void CalcEngine::math() {
    // A lone point counts as 0 here, and is written back as such.
    if (firstNumber_ == ".")
        firstNumber_ = "0";
    const std::optional<double> x = valueOf(firstNumber_, firstValue_);
    if (secondNumber_ == ".")
        secondNumber_ = "0";
    const std::optional<double> y = valueOf(secondNumber_, secondValue_);
    const std::optional<double> code = parseNumber(pendingSign_);
    if (!x || !y || !code) {
        fail(failureText);
        return;
    }
    double result = 0;
    if (*code == 0) {
        result = *x * *y;
    } else if (*code == 1) {
        if (*y == 0) { // negative zero too
            fail(divisionByZeroText);
            return;
        }
        result = *x / *y;
    } else if (*code == 2) {
        result = *x + *y;
    } else if (*code == 3) {
        result = *x - *y;
    } else {
        fail(failureText);
        return;
    }
    // Overflow is a failure; underflow quietly gives 0 or a tiny value.
    if (!std::isfinite(result)) {
        fail(failureText);
        return;
    }
    holdResult(firstNumber_, firstValue_, result);
}

void CalcEngine::holdResult(std::string& slot, std::optional<double>& value, double result) {
    slot = generalForm(result);
    value = result;
    display_ = slot;
}

void CalcEngine::fail(std::string_view text) {
    clear();
    display_ = text;
}

} // namespace korvane
