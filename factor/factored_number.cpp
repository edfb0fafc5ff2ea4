// What a number's prime powers say about it, without factoring anything again.
#include "factor/factored_number.h"

#include "common/number_text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace korvane::factor {
namespace {

constexpr std::uint64_t tenToThe19 = 10000000000000000000ull;

} // namespace

FactoredNumber::FactoredNumber(Whole number, std::vector<PrimePower> powers)
    : number_(number), powers_(std::move(powers)) {}

bool FactoredNumber::isPrime() const {
    return powers_.size() == 1 && powers_.front().exponent == 1;
}

std::optional<Whole> FactoredNumber::firstOddDivisor() const {
    // Every odd divisor above 1 is at least the smallest odd prime factor.
    for (const PrimePower& f : powers_) {
        if (f.prime == 2)
            continue;
        if (f.prime <= number_ / f.prime) // its square stays within the number
            return f.prime;
        break;
    }
    return std::nullopt;
}

std::vector<Whole> FactoredNumber::divisors() const {
    if (number_ == 0)
        return {};
    std::vector<Whole> list{1};
    for (const PrimePower& f : powers_) {
        const std::size_t before = list.size();
        Whole power = 1;
        for (unsigned k = 0; k < f.exponent; ++k) {
            power *= f.prime;
            for (std::size_t i = 0; i < before; ++i)
                list.push_back(list[i] * power);
        }
    }
    std::sort(list.begin(), list.end());
    return list;
}

std::string FactoredNumber::text() const {
    std::string text;
    for (const PrimePower& f : powers_) {
        if (!text.empty())
            text += " * ";
        text += decimalText(f.prime);
        if (f.exponent > 1)
            text.append("^").append(decimalDigits(f.exponent));
    }
    return text;
}

std::string decimalText(Whole n) {
    if (n < tenToThe19)
        return decimalDigits(static_cast<std::uint64_t>(n));
    std::string low = decimalDigits(static_cast<std::uint64_t>(n % tenToThe19));
    return decimalText(n / tenToThe19) + std::string(19 - low.size(), '0') + low;
}

} // namespace korvane::factor
