// korvane-bench calc: pastes numbers of 2000 characters, the longest a paste
// takes, as the first and as the second number, and times every key pressed
// after each; also the refusal of longer pastes. Every key must answer in
// well under 50 ms however long the pasted number.
#include "bench/bench_common.h"
#include "calc/calc_engine.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

namespace {

using korvane::CalcEngine;
using korvane::CalcKey;
using Clock = std::chrono::steady_clock;

// clang-format off
constexpr std::pair<CalcKey, const char*> keys[] = {
    {CalcKey::Digit0, "0"}, {CalcKey::Digit1, "1"}, {CalcKey::Digit2, "2"}, {CalcKey::Digit3, "3"},
    {CalcKey::Digit4, "4"}, {CalcKey::Digit5, "5"}, {CalcKey::Digit6, "6"}, {CalcKey::Digit7, "7"},
    {CalcKey::Digit8, "8"}, {CalcKey::Digit9, "9"}, {CalcKey::Point, "."}, {CalcKey::Multiply, "*"},
    {CalcKey::Divide, "/"}, {CalcKey::Add, "+"}, {CalcKey::Subtract, "-"}, {CalcKey::Reciprocal, "1/x"},
    {CalcKey::Square, "x^2"}, {CalcKey::SquareRoot, "sqrt"}, {CalcKey::Pi, "pi"},
    {CalcKey::Equals, "="}, {CalcKey::Clear, "Clear"}, {CalcKey::Backspace, "Backspace"}};
// clang-format on

// `count` digits that repeat nowhere soon.
std::string digits(std::size_t count) {
    std::string out;
    std::uint32_t state = 12345;
    while (out.size() < count) {
        state = state * 1103515245u + 12345u;
        out += static_cast<char>('0' + (state >> 16) % 10);
    }
    return out;
}

std::string ms(double seconds) {
    char text[32];
    return {
        text,
        std::to_chars(text, text + sizeof text, seconds * 1000, std::chars_format::fixed, 3).ptr};
}

template <typename Action> double timed(Action&& action) {
    const auto start = Clock::now();
    action();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The median of five runs of `key` right after pasting `text`, with "5 +"
// before it when the paste is the second number; the median leaves out a
// run that another process on the machine happened to interrupt.
double keyAfterPaste(const std::string& text, bool second, CalcKey key) {
    double runs[5];
    for (double& seconds : runs) {
        CalcEngine calc;
        if (second) {
            calc.press(CalcKey::Digit5);
            calc.press(CalcKey::Add);
        }
        calc.paste(text);
        seconds = timed([&] { calc.press(key); });
    }
    std::nth_element(std::begin(runs), std::begin(runs) + 2, std::end(runs));
    return runs[2];
}

} // namespace

int benchCalc(int argc, char**) {
    if (argc != 0) {
        std::fputs("usage: korvane-bench calc\n", stderr);
        return 2;
    }
    // Each exactly 2000 characters, all inside the range.
    const std::pair<const char*, std::string> pastes[] = {
        {"fraction", "3." + digits(1998)},
        {"negative_fraction", "-0." + digits(1997)},
        {"large", "1." + digits(1993) + "E+300"},
        {"tiny", "1." + digits(1993) + "E-323"},
        {"whole_308_digits", std::string(308, '9') + "." + digits(1691)},
    };
    double keyWorst[std::size(keys)] = {};
    for (const auto& [name, text] : pastes) {
        CalcEngine calc;
        const std::string& pasted = text; // a lambda cannot take a structured binding here
        const double pasteSeconds = timed([&] { calc.paste(pasted); });
        if (calc.display() != text) {
            std::fprintf(stderr, "the %s paste was refused\n", name);
            return 1;
        }
        double slowest = 0;
        const char* slowestKey = "";
        for (std::size_t k = 0; k < std::size(keys); ++k) {
            for (bool second : {false, true}) {
                const double seconds = keyAfterPaste(text, second, keys[k].first);
                keyWorst[k] = std::max(keyWorst[k], seconds);
                if (seconds > slowest)
                    std::tie(slowest, slowestKey) = std::pair(seconds, keys[k].second);
            }
        }
        std::printf("paste=%s chars=%zu paste_ms=%s slowest_key=%s slowest_key_ms=%s\n", name,
                    text.size(), ms(pasteSeconds).c_str(), slowestKey, ms(slowest).c_str());
    }
    for (const std::size_t length : {std::size_t{2001}, std::size_t{1000000}}) {
        CalcEngine calc;
        const std::string text = "3." + digits(length - 2);
        const double seconds = timed([&] { calc.paste(text); });
        std::printf("refused_paste chars=%zu paste_ms=%s shown=\"%s\"\n", length,
                    ms(seconds).c_str(), calc.display().c_str());
    }
    std::string line = "key_ms_after_2000_char_paste:";
    for (std::size_t k = 0; k < std::size(keys); ++k)
        line += std::string(" ") + keys[k].second + "=" + ms(keyWorst[k]);
    std::printf("%s\nslowest_key_ms=%s peak_rss_mb=%.1f\n", line.c_str(),
                ms(*std::max_element(std::begin(keyWorst), std::end(keyWorst))).c_str(),
                peakRssMb());
    return 0;
}
