// The calculator keeps its numbers as the texts the user typed and reads them
// only when it evaluates, so "007" and "5." show as typed. Every value is an
// exact rational, so 0.1 + 0.2 - 0.3 gives 0 and 1 / 3 * 3 gives 1; only the
// display is rounded, to 15 digits, once.
#include "calc/calc_engine.h"

namespace korvane {

namespace {

// Where exactness stops: a square root that is not rational, pi, and a value
// whose denominator would keep growing are held to this many digits.
constexpr int heldDigits = 40;
constexpr int shownDigits = 15;

const ExactNumber& pi() {
    static const ExactNumber value =
        *ExactNumber::read("3.141592653589793238462643383279502884197");
    return value;
}

// A computed value as the calculator holds it. Whether it overflows or
// becomes 0 is judged on the exact value, as a double's arithmetic would;
// only then does a denominator above 10^40 give way to 40 digits (so repeated
// squaring never builds a giant), and a rounding that stepped over an end of
// the range is held at that end.
std::optional<ExactNumber> settled(const ExactNumber& value) {
    if (value.overflowsDouble())
        return std::nullopt;
    if (value.belowDoubleRange())
        return ExactNumber();
    const ExactNumber held =
        value.denominatorExceedsTenTo(heldDigits) ? value.rounded(heldDigits) : value;
    return held.clampedToDoubleRange();
}

// What a function key gives for x; nothing for 1/0 and the root of a negative number.
std::optional<ExactNumber> apply(CalcKey function, const ExactNumber& x) {
    switch (function) {
    case CalcKey::Reciprocal:
        if (x.sign() == 0)
            return std::nullopt;
        return ExactNumber(1) / x;
    case CalcKey::Square:
        return x * x;
    case CalcKey::SquareRoot:
        if (x.sign() < 0)
            return std::nullopt;
        if (auto root = x.exactSquareRoot())
            return root;
        return x.squareRoot(heldDigits);
    default:
        return pi(); // needs no x
    }
}

bool isDigit(CalcKey key) {
    return key >= CalcKey::Digit0 && key <= CalcKey::Digit9;
}

bool isOperator(CalcKey key) {
    return key >= CalcKey::Multiply && key <= CalcKey::Subtract;
}

bool isFunction(CalcKey key) {
    return key >= CalcKey::Reciprocal && key <= CalcKey::Pi;
}

} // namespace

std::string CalcEngine::press(CalcKey key) {
    if (isDigit(key))
        append(
            static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(CalcKey::Digit0))));
    else if (key == CalcKey::Point)
        append('.');
    else if (isOperator(key))
        chooseOperator(key);
    else if (isFunction(key))
        special(key);
    else if (key == CalcKey::Equals)
        equals();
    else if (key == CalcKey::Clear)
        clear();
    else if (key == CalcKey::Backspace)
        backspace();
    return display_;
}

void CalcEngine::append(char c) {
    auto [target, fresh] = entry();
    if (!target || fresh)
        target = Number{};
    fresh = false;
    target->text += c;
    target->value.reset();
    display_ = target->text;
    if (!pending_)
        second_.reset(); // second_ is only ever set while an operator is pending
}

void CalcEngine::chooseOperator(CalcKey op) {
    if (display_.empty() && !second_ && !first_)
        return;
    newFirst_ = false;
    newSecond_ = false;
    if (!first_)
        return;
    if (second_) {
        // Left to right: the pending operation is evaluated before the new one
        // takes its place. A failure empties the calculator, and the operator
        // just pressed is lost with it.
        if (!math())
            return;
        second_.reset();
    }
    // Before any digit of the second number, a new operator replaces the old.
    pending_ = op;
}

void CalcEngine::special(CalcKey function) {
    auto [target, fresh] = entry();
    // pi needs no number; the others act only on one.
    if (function != CalcKey::Pi && !target)
        return;
    std::optional<ExactNumber> result;
    const auto x = function == CalcKey::Pi ? ExactNumber() : valueOf(target);
    if (x) {
        if (const auto y = apply(function, *x))
            result = settled(*y);
    }
    if (!result) {
        fail(failureText);
        return;
    }
    hold(target, *result);
    // The result can be used by an operator or "=", but a digit replaces it.
    fresh = true;
}

void CalcEngine::equals() {
    newFirst_ = true;
    newSecond_ = true;
    if (first_ && pending_) {
        math();
        second_.reset();
        pending_.reset();
    }
}

void CalcEngine::clear() {
    newFirst_ = false;
    newSecond_ = false;
    display_.clear();
    pending_.reset();
    first_.reset();
    second_.reset();
}

void CalcEngine::backspace() {
    // Only a number the user is typing loses its last character: an answer,
    // a paste, pi, or an operator waiting for its first digit is left alone.
    auto [target, fresh] = entry();
    if (!target || fresh || target->value || target->text.empty())
        return;
    target->text.pop_back();
    if (target->text.empty())
        target.reset(); // nothing typed any more, as before the first digit
    display_ = target ? target->text : std::string();
}

std::string CalcEngine::paste(std::string_view clipboard) {
    const std::string_view text = withoutFinalLineBreak(clipboard);
    if (text.size() > longestPaste)
        return display_;
    // Read once here; every later use takes the value held beside the text.
    std::optional<ExactNumber> value = ExactNumber::read(text);
    if (!value)
        return display_;
    // The text is kept as it came, blanks included; a digit typed next starts afresh.
    auto [target, fresh] = entry();
    target = Number{std::string(text), std::move(value)};
    fresh = true;
    display_ = target->text;
    return display_;
}

void CalcEngine::resetFlags() {
    newFirst_ = false;
    newSecond_ = false;
}

bool CalcEngine::math() {
    // A lone point counts as 0 here, and is written back as such.
    if (first_ && first_->text == ".")
        first_->text = "0";
    const std::optional<ExactNumber> x = valueOf(first_);
    if (second_ && second_->text == ".")
        second_->text = "0";
    const std::optional<ExactNumber> y = valueOf(second_);
    if (!x || !y || !pending_) {
        fail(failureText);
        return false;
    }
    ExactNumber result;
    if (*pending_ == CalcKey::Multiply)
        result = *x * *y;
    else if (*pending_ == CalcKey::Divide) {
        if (y->sign() == 0) {
            fail(divisionByZeroText);
            return false;
        }
        result = *x / *y;
    } else if (*pending_ == CalcKey::Add)
        result = *x + *y;
    else
        result = *x - *y;
    const std::optional<ExactNumber> held = settled(result);
    if (!held) {
        fail(failureText);
        return false;
    }
    hold(first_, *held);
    return true;
}

std::pair<std::optional<CalcEngine::Number>&, bool&> CalcEngine::entry() {
    if (pending_)
        return {second_, newSecond_};
    return {first_, newFirst_};
}

std::optional<ExactNumber> CalcEngine::valueOf(const std::optional<Number>& number) {
    if (!number)
        return std::nullopt;
    return number->value ? number->value : ExactNumber::read(number->text);
}

void CalcEngine::hold(std::optional<Number>& slot, const ExactNumber& result) {
    slot = Number{generalForm(result.roundedDigits(shownDigits)), result};
    display_ = slot->text;
}

void CalcEngine::fail(std::string_view text) {
    clear();
    display_ = text;
}

} // namespace korvane
