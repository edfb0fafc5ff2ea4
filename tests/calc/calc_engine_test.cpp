// Key sequences through the calculator engine, with the exact display after each key.
#include "calc/calc_engine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using korvane::CalcEngine;
using korvane::Operator;
using korvane::Special;

namespace {

// Keys as on the buttons, separated by blanks; "p:TEXT" pastes TEXT, "C" is Clear.
struct Sequence {
    const char* keys;
    std::vector<const char*> displays; // one per key
};

std::string press(CalcEngine& calc, const std::string& key) {
    if (key.rfind("p:", 0) == 0)
        return calc.paste(key.substr(2));
    if (key == ".")
        return calc.digit(CalcEngine::pointIndex);
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9')
        return calc.digit(key[0] - '0');
    const std::pair<const char*, Operator> operators[] = {{"*", Operator::Multiply},
                                                          {"/", Operator::Divide},
                                                          {"+", Operator::Add},
                                                          {"-", Operator::Subtract}};
    for (const auto& [caption, op] : operators)
        if (key == caption)
            return calc.chooseOperator(op);
    const std::pair<const char*, Special> specials[] = {{"1/x", Special::Reciprocal},
                                                        {"x^2", Special::Square},
                                                        {"sqrt", Special::SquareRoot},
                                                        {"pi", Special::Pi}};
    for (const auto& [caption, function] : specials)
        if (key == caption)
            return calc.special(function);
    if (key == "=")
        return calc.equals();
    EXPECT_EQ(key, "C");
    return calc.clear();
}

void expectEmpty(const CalcEngine& calc, const std::string& where) {
    for (const std::string* text :
         {&calc.firstNumber(), &calc.secondNumber(), &calc.pendingSign(), &calc.nextSign()})
        EXPECT_EQ(*text, "none") << where;
    EXPECT_EQ(calc.newFirst(), 0) << where;
    EXPECT_EQ(calc.newSecond(), 0) << where;
}

void run(const std::vector<Sequence>& sequences) {
    for (const Sequence& seq : sequences) {
        CalcEngine calc;
        std::istringstream keys(seq.keys);
        std::string key, before;
        for (const char* expected : seq.displays) {
            ASSERT_TRUE(keys >> key) << seq.keys;
            const std::string where = std::string(seq.keys) + " at " + key;
            EXPECT_EQ(press(calc, key), expected) << where;
            EXPECT_EQ(calc.display(), expected) << where;
            // Nothing survives a failure.
            if (expected != before && std::string(expected).rfind("Error", 0) == 0)
                expectEmpty(calc, where);
            before = expected;
        }
        EXPECT_FALSE(keys >> key) << seq.keys << ": a display missing";
    }
}

constexpr const char* divByZero = "Error:  Division by zero!";

} // namespace

TEST(CalcEngine, evaluatesStrictlyLeftToRight) {
    run({
        {"2 + 3 * 4 =", {"2", "2", "3", "5", "4", "20"}},
        {"5 + - 2 =", {"5", "5", "5", "2", "3"}},
        {"1 / 3 =", {"1", "1", "3", "0.333333333333333"}},
        {"0 - 5 * 0 =", {"0", "0", "5", "-5", "0", "0"}},
        {"0 0 7 + 1 =", {"0", "00", "007", "007", "1", "8"}},
        {"5 . * . 5 =", {"5", "5.", "5.", ".", ".5", "2.5"}},
        {". = . + 1 =", {".", ".", ".", ".", "1", "1"}},
        {"2 + 3 = = 7 =", {"2", "2", "3", "5", "5", "7", "7"}},
        {"2 + 3 = * 2 =", {"2", "2", "3", "5", "5", "2", "10"}},
        {"5 + 3 C 4 =", {"5", "5", "3", "", "4", "4"}},
    });
}

TEST(CalcEngine, failuresEmptyTheCalculator) {
    run({
        {"5 + = 2 =", {"5", "5", "Error!", "2", "2"}},
        {"5 / 0 =", {"5", "5", "0", divByZero}},
        {"5 / p:-0 =", {"5", "5", "-0", divByZero}},
        {"5 / . =", {"5", "5", ".", divByZero}},
        {"1 . 2 . 3 + 1 =", {"1", "1.", "1.2", "1.2.", "1.2.3", "1.2.3", "1", "Error!"}},
        // A failing chained operator is lost along with the rest.
        {"5 / 0 + 3 =", {"5", "5", "0", divByZero, "3", "3"}},
        {"5 + = * =", {"5", "5", "Error!", "Error!", "Error!"}},
    });
}

