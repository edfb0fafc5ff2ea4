// Number reading and writing with std::from_chars / std::to_chars only: both are
// locale-free, which matters once QApplication has switched the C locale.
#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace korvane {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view takeDigits(std::string_view& s) {
    size_t n = 0;
    while (n < s.size() && isDigit(s[n]))
        ++n;
    std::string_view digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

constexpr std::int64_t maxDecimalExponent = 308;
constexpr std::string_view largestWritten = "179769313486232";

} // namespace

std::optional<DecimalText> splitDecimal(std::string_view text) {
    std::string_view s = trimBlanks(text);
    DecimalText out;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        out.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    out.intDigits = takeDigits(s);
    if (!s.empty() && s.front() == '.') {
        s.remove_prefix(1);
        out.fracDigits = takeDigits(s);
    }
    if (out.intDigits.empty() && out.fracDigits.empty())
        return std::nullopt;
    if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
        s.remove_prefix(1);
        bool negativeExponent = false;
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            negativeExponent = s.front() == '-';
            s.remove_prefix(1);
        }
        std::string_view digits = takeDigits(s);
        if (digits.empty())
            return std::nullopt;
        constexpr std::int64_t cap = std::int64_t{1} << 40;
        std::int64_t e = 0;
        for (char c : digits)
            e = std::min(cap, e * 10 + (c - '0'));
        out.exponent = negativeExponent ? -e : e;
    }
    if (!s.empty())
        return std::nullopt;
    return out;
}

SignificantDigits significantDigits(const DecimalText& parts) {
    SignificantDigits out{parts.negative, std::string(parts.intDigits), parts.exponent};
    out.digits += parts.fracDigits;
    const size_t firstNonZero = out.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {parts.negative, {}, 0};
    out.exponent += static_cast<std::int64_t>(parts.intDigits.size()) -
                    static_cast<std::int64_t>(firstNonZero) - 1;
    out.digits.erase(0, firstNonZero);
    out.digits.erase(out.digits.find_last_not_of('0') + 1);
    return out;
}

bool beyondRange(const SignificantDigits& text) {
    // Both digit strings lack trailing zeros, so at one exponent text order is
    // value order.
    return text.exponent > maxDecimalExponent ||
           (text.exponent == maxDecimalExponent && text.digits > largestWritten);
}

std::optional<double> parseNumber(std::string_view text) {
    const auto parts = splitDecimal(text);
    if (!parts)
        return std::nullopt;
    std::string_view s = trimBlanks(text);
    if (s.front() == '+' || s.front() == '-')
        s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Overflow or underflow: the exponent of the leading digit tells which.
        const SignificantDigits digits = significantDigits(*parts);
        if (beyondRange(digits))
            return std::nullopt;
        value = digits.exponent == maxDecimalExponent ? std::numeric_limits<double>::max() : 0;
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return parts->negative ? -value : value;
}

double intPart(double x) {
    return std::floor(x);
}

double nearestEven(double x) {
    return std::nearbyint(x);
} // default mode rounds halves to even

std::string generalForm(double x) {
    if (x == 0)
        return "0";
    // Never shown: every caller refuses these first. Still, say what they are.
    if (std::isnan(x))
        return "nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : "inf";
    // d.dddddddddddddde±XX: 15 significant digits, rounded to nearest.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::abs(x), std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const size_t ePos = sci.find('e');
    SignificantDigits rounded{x < 0, std::string(1, sci[0]), 0};
    rounded.digits += sci.substr(2, ePos - 2);
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+'), sci.data() + sci.size(),
                    rounded.exponent);
    return generalForm(rounded);
}

std::string generalForm(const SignificantDigits& rounded) {
    if (rounded.digits.empty())
        return "0";
    const std::string& digits = rounded.digits;
    const std::int64_t exponent = rounded.exponent;
    std::string out;
    if (rounded.negative)
        out += '-';
    if (exponent > 14 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const std::int64_t mag = exponent < 0 ? -exponent : exponent;
        if (mag < 10)
            out += '0';
        char expBuf[24];
        out.append(expBuf, std::to_chars(expBuf, expBuf + sizeof expBuf, mag).ptr);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t intLen = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out += digits;
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits, 0, intLen);
            out += '.';
            out.append(digits, intLen);
        }
    }
    return out;
}

std::string leadingBlankForm(double x) {
    std::string text = generalForm(x);
    return text.front() == '-' ? text : ' ' + text;
}

std::string leadingBlankForm(std::uint64_t n) {
    return ' ' + decimalDigits(n);
}

std::string hashFormat(double x) {
    if (!std::isfinite(x))
        return {};
    const double whole = nearestEven(x);
    if (whole == 0)
        return {};
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, whole, std::chars_format::fixed, 0);
    return std::string(buf, res.ptr);
}

std::string decimalDigits(std::uint64_t n) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, res.ptr);
}

std::string_view withoutFinalLineBreak(std::string_view text) {
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    else if (text.ends_with('\n'))
        text.remove_suffix(1);
    return text;
}

} // namespace korvane
