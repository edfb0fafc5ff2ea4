// Key sequences through the calculator engine, with the exact display after each key.
#include "calc/calc_engine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace korvane;

namespace {

// The keys by their captions; "BS" is Backspace and "C" is Clear.
// clang-format off
const std::pair<std::string_view, CalcKey> captions[] = {
    {"0", CalcKey::Digit0}, {"1", CalcKey::Digit1}, {"2", CalcKey::Digit2}, {"3", CalcKey::Digit3},
    {"4", CalcKey::Digit4}, {"5", CalcKey::Digit5}, {"6", CalcKey::Digit6}, {"7", CalcKey::Digit7},
    {"8", CalcKey::Digit8}, {"9", CalcKey::Digit9}, {".", CalcKey::Point}, {"*", CalcKey::Multiply},
    {"/", CalcKey::Divide}, {"+", CalcKey::Add}, {"-", CalcKey::Subtract}, {"1/x", CalcKey::Reciprocal},
    {"x^2", CalcKey::Square}, {"sqrt", CalcKey::SquareRoot}, {"pi", CalcKey::Pi},
    {"=", CalcKey::Equals}, {"C", CalcKey::Clear}, {"BS", CalcKey::Backspace}};
// clang-format on

CalcKey keyCaptioned(std::string_view caption) {
    for (const auto& [text, key] : captions)
        if (text == caption)
            return key;
    ADD_FAILURE() << "no key captioned " << caption;
    return CalcKey::Clear;
}

// Keys separated by blanks; "p:TEXT" pastes TEXT, and a run of digits and
// points such as "0.1" types each of them.
std::string press(CalcEngine& calc, const std::string& key) {
    if (key.starts_with("p:"))
        return calc.paste(key.substr(2));
    if (key.size() > 1 && key.find_first_not_of("0123456789.") == std::string::npos) {
        for (char c : key)
            calc.press(keyCaptioned(std::string_view(&c, 1)));
        return calc.display();
    }
    return calc.press(keyCaptioned(key));
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
constexpr const char* largest = "1.79769313486232E+308";

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
        // Failures empty the calculator; a chained operator is lost with it.
        {"5 + = * 2 =", {"5", "5", "Error!", "Error!", "2", "2"}},
        {"5 / 0 * 3 =", {"5", "5", "0", divByZero, "3", "3"}},
        {"5 / p:-0 =", {"5", "5", "-0", divByZero}},
        {"1 . 2 . 3 + 1 =", {"1", "1.", "1.2", "1.2.", "1.2.3", "1.2.3", "1", "Error!"}},
        {"p:1E308 * 1 0 =", {"1E308", "1E308", "1", "10", "Error!"}},
        {"p:1E200 x^2", {"1E200", "Error!"}},
    });
}

// Backspace takes back what was typed, and only that.
TEST(CalcEngine, backspaceRemovesOnlyTypedCharacters) {
    run({
        {"1 2 . BS BS 3 =", {"1", "12", "12.", "12", "1", "13", "13"}},
        {"5 + 3 BS BS 4 =", {"5", "5", "3", "", "", "4", "9"}},
        {"7 BS + 2", {"7", "", "", "2"}},
        {"5 + BS 1 =", {"5", "5", "5", "1", "6"}},
        {"2 + 3 = BS 4", {"2", "2", "3", "5", "5", "4"}},
        {"9 + 4 sqrt BS =", {"9", "9", "4", "2", "2", "11"}},
        {"p:12 BS + 1 =", {"12", "12", "12", "1", "13"}},
        {"5 / 0 = BS", {"5", "5", "0", divByZero, divByZero}},
    });
}

TEST(CalcEngine, specialsAndPasteActOnTheNumberBeingEnteredAndResultsKeepFullPrecision) {
    run({
        {"4 sqrt sqrt", {"4", "2", "1.4142135623731"}},
        {"0.5 sqrt", {"0.5", "0.707106781186548"}},
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

// A number copied with its line break is still that number; a longer text is
// refused whole, however numeric, and the display keeps its text.
TEST(CalcEngine, pasteTakesOneFinalLineBreakAndAtMost2000Characters) {
    const std::string longest = "3." + std::string(1998, '1');
    const std::pair<std::string, const char*> rows[] = {
        {"12\n", "12"},
        {"12\r\n", "12"},
        {"1\n2", "7"},
        {"12\n\n", "7"},
        {"\n", "7"},
        {longest, nullptr},
        {longest + "\n", nullptr},
        {longest + "1", "7"},
        {"-" + std::string(2000, '9'), "7"},
    };
    for (const auto& [clipboard, shown] : rows) {
        SCOPED_TRACE(testing::PrintToString(clipboard.substr(0, 12)) + " of " +
                     std::to_string(clipboard.size()));
        CalcEngine calc;
        calc.press(CalcKey::Digit7);
        EXPECT_EQ(calc.paste(clipboard), shown ? std::string(shown) : longest);
    }
    CalcEngine calc;
    calc.paste(longest);
    calc.press(CalcKey::Add);
    calc.paste("1\r\n");
    EXPECT_EQ(calc.press(CalcKey::Equals), "4.11111111111111") << "both pastes count as numbers";
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
        {"p:1e-999999999 + 1 =", "1"},
        {"5 p:1e999999999", "5"},
    };
    for (const auto& [keys, shown] : rows)
        EXPECT_EQ(finalDisplay(keys), shown) << keys;
}

// The ends of the range are judged on the exact result, as a double's
// arithmetic would judge them, before the 40-digit rounding; a rounding that
// steps over an end holds the value at that end.
TEST(CalcEngine, overflowAndUnderflowAreJudgedBeforeRounding) {
    const std::pair<const char*, const char*> rows[] = {
        {"p:1.79769313486232E+308 - p:1E-41 =", largest},
        {"p:-1.79769313486232E+308 + p:1E-41 =", "-1.79769313486232E+308"},
        {"p:1.79769313486232E+308 * p:1E-60 * p:1E60 =", largest},
        {"p:1.79769313486232E+308 - p:1E-41 = - p:1.79769313486232E+308 =", "0"},
        // A double rounds these to the largest; beyond halfway to 2^1024 it overflows.
        {"p:-1.79769313486232E+308 - 1 =", "-1.79769313486232E+308"},
        {"p:1.7976931348623E308 + p:2E294 =", "Error!"},
        {"5 p:1.797693134862320001E+308", "5"},
        // 2^-1075 is the last value kept; below it a result is 0.
        {"p:2.4703282292062327208828439643411068618253E-324 * 1 =", "2.47032822920623E-324"},
        {"p:2.4703282292062327208828439643411068618253E-324 / 2 =", "0"},
        {"p:3E-324 * 1 =", "3E-324"},
        {"p:2E-324 + 0 =", "0"},
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
        calc.press(CalcKey::Square);
    EXPECT_EQ(calc.display(), "Error!");
}
