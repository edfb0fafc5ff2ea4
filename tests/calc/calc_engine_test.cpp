// Key sequences through the calculator engine, with the exact display after each key.
#include "calc/calc_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace korvane;

namespace {

// The keys by their captions, in the order of CalcKey; "BS" is Backspace and "C" is Clear.
// clang-format off
constexpr std::string_view captions[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "*",
    "/", "+", "-", "1/x", "x^2", "sqrt", "pi", "=", "C", "BS"};
// clang-format on

// One key; "p:TEXT" pastes TEXT, and a run of digits and points such as "0.1"
// types each of them.
std::string press(CalcEngine& calc, const std::string& key) {
    if (key.starts_with("p:"))
        return calc.paste(key.substr(2));
    if (key.size() > 1 && key.find_first_not_of("0123456789.") == std::string::npos) {
        for (char c : key)
            press(calc, std::string(1, c));
        return calc.display();
    }
    const auto* found = std::find(std::begin(captions), std::end(captions), key);
    EXPECT_NE(found, std::end(captions)) << "no key captioned " << key;
    return calc.press(static_cast<CalcKey>(found - std::begin(captions)));
}

// The keys, separated by blanks, which name the row, and the displays after
// the last of them: after every key, or only after the last few.
using Sequence = std::pair<const char*, std::vector<const char*>>;

void run(const std::vector<Sequence>& rows) {
    for (const auto& [sequence, displays] : rows) {
        SCOPED_TRACE(sequence);
        std::istringstream in(sequence);
        const std::vector<std::string> keys{std::istream_iterator<std::string>(in), {}};
        ASSERT_LE(displays.size(), keys.size()) << "more displays than keys";
        const size_t unchecked = keys.size() - displays.size();
        CalcEngine calc;
        for (size_t i = 0; i < unchecked; ++i)
            press(calc, keys[i]);
        for (size_t i = 0; i < displays.size(); ++i)
            EXPECT_EQ(press(calc, keys[unchecked + i]), displays[i])
                << "after " << keys[unchecked + i];
    }
}

constexpr const char* pi = "3.14159265358979";

} // namespace

TEST(CalcEngine, evaluatesStrictlyLeftToRightAndBackspaceTakesBackOnlyTyping) {
    run({
        {"* 2 + 3 * 4 =", {"", "2", "2", "3", "5", "4", "20"}},
        {"5 + - 2 =", {"5", "5", "5", "2", "3"}},
        {"2 + 3 = = * 2 = 7 =", {"2", "2", "3", "5", "5", "5", "2", "10", "7", "7"}},
        // Failures empty the calculator; a chained operator is lost with it.
        {"5 + = * 2 =", {"5", "5", "Error!", "Error!", "2", "2"}},
        {"5 / 0 * 3 =", {"5", "5", "0", "Error:  Division by zero!", "3", "3"}},
        {"1 . 2 . 3 + 1 =", {"1", "1.", "1.2", "1.2.", "1.2.3", "1.2.3", "1", "Error!"}},
        // Backspace takes back what was typed, and only that: not a paste.
        {"1 2 . BS BS 3 =", {"1", "12", "12.", "12", "1", "13", "13"}},
        {"p:12 BS + 1 =", {"12", "12", "12", "1", "13"}},
    });
}

TEST(CalcEngine, specialsAndPasteActOnTheNumberBeingEnteredAndResultsAreExact) {
    run({
        {"4 sqrt sqrt", {"4", "2", "1.4142135623731"}},
        {"0.5 sqrt", {"0.5", "0.707106781186548"}},
        {"3 x^2 + 4 1/x =", {"3", "9", "9", "4", "0.25", "9.25"}},
        {"0 1/x pi 2 + pi =", {"0", "Error!", pi, "2", "2", pi, "5.14159265358979"}},
        {"0 - 4 = sqrt", {"0", "0", "4", "-4", "Error!"}},
        {"p:-2.5e+1 * p:+4E-1 =", {"-2.5e+1", "-2.5e+1", "+4E-1", "-10"}},
        // The 3 is still being typed after each refusal.
        {"9 + 3 p: p:1.2.3 p:1E400 p:1,5 p:1e999999999 4 =",
         {"9", "9", "3", "3", "3", "3", "3", "3", "34", "43"}},
        // What the user typed or pasted counts as typed; a result keeps its
        // whole value behind its 15-digit display.
        {"p:0.333333333333333 * 3 =", {"0.999999999999999"}},
        // Typed decimals are exact, so a desk calculator's answers come out;
        // where exactness stops, 40 digits are kept.
        {"0.1 + 0.2 - 0.3 =", {"0"}},
        {"1 / 3 * 3 - 1 =", {"1", "1", "0"}},
        {"2 sqrt x^2 - 2 =", {"1E-39"}},
        {"p:1e-999999999 + 1 =", {"1"}},
    });
}

// A number copied with its line break is still that number; a longer text is
// refused whole, however numeric, and the display keeps its text.
TEST(CalcEngine, pasteTakesOneFinalLineBreakAndAtMost2000Characters) {
    const std::string longest = "3." + std::string(1998, '1');
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {{"12\n", "12"}, {"12\r\n", "12"},
        {"1\n2", "7"}, {"12\n\n", "7"}, {longest + "\r\n", longest}, {longest + "1", "7"}};
    // clang-format on
    for (const auto& [clipboard, shown] : rows) {
        CalcEngine calc;
        calc.press(CalcKey::Digit7);
        EXPECT_EQ(calc.paste(clipboard), shown)
            << testing::PrintToString(clipboard.substr(0, 12)) << " of " << clipboard.size();
    }
}

// The ends of the range are judged on the exact result, as a double's
// arithmetic would judge them, before the 40-digit rounding; a rounding that
// steps over an end holds the value at that end.
TEST(CalcEngine, overflowAndUnderflowAreJudgedBeforeRounding) {
    run({
        {"p:1.79769313486232E+308 - p:1E-41 =", {"1.79769313486232E+308"}},
        {"p:1.79769313486232E+308 - p:1E-41 = - p:1.79769313486232E+308 =", {"0"}},
        {"p:-1.79769313486232E+308 + p:1E-41 =", {"-1.79769313486232E+308"}},
        {"p:1.79769313486232E+308 * p:1E-60 * p:1E60 =", {"1.79769313486232E+308"}},
        {"p:1E308 * 1 0 =", {"Error!"}},
        // Just above 2^-1075 a result is kept, and held at 2^-1075 when its 40
        // digits would fall below; half of it is 0.
        {"p:2.4703282292062327208828439643411068618253E-324 * 1 = * 1 =",
         {"2.47032822920623E-324", "2.47032822920623E-324", "1", "2.47032822920623E-324"}},
        {"p:2.4703282292062327208828439643411068618253E-324 / 2 =", {"0"}},
    });
    // Squaring 1.0000001 again and again neither builds a giant nor stops
    // short of the range: each square is held to 40 digits until one overflows.
    CalcEngine calc;
    press(calc, "1.0000001");
    for (int i = 0; i < 60; ++i)
        calc.press(CalcKey::Square);
    EXPECT_EQ(calc.display(), "Error!");
}