TEST(CalcEngine, overflowFailsAndUnderflowDoesNot) {
    run({
        {"p:1E308 * 1 0 =", {"1E308", "1E308", "1", "10", "Error!"}},
        {"p:1E308 + p:1E308 - 2 =", {"1E308", "1E308", "1E308", "Error!", "2", "2"}},
        {"p:1E300 / p:1E-10 =", {"1E300", "1E300", "1E-10", "Error!"}},
        {"p:1E200 x^2", {"1E200", "Error!"}},
        {"p:5E-324 1/x", {"5E-324", "Error!"}},
        {"p:1E-300 * p:1E-300 =", {"1E-300", "1E-300", "1E-300", "0"}},
        {"p:1E-300 * p:1E-20 =", {"1E-300", "1E-300", "1E-20", "9.99988867182683E-321"}},
        {"p:1E-400 + 2 =", {"1E-400", "1E-400", "2", "2"}},
    });
}

TEST(CalcEngine, specialsActOnTheNumberBeingEntered) {
    run({
        {"4 sqrt sqrt", {"4", "2", "1.4142135623731"}},
        {"9 + 7 sqrt 1 =", {"9", "9", "7", "2.64575131106459", "1", "10"}},
        {"3 x^2 + 4 1/x =", {"3", "9", "9", "4", "0.25", "9.25"}},
        {"2 + 2 = x^2 1", {"2", "2", "2", "4", "16", "1"}},
        {"5 + sqrt 3 =", {"5", "5", "5", "3", "8"}},
        {"sqrt 1/x x^2 5", {"", "", "", "5"}},
        {"0 1/x pi", {"0", "Error!", "3.14159265358979"}},
        {"0 - 4 = sqrt", {"0", "0", "4", "-4", "Error!"}},
        {". x^2", {".", "Error!"}},
        {"1 . . sqrt", {"1", "1.", "1..", "Error!"}},
        {"5 + pi =", {"5", "5", "3.14159265358979", "8.14159265358979"}},
        {"pi * 2 = pi 2",
         {"3.14159265358979", "3.14159265358979", "2", "6.28318530717958", "3.14159265358979",
          "2"}},
    });
}

TEST(CalcEngine, pasteReplacesTheNumberBeingEntered) {
    run({
        {"5 + p:2.5 =", {"5", "5", "2.5", "7.5"}},
        {"4 p:12 3", {"4", "12", "3"}},
        {"p:16 sqrt", {"16", "4"}},
        {"p:-2.5e+1 * p:+4E-1 =", {"-2.5e+1", "-2.5e+1", "+4E-1", "-10"}},
    });
    CalcEngine calc;
    EXPECT_EQ(calc.paste(" 12 "), " 12 ");
    EXPECT_EQ(calc.firstNumber(), " 12 ");
    EXPECT_EQ(calc.newFirst(), 1);
}

TEST(CalcEngine, rejectedPasteChangesNothing) {
    for (const char* text : {"", "abc", "1.2.3", "1E400", "-1E999", "none", "12\n", "1,5", "."}) {
        CalcEngine calc;
        calc.digit(9);
        calc.chooseOperator(Operator::Add);
        calc.digit(3);
        EXPECT_EQ(calc.paste(text), "3") << text;
        EXPECT_EQ(calc.secondNumber(), "3") << text;
        EXPECT_EQ(calc.newSecond(), 0) << text;
        EXPECT_EQ(calc.equals(), "12") << text;
    }
}

TEST(CalcEngine, keepsItsStateAsCodesAndTexts) {
    CalcEngine calc;
    expectEmpty(calc, "new");
    EXPECT_EQ(calc.chooseOperator(Operator::Multiply), "");
    expectEmpty(calc, "operator on an empty calculator");
    calc.digit(6);
    calc.chooseOperator(Operator::Divide);
    EXPECT_EQ(calc.pendingSign(), "1");
    calc.digit(2);
    calc.chooseOperator(Operator::Subtract);
    EXPECT_EQ(calc.firstNumber(), "3");
    EXPECT_EQ(calc.pendingSign(), "3");
    EXPECT_EQ(calc.secondNumber(), "none");
    EXPECT_EQ(calc.digit(11), "3");
    calc.digit(1);
    EXPECT_EQ(calc.equals(), "2");
    EXPECT_EQ(calc.newFirst(), 1);
    EXPECT_EQ(calc.newSecond(), 1);
    calc.resetFlags();
    EXPECT_EQ(calc.newFirst(), 0);
    EXPECT_EQ(calc.newSecond(), 0);
}

// The largest value's written form lies just above the largest double; it must
// still read back, or a shown result could not be used again.
TEST(CalcEngine, largestValueReadsBack) {
    run({{"p:1.79769313486232E+308 * 1 =",
          {"1.79769313486232E+308", "1.79769313486232E+308", "1", "1.79769313486232E+308"}}});
}
