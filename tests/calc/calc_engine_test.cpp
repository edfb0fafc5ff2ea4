// Key sequences through the calculator engine, with the exact display after each key.
#include "calc/calc_engine.h"

#include <gtest/gtest.h>

#include <gmpxx.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

// Keys as on the buttons, separated by blanks; "p:TEXT" pastes TEXT, "C" is
// Clear, and a run of digits and points such as "0.1" types each of them.
std::string press(CalcEngine& calc, const std::string& key) {
    const std::string digits = "0123456789.", operators = "*/+-";
    const std::string specials[] = {"1/x", "x^2", "sqrt", "pi"};
    if (key.starts_with("p:"))
        return calc.paste(key.substr(2));
    if (key.find_first_not_of(digits) == std::string::npos) {
        for (char c : key)
            calc.digit(int(digits.find(c))); // "." is index 10
        return calc.display();
    }
    if (key.size() == 1 && operators.find(key[0]) != std::string::npos)
        return calc.chooseOperator(Operator(operators.find(key[0])));
    for (int i = 0; i < 4; ++i)
        if (key == specials[i])
            return calc.special(Special(i));
    if (key == "=")
        return calc.equals();
    EXPECT_EQ(key, "C") << "an unknown key";
    return calc.clear();
}

// The keys, which name the row, and the display after each of them.
using Sequence = std::pair<const char*, std::vector<const char*>>;

void run(const std::vector<Sequence>& rows) {
    for (const auto& [sequence, displays] : rows) {
        SCOPED_TRACE(sequence);
        CalcEngine calc;
        std::istringstream keys(sequence);
        std::string key;
        for (const std::string expected : displays) {
            ASSERT_TRUE(keys >> key) << "fewer keys than displays";
            EXPECT_EQ(press(calc, key), expected) << "display after " << key;
        }
        EXPECT_FALSE(keys >> key) << "more keys than displays";
    }
}

// The display after the whole sequence.
std::string finalDisplay(const std::string& keys) {
    CalcEngine calc;
    std::istringstream in(keys);
    for (std::string key; in >> key;)
        press(calc, key);
    return calc.display();
}

constexpr const char* divByZero = "Error:  Division by zero!";
constexpr const char* pi = "3.14159265358979";

} // namespace

TEST(CalcEngine, evaluatesStrictlyLeftToRightAndFailuresEmptyIt) {
    run({
        {"* 2 + 3 * 4 =", {"", "2", "2", "3", "5", "4", "20"}},
        {"5 + - 2 =", {"5", "5", "5", "2", "3"}},
        {"0 - 5 * 0 =", {"0", "0", "5", "-5", "0", "0"}},
        {"0 0 7 + 1 =", {"0", "00", "007", "007", "1", "8"}},
        {". = . + 1 =", {".", ".", ".", ".", "1", "1"}},
        {"2 + 3 = = * 2 = 7 =", {"2", "2", "3", "5", "5", "5", "2", "10", "7", "7"}},
        {"5 + 3 C 4 =", {"5", "5", "3", "", "4", "4"}},
        // Failures empty the calculator.
        {"5 + = * 2 =", {"5", "5", "Error!", "Error!", "2", "2"}},
        {"5 / 0 =", {"5", "5", "0", divByZero}},
        {"5 / p:-0 =", {"5", "5", "-0", divByZero}},
        {"1 . 2 . 3 + 1 =", {"1", "1.", "1.2", "1.2.", "1.2.3", "1.2.3", "1", "Error!"}},
        {"p:1E308 * 1 0 =", {"1E308", "1E308", "1", "10", "Error!"}},
        {"p:1E200 x^2", {"1E200", "Error!"}},
    });
}

TEST(CalcEngine, specialsAndPasteActOnTheNumberBeingEnteredAndResultsKeepFullPrecision) {
    run({
        {"4 sqrt sqrt", {"4", "2", "1.4142135623731"}},
        {"9 + 7 sqrt 1 =", {"9", "9", "7", "2.64575131106459", "1", "10"}},
        {"3 x^2 + 4 1/x =", {"3", "9", "9", "4", "0.25", "9.25"}},
        {"sqrt 5 + sqrt 3 =", {"", "5", "5", "5", "3", "8"}},
        {"0 1/x pi 2 + pi =", {"0", "Error!", pi, "2", "2", pi, "5.14159265358979"}},
        {"0 - 4 = sqrt", {"0", "0", "4", "-4", "Error!"}},
        {". x^2", {".", "Error!"}},
        {"p:-2.5e+1 * p:+4E-1 =", {"-2.5e+1", "-2.5e+1", "+4E-1", "-10"}},
        // The 3 is still being typed after each refusal.
        {"9 + 3 p: p:abc p:1.2.3 p:1E400 p:none p:. p:1,5 4 =",
         {"9", "9", "3", "3", "3", "3", "3", "3", "3", "3", "34", "43"}},
        // A result keeps its whole value behind its 15-digit display; what the
        // user typed or pasted counts as typed.
        {"1 / 3 * 3 =", {"1", "1", "3", "0.333333333333333", "3", "1"}},
        {"2 sqrt x^2", {"2", "1.4142135623731", "2"}},
        {"p:0.333333333333333 * 3 =",
         {"0.333333333333333", "0.333333333333333", "3", "0.999999999999999"}},
    });
}

