// The number box of the factor tab: any text gets one answer, and every number
// it accepts factors into proven primes whose product is the number, with a
// first odd divisor that divides it.
#include "factor/factor_engine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane::factor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CheckedInput input = checkInput(text);
    if (input.kind != InputKind::Number) {
        if (input.kind != InputKind::Two && refusalMessage(input.kind).empty())
            std::abort();
        return 0;
    }
    const Whole n = input.value;
    if (n < 3 || n > largestNumber)
        std::abort();
    const FactoredNumber factored = factorize(n);
    if (factored.number() != n)
        std::abort();
    Whole product = 1;
    Whole previous = 1;
    for (const PrimePower& p : factored.primePowers()) {
        if (p.prime <= previous || p.exponent == 0)
            std::abort();
        for (unsigned e = 0; e < p.exponent; ++e)
            product *= p.prime;
        previous = p.prime;
    }
    if (product != n)
        std::abort();
    const auto d = factored.firstOddDivisor();
    if (d && (n % *d != 0 || *d % 2 == 0 || *d * *d > n))
        std::abort();
    return 0;
}
