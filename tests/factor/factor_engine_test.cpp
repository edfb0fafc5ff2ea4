// The factor engine against known factorizations, the refusals of the number
// box, and plain trial division on small numbers.
#include "factor/factor_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace korvane::factor;

namespace {

Whole whole(const char* digits) {
    Whole n = 0;
    for (const char* c = digits; *c; ++c)
        n = n * 10 + static_cast<unsigned>(*c - '0');
    return n;
}

// "p^e x q" for comparing factorizations as text.
std::string factorText(const std::vector<PrimePower>& factors) {
    std::string out;
    for (const PrimePower& f : factors) {
        out.append(out.empty() ? "" : " x ").append(decimalText(f.prime));
        if (f.exponent > 1)
            out.append("^").append(std::to_string(f.exponent));
    }
    return out;
}

// What the "Factor" button makes of a text: "two", the exact value, or the message.
std::string outcome(const char* text) {
    const CheckedInput input = checkInput(text);
    if (input.kind == InputKind::Two)
        return "two";
    if (input.kind == InputKind::Number)
        return decimalText(input.value);
    return std::string(refusalMessage(input.kind));
}

} // namespace

TEST(FactorInput, checksRunInOrderAndReadTheTextExactly) {
    // "1e400" lies beyond every number the program reads anywhere.
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"You must enter a valid number!", {"", "abc", "1e400"}},
        {"two", {"2", "2.0", "0.2e1", "+200e-2"}},
        {"You must enter a 2 or greater!",
         {"1", "0", "-0", "-5", "-1e30", "2.5", "2.99999999999999999", "1e-400"}},
        {"You must enter a whole number!",
         {"7.5", "3.000000000000000001", "99999999999999999999.5"}},
        {"You must enter a number of at most 20 digits!", {"1e20", "100000000000000000000"}},
        {"3", {"3", "3e0"}},
        {"15", {"0015", "15.0", "1500E-2", " +15 "}},
        {"1000", {"1e3"}},
        {"18446744073709551617", {"18446744073709551617"}},
        {"99999999999999999999", {"99999999999999999999", "9999999999999999999.9e1"}},
    };
    for (const auto& [expected, texts] : rows) {
        for (const char* text : texts)
            EXPECT_EQ(outcome(text), expected) << text;
    }
}

TEST(FactorEngine, knownFactorizationsOnBothSidesOfTwoToThe64) {
    struct Row {
        const char* n;
        const char* factors;
        std::size_t divisorCount;
    };
    const Row rows[] = {
        {"36", "2^2 x 3^2", 9},
        {"18446744073709551557", "18446744073709551557", 2}, // largest 64-bit prime
        {"18446744073709551615", "3 x 5 x 17 x 257 x 641 x 65537 x 6700417", 128},
        {"18446744073709551616", "2^64", 65},
        {"18446744073709551617", "274177 x 67280421310721", 4},
        {"18446744202558570721", "4294967311^2", 3},
        {"99984758105200426727", "9876543211 x 10123456757", 4},
        {"99999999999999999989", "99999999999999999989", 2},
        {"99999999999999999999", "3^2 x 11 x 41 x 101 x 271 x 3541 x 9091 x 27961", 384},
        {"92005279690628304000",
         "2^7 x 3^4 x 5^3 x 7^2 x 11 x 13 x 17 x 19 x 23 x 29 x 31 x 37 x 41", 245760},
    };
    for (const Row& row : rows) {
        const Whole n = whole(row.n);
        EXPECT_EQ(factorText(primeFactors(n)), row.factors) << row.n;
        const DivisorList list = allDivisors(n);
        ASSERT_EQ(list.divisors.size(), row.divisorCount) << row.n;
        EXPECT_EQ(list.divisors.front(), 1u);
        EXPECT_EQ(list.divisors.back(), n);
        for (std::size_t i = 1; i < list.divisors.size(); ++i)
            ASSERT_LT(list.divisors[i - 1], list.divisors[i]) << row.n << " at " << i;
    }
}

TEST(FactorEngine, splitsWhatALowEffortSmoothPassLeavesComposite) {
    // At this effort the smooth pass gives up on both numbers whole; the second
    // one's prime square comes back in two parts that must be merged.
    EXPECT_EQ(factorText(detail::primeFactors(whole("99984758105200426727"), 10)),
              "9876543211 x 10123456757");
    EXPECT_EQ(factorText(detail::primeFactors(whole("50000317000552000153"), 10)),
              "1000003^2 x 50000017");
}

TEST(FactorEngine, firstOddDivisorLooksFromThreeUpToTheSquareRoot) {
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"none", {"3", "7", "13", "6", "10", "1024", "99999999999999999989"}},
        {"3", {"9", "15", "18", "99999999999999999999"}},
        {"5", {"25"}},
        {"9876543211", {"99984758105200426727"}},
        {"4294967311", {"18446744202558570721"}},
    };
    for (const auto& [expected, numbers] : rows) {
        for (const char* n : numbers) {
            const auto divisor = firstOddDivisor(whole(n));
            EXPECT_EQ(divisor ? decimalText(*divisor) : "none", expected) << n;
        }
    }
}

TEST(FactorEngine, allDivisorsAgreeWithTrialDivision) {
    for (unsigned n = 1; n <= 5000; ++n) {
        std::vector<Whole> expected;
        std::size_t pairs = 0;
        for (unsigned d = 1; d <= n; ++d) {
            if (n % d != 0)
                continue;
            expected.push_back(d);
            pairs += d >= 2 && d * d <= n;
        }
        const DivisorList got = allDivisors(n);
        ASSERT_EQ(got.divisors, expected) << n;
        ASSERT_EQ(got.pairCount, pairs) << n;
    }
}
