// Reading the number box exactly and factoring with FLINT. FLINT's headers
// define ulong/slong as macros, so they stay inside this one file.
#include "factor/factor_engine.h"

#include "common/number_text.h"

#include <flint/flint.h>
#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>
#include <flint/ulong_extras.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace korvane::factor {
namespace {

constexpr std::size_t maxDigits = 20;
// How hard the smooth-number pass tries above 64 bits: at this effort it finds
// the factors of every 20-digit number in a few milliseconds in practice.
constexpr long defaultSmoothBits = 40;

bool fits64(Whole n) {
    return n <= std::numeric_limits<std::uint64_t>::max();
}

// RAII holders, so an early return cannot leak FLINT memory.
struct Fmpz {
    fmpz_t v;
    Fmpz() { fmpz_init(v); }
    explicit Fmpz(Whole n) {
        fmpz_init(v);
        fmpz_set_uiui(v, static_cast<mp_limb_t>(n >> 64), static_cast<mp_limb_t>(n));
    }
    ~Fmpz() { fmpz_clear(v); }
    Fmpz(const Fmpz&) = delete;
    Fmpz& operator=(const Fmpz&) = delete;
};

struct FmpzFactor {
    fmpz_factor_t v;
    FmpzFactor() { fmpz_factor_init(v); }
    ~FmpzFactor() { fmpz_factor_clear(v); }
    FmpzFactor(const FmpzFactor&) = delete;
    FmpzFactor& operator=(const FmpzFactor&) = delete;
};

struct RandomState {
    flint_rand_t v;
    RandomState() { flint_randinit(v); }
    ~RandomState() { flint_randclear(v); }
    RandomState(const RandomState&) = delete;
    RandomState& operator=(const RandomState&) = delete;
};

Whole toWhole(const fmpz_t f) {
    mp_limb_t hi = 0;
    mp_limb_t lo = 0;
    fmpz_get_uiui(&hi, &lo, f);
    return (Whole{hi} << 64) | lo;
}

// A proper factor of a composite above 64 bits. Such a number (below 2^67) has a
// factor below 2^34, which Pollard-Brent finds in well under a million steps;
// the loop only repeats on an unlucky start.
Whole splitComposite(Whole n) {
    Fmpz number(n);
    Fmpz found;
    RandomState random;
    for (;;) {
        if (fmpz_factor_pollard_brent(found.v, random.v, number.v, 8, 1u << 20)) {
            const Whole f = toWhole(found.v);
            if (f > 1 && f < n && n % f == 0)
                return f;
        }
    }
}

void appendFactors(Whole n, unsigned multiplicity, long smoothBits, std::vector<PrimePower>& out) {
    if (n < 2)
        return;
    if (fits64(n)) {
        // n_factor stays in machine words and never touches the disk.
        n_factor_t factors;
        n_factor_init(&factors);
        n_factor(&factors, static_cast<std::uint64_t>(n), 1);
        for (int i = 0; i < factors.num; ++i)
            out.push_back({factors.p[i], static_cast<unsigned>(factors.exp[i]) * multiplicity});
        return;
    }
    // Not fmpz_factor: its quadratic sieve writes a scratch file into the
    // current directory and fails where that is not writable.
    Fmpz number(n);
    FmpzFactor factors;
    const bool complete = fmpz_factor_smooth(factors.v, number.v, smoothBits, 1) == 1;
    for (long i = 0; i < factors.v->num; ++i) {
        const Whole p = toWhole(factors.v->p + i);
        const unsigned e = static_cast<unsigned>(factors.v->exp[i]) * multiplicity;
        const bool last = i + 1 == factors.v->num;
        if (last && !complete && fmpz_is_prime(factors.v->p + i) != 1) {
            // The pass gave up on its last cofactor: split it and go on with both parts.
            const Whole f = fits64(p) ? p : splitComposite(p);
            if (f == p) {
                appendFactors(p, e, smoothBits, out);
            } else {
                appendFactors(f, e, smoothBits, out);
                appendFactors(p / f, e, smoothBits, out);
            }
        } else {
            out.push_back({p, e});
        }
    }
}

} // namespace

CheckedInput checkInput(std::string_view text) {
    // The program-wide number rule first, so that every tab refuses the same texts.
    const auto parts = splitDecimal(text);
    if (!parts || !isValidNumber(text))
        return {InputKind::NotNumeric};
    const SignificantDigits x = significantDigits(*parts);
    if (x.digits.empty() || parts->negative)
        return {InputKind::BelowThree};
    // The power of ten of the last significant digit: below 0 for a fraction,
    // which lies below 3 exactly when its first digit stands for less than 3.
    const std::int64_t scale = x.exponent + 1 - static_cast<std::int64_t>(x.digits.size());
    if (scale < 0) {
        const bool belowThree = x.exponent < 0 || (x.exponent == 0 && x.digits.front() < '3');
        return {belowThree ? InputKind::BelowThree : InputKind::NotWhole};
    }
    if (x.exponent + 1 > static_cast<std::int64_t>(maxDigits))
        return {InputKind::TooLarge};
    Whole value = 0;
    for (char c : x.digits)
        value = value * 10 + static_cast<unsigned>(c - '0');
    for (std::int64_t i = 0; i < scale; ++i)
        value *= 10;
    if (value == 2)
        return {InputKind::Two, value};
    if (value < 3)
        return {InputKind::BelowThree};
    return {InputKind::Number, value};
}

std::string_view refusalMessage(InputKind kind) {
    switch (kind) {
    case InputKind::NotNumeric:
        return "You must enter a valid number!";
    case InputKind::BelowThree:
        return "You must enter a 2 or greater!";
    case InputKind::NotWhole:
        return "You must enter a whole number!";
    case InputKind::TooLarge:
        return "You must enter a number of at most 20 digits!";
    case InputKind::Two:
    case InputKind::Number:
        break;
    }
    return {};
}

std::optional<InputError> refusalOf(InputKind kind) {
    const std::string_view message = refusalMessage(kind);
    if (message.empty())
        return std::nullopt;
    return InputError{std::string(message), InputField::None};
}

namespace detail {

FactoredNumber factorize(Whole n, long smoothBits) {
    std::vector<PrimePower> found;
    appendFactors(n, 1, smoothBits, found);
    // FLINT does not promise an order, and a split cofactor may repeat a prime.
    std::sort(found.begin(), found.end(),
              [](const PrimePower& a, const PrimePower& b) { return a.prime < b.prime; });
    std::vector<PrimePower> merged;
    for (const PrimePower& f : found) {
        if (!merged.empty() && merged.back().prime == f.prime)
            merged.back().exponent += f.exponent;
        else
            merged.push_back(f);
    }
    return {n, std::move(merged)};
}

} // namespace detail

FactoredNumber factorize(Whole n) {
    return detail::factorize(n, defaultSmoothBits);
}

} // namespace korvane::factor