// Typed decimals are exact, so a desk calculator's answers come out; only the
// display is rounded, once, halves to even.
TEST(CalcEngine, countsExactlyAsADeskCalculator) {
    const std::pair<const char*, const char*> rows[] = {
        {"0.1 + 0.2 - 0.3 =", "0"},
        {"1.1 x^2 - 1.21 =", "0"},
        {"1 / 3 * 3 - 1 =", "0"},
        {"2.25 sqrt", "1.5"},
        {"999999999999999 + 1 =", "1E+15"},
        {"123456789012344 + 0.5 =", "123456789012344"},
        {"123456789012345 + 0.5 =", "123456789012346"},
        // Where exactness stops, 40 digits are kept, halves to even there too.
        {"2 sqrt x^2 - 2 =", "1E-39"},
        {"p:0.10000000000000000000000000000000000000005 * 1 - 0.1 =", "0"},
        {"p:0.10000000000000000000000000000000000000015 * 1 - 0.1 =", "2E-40"},
        // The range: the written form of the largest double reads as the
        // largest, a result beyond it overflows, below 2^-1075 is 0, and
        // between that and the smallest double a value is kept as typed.
        {"p:-1.79769313486232E+308 + 1 =", "-1.79769313486232E+308"},
        {"p:-1.79769313486232E+308 - 1 =", "Error!"},
        {"5 p:1.797693134862320001E+308", "5"},
        {"p:1.7976931348623E308 + p:2E294 =", "Error!"},
        {"p:3E-324 * 1 =", "3E-324"},
        {"p:3E-324 / 2 =", "0"},
        {"p:2E-324 + 0 =", "0"},
        {"p:1e-999999999 + 1 =", "1"},
        {"5 p:1e999999999", "5"},
    };
    for (const auto& [keys, shown] : rows)
        EXPECT_EQ(finalDisplay(keys), shown) << keys;
}

// Squaring 1.0000001 again and again neither builds a giant nor stops short
// of the range: each square is held to 40 digits until one overflows.
TEST(CalcEngine, repeatedSquaringEndsInOverflow) {
    CalcEngine calc;
    press(calc, "1.0000001");
    for (int i = 0; i < 60; ++i)
        calc.special(Special::Square);
    EXPECT_EQ(calc.display(), "Error!");
}

namespace {

// A number with at most 15 significant digits: whole / 10^scale.
struct Operand {
    mpz_class whole;
    long scale = 0;
    std::string text; // as pasted: "-12345E-3"
};

mpz_class tenTo(long power) {
    mpz_class out;
    mpz_ui_pow_ui(out.get_mpz_t(), 10, static_cast<unsigned long>(power));
    return out;
}

Operand randomOperand(std::mt19937_64& random) {
    const std::uint64_t low = tenTo(std::uniform_int_distribution(0, 14)(random)).get_ui();
    Operand out;
    if (random() % 20 != 0) // sometimes 0
        out.whole = std::uniform_int_distribution<std::uint64_t>(low, low * 10 - 1)(random);
    if (random() % 2 == 0)
        out.whole = -out.whole;
    out.scale = std::uniform_int_distribution(-10L, 25L)(random);
    out.text = out.whole.get_str() + "E" + std::to_string(-out.scale);
    return out;
}

// num / den rounded to 15 significant digits, halves to even.
korvane::SignificantDigits roundedToFifteen(mpz_class num, mpz_class den) {
    if (num == 0)
        return {};
    const bool negative = (num < 0) != (den < 0);
    num = abs(num);
    den = abs(den);
    // 10^e <= num / den < 10^(e + 1)
    long e = long(mpz_sizeinbase(num.get_mpz_t(), 10)) - long(mpz_sizeinbase(den.get_mpz_t(), 10));
    const auto below = [&](long power) { // num / den < 10^power
        return power >= 0 ? num < den * tenTo(power) : num * tenTo(-power) < den;
    };
    while (below(e))
        --e;
    while (!below(e + 1))
        ++e;
    const mpz_class top = e <= 14 ? num * tenTo(14 - e) : num;
    const mpz_class bottom = e <= 14 ? den : den * tenTo(e - 14);
    mpz_class digits = top / bottom;
    const mpz_class twiceRest = 2 * (top - digits * bottom);
    if (twiceRest > bottom || (twiceRest == bottom && digits % 2 == 1))
        ++digits;
    if (digits == tenTo(15)) {
        digits /= 10;
        ++e;
    }
    std::string text = digits.get_str();
    text.erase(text.find_last_not_of('0') + 1);
    return {negative, text, e};
}

} // namespace

// For random operands of up to 15 significant digits, each operator shows the
// exact result, worked out here on whole numbers, rounded once to 15 digits.
// The layout of those digits is generalForm's, checked in its own tests.
TEST(CalcEngine, showsTheExactResultRoundedOnceToFifteenDigits) {
    std::mt19937_64 random(16);
    for (int i = 0; i < 3000; ++i) {
        const Operand a = randomOperand(random), b = randomOperand(random);
        // Both as whole numbers over 10^35: no operand has a finer scale.
        const mpz_class unit = tenTo(35), x = a.whole * tenTo(35 - a.scale),
                        y = b.whole * tenTo(35 - b.scale);
        const std::pair<mpz_class, mpz_class> exact[] = {
            {x * y, unit * unit}, {x, y == 0 ? unit : y}, {x + y, unit}, {x - y, unit}};
        for (int op = 0; op < 4; ++op) {
            if (op == int(Operator::Divide) && y == 0)
                continue;
            CalcEngine calc;
            calc.paste(a.text);
            calc.chooseOperator(Operator(op));
            calc.paste(b.text);
            const auto& [num, den] = exact[op];
            ASSERT_EQ(calc.equals(), korvane::generalForm(roundedToFifteen(num, den)))
                << a.text << " "
                << "*/+-"[op] << " " << b.text;
        }
    }
}
