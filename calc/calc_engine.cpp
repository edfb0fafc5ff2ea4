// The calculator keeps its numbers as the texts the user typed or pasted and
// reads them only when it evaluates, so "007" and "5." show as typed. Every
// value is an exact rational, so 0.1 + 0.2 - 0.3 gives 0 and 1 / 3 * 3 gives 1;
// only the display is rounded, to 15 digits, once.
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

// A computed value as the calculator holds it: a denominator above 10^40 gives
// way to 40 digits, so repeated squaring never builds a giant; beyond the
// double range it overflows (nothing), and below it it becomes 0.
std::optional<ExactNumber> settled(const ExactNumber& value) {
    const ExactNumber held =
        value.denominatorExceedsTenTo(heldDigits) ? value.rounded(heldDigits) : value;
    if (held.aboveDoubleRange())
        return std::nullopt;
    return held.belowDoubleRange() ? ExactNumber() : held;
}

// What a function key gives for x; nothing for 1/0 and the root of a negative number.
std::optional<ExactNumber> apply(Special function, const ExactNumber& x) {
    switch (function) {
    case Special::Reciprocal:
        if (x.sign() == 0)
            return std::nullopt;
        return ExactNumber(1) / x;
    case Special::Square:
        return x * x;
    case Special::SquareRoot:
        if (x.sign() < 0)
            return std::nullopt;
        if (auto root = x.exactSquareRoot())
            return root;
        return x.squareRoot(heldDigits);
    case Special::Pi:
        break;
    }
    return pi(); // needs no x
}

} // namespace

std::string CalcEngine::digit(int index) {
    if (index < 0 || index > pointIndex)
        return display_;
    const char c = index == pointIndex ? '.' : static_cast<char>('0' + index);
    auto [target, fresh] = entry();
    if (!target || fresh)
        target = Number{};
    fresh = false;
    target->text += c;
    target->value.reset();
    display_ = target->text;
    if (!pending_)
        second_.reset(); // second_ is only ever set while an operator is pending
    next_.reset();
    return display_;
}

std::string CalcEngine::chooseOperator(Operator op) {
    const int code = static_cast<int>(op);
    if (code < 0 || code > 3)
        return display_;
    if (display_.empty() && !second_ && !first_)
        return display_;
    newFirst_ = false;
    newSecond_ = false;
    if (!first_)
        return display_;
    if (second_) {
        // Left to right: the pending operation is evaluated before the new one
        // takes its place. A failure empties next_, so the new one is lost too.
        next_ = op;
        math();
        pending_ = next_;
        second_.reset();
    } else {
        // Before any digit of the second number, a new operator replaces the old.
        pending_ = op;
    }
    return display_;
}

std::string CalcEngine::special(Special function) {
    auto [target, fresh] = entry();
    // pi needs no number; the others act only on one.
    if (function != Special::Pi && !target)
        return display_;
    std::optional<ExactNumber> result;
    const auto x = function == Special::Pi ? ExactNumber() : valueOf(target);
    if (x) {
        if (const auto y = apply(function, *x))
            result = settled(*y);
    }
    if (!result) {
        fail(failureText);
        return display_;
    }
    hold(target, *result);
    // The result can be used by an operator or "=", but a digit replaces it.
    fresh = true;
    return display_;
}

std::string CalcEngine::equals() {
    newFirst_ = true;
    newSecond_ = true;
    if (first_ && pending_) {
        math();
        second_.reset();
        pending_.reset();
        next_.reset();
    }
    return display_;
}

std::string CalcEngine::clear() {
    newFirst_ = false;
    newSecond_ = false;
    display_.clear();
    pending_.reset();
    next_.reset();
    first_.reset();
    second_.reset();
    return display_;
}

std::string CalcEngine::paste(std::string_view text) {
    if (!ExactNumber::read(text))
        return display_;
    // The text is kept as it came, blanks included; a digit typed next starts afresh.
    auto [target, fresh] = entry();
    target = Number{std::string(text), std::nullopt};
    fresh = true;
    display_ = target->text;
    return display_;
}

void CalcEngine::resetFlags() {
    newFirst_ = false;
    newSecond_ = false;
}

void CalcEngine::math() {
    // A lone point counts as 0 here, and is written back as such.
    if (first_ && first_->text == ".")
        first_->text = "0";
    const std::optional<ExactNumber> x = valueOf(first_);
    if (second_ && second_->text == ".")
        second_->text = "0";
    const std::optional<ExactNumber> y = valueOf(second_);
    if (!x || !y || !pending_) {
        fail(failureText);
        return;
    }
    ExactNumber result;
    switch (*pending_) {
    case Operator::Multiply:
        result = *x * *y;
        break;
    case Operator::Divide:
        if (y->sign() == 0) {
            fail(divisionByZeroText);
            return;
        }
        result = *x / *y;
        break;
    case Operator::Add:
        result = *x + *y;
        break;
    case Operator::Subtract:
        result = *x - *y;
        break;
    }
    const std::optional<ExactNumber> held = settled(result);
    if (!held) {
        fail(failureText);
        return;
    }
    hold(first_, *held);
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
