// A number held with its prime powers. Everything the factor tab says about a
// number (prime or not, its divisors, its first odd divisor) is read off them,
// so the number is factored once however many questions are asked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvane::factor {

// Wide enough for every number the tab accepts (below 10^20, about 2^66.4) and
// for the products taken while checking divisors against a square root.
using Whole = unsigned __int128;

struct PrimePower {
    Whole prime = 0;
    unsigned exponent = 0;
};

class FactoredNumber {
  public:
    FactoredNumber() = default; // 1, the empty product
    // `number` (at least 1) and its prime powers, primes ascending.
    FactoredNumber(Whole number, std::vector<PrimePower> powers);

    Whole number() const { return number_; }
    const std::vector<PrimePower>& primePowers() const { return powers_; }

    bool isPrime() const;
    // The smallest odd divisor d with 3 <= d and d*d <= n, which is the smallest
    // odd prime factor when its square fits; nothing when there is none (n is
    // then an odd prime, twice one, a power of two, or too small).
    std::optional<Whole> firstOddDivisor() const;
    // Every divisor, ascending, 1 and the number included.
    std::vector<Whole> divisors() const;
    // How the tab shows the factorization: "2^3 * 3^2 * 5", an exponent only
    // above 1; empty for 1.
    std::string text() const;

  private:
    Whole number_ = 1;
    std::vector<PrimePower> powers_;
};

// Plain decimal digits.
std::string decimalText(Whole n);

} // namespace korvane::factor
