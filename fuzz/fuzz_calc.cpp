// Random key sequences on the calculator: it never crashes, the display is
// always a number, a number being typed, blank, or one of the two failures, and
// a second number is held only while an operator waits for it, which needs a
// first number.
#include "calc/calc_engine.h"
#include "common/number_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Entry is not checked while typing: digits and points exactly as keyed.
bool beingTyped(std::string_view s) {
    for (char c : s)
        if (c != '.' && (c < '0' || c > '9'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    CalcEngine calc;
    calc.resetFlags();
    calc.press(CalcKey::Clear);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t key = data[i];
        // Every key of the keypad and keyboard, or a paste.
        const int k = key % 23;
        std::string shown;
        if (k <= static_cast<int>(CalcKey::Backspace)) {
            shown = calc.press(static_cast<CalcKey>(k));
        } else {
            // Paste the rest of a short run of bytes as clipboard text.
            const std::size_t len = std::min<std::size_t>(size - i - 1, key / 23 % 12);
            shown = calc.paste(std::string_view(reinterpret_cast<const char*>(data + i + 1), len));
            i += len;
        }
        if (shown != calc.display())
            std::abort();
        if ((calc.holdsSecond() && !calc.pendingOperator()) ||
            (calc.pendingOperator() && !calc.holdsFirst()))
            std::abort();
        if (!(shown.empty() || shown == failureText || shown == divisionByZeroText ||
              beingTyped(shown) || isValidNumber(shown)))
            std::abort();
    }
    return 0;
}
