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

// The digits of a number from its first non-zero one, without trailing zeros.
std::string significantDigits(const DecimalText& parts) {
    std::string digits(parts.intDigits);
    digits += parts.fracDigits;
    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {};
    digits.erase(0, firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

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
        // Tell overflow from underflow by the decimal exponent of the leading
        // significant digit; a value too small for a double reads as zero.
        const std::string digits = significantDigits(*parts);
        std::int64_t lead = parts->exponent;
        const size_t firstNonZero = parts->intDigits.find_first_not_of('0');
        if (firstNonZero != std::string_view::npos) {
            lead += static_cast<std::int64_t>(parts->intDigits.size() - firstNonZero) - 1;
        } else {
            const size_t f = parts->fracDigits.find_first_not_of('0');
            if (f == std::string_view::npos)
                lead = 0; // all zeros
            else
                lead -= static_cast<std::int64_t>(f) + 1;
        }
        if (lead > maxDecimalExponent)
            return std::nullopt;
        if (lead == maxDecimalExponent) {
            // The largest double is written "1.79769313486232E+308", which lies
            // just above it; every text up to that one reads as the largest.
            // Both digit strings lack trailing zeros, so text order is value order.
            if (digits > largestWritten)
                return std::nullopt;
            value = std::numeric_limits<double>::max();
        } else {
            value = 0;
        }
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
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, ePos - 2);
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+'), sci.data() + sci.size(),
                    exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (x < 0)
        out += '-';
    if (exponent > 14 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int mag = std::abs(exponent);
        if (mag < 10)
            out += '0';
        char expBuf[8];
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

} // namespace korvane
