// Key sequences through the calculator engine, with the exact display after each key.
#include "calc/calc_engine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

// Keys as on the buttons, separated by blanks; "p:TEXT" pastes TEXT, "C" is Clear.
std::string press(CalcEngine& calc, const std::string& key) {
    const std::string digits = "0123456789.", operators = "*/+-";
    const std::string specials[] = {"1/x", "x^2", "sqrt", "pi"};
    if (key.starts_with("p:"))
        return calc.paste(key.substr(2));
    if (key.size() == 1 && digits.find(key[0]) != std::string::npos)
        return calc.digit(int(digits.find(key[0]))); // "." is index 10
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

// A row is named by its keys.
struct Sequence {
    const char* keys;
    std::vector<const char*> displays; // one per key
};

void run(const std::vector<Sequence>& rows) {
    for (const Sequence& row : rows) {
        SCOPED_TRACE(row.keys);
        CalcEngine calc;
        std::istringstream keys(row.keys);
        std::string key;
        for (const std::string expected : row.displays) {
            ASSERT_TRUE(keys >> key) << "fewer keys than displays";
            EXPECT_EQ(press(calc, key), expected) << "display after " << key;
        }
        EXPECT_FALSE(keys >> key) << "more keys than displays";
    }
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
        {"p:1E308 + p:1E308 - 2 =", {"1E308", "1E308", "1E308", "Error!", "2", "2"}},
        {"p:1E200 x^2", {"1E200", "Error!"}},
        {"p:1E-300 * p:1E-300 =", {"1E-300", "1E-300", "1E-300", "0"}},
        // The largest value's written form lies just above the largest double.
        {"p:1.79769313486232E+308 * 1 =",
         {"1.79769313486232E+308", "1.79769313486232E+308", "1", "1.79769313486232E+308"}},
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
        {"3 1/x * 3 =", {"3", "0.333333333333333", "0.333333333333333", "3", "1"}},
        {"p:0.333333333333333 * 3 =",
         {"0.333333333333333", "0.333333333333333", "3", "0.999999999999999"}},
        {"1 / 3 = 5 * 3 =", {"1", "1", "3", "0.333333333333333", "5", "5", "3", "15"}},
    });
}
