// The factor engine against known factorizations, the refusals of the number
// box, and plain trial division on small numbers.
#include "factor/factor_engine.h"

#include <gtest/gtest.h>

#include <string>
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

} // namespace

TEST(FactorInput, checksRunInOrderAndReadTheTextExactly) {
    struct Row {
        const char* text;
        InputKind kind;
        const char* value;
    };
    const Row rows[] = {
        {"", InputKind::NotNumeric, "0"},
        {"abc", InputKind::NotNumeric, "0"},
        {"1e400", InputKind::NotNumeric, "0"}, // beyond every number the program reads
        {"2", InputKind::Two, "2"},
        {"2.0", InputKind::Two, "2"},
        {"0.2e1", InputKind::Two, "2"},
        {"+200e-2", InputKind::Two, "2"},
        {"1", InputKind::BelowThree, "0"},
        {"0", InputKind::BelowThree, "0"},
        {"-0", InputKind::BelowThree, "0"},
        {"-5", InputKind::BelowThree, "0"},
        {"-1e30", InputKind::BelowThree, "0"},
        {"2.5", InputKind::BelowThree, "0"},
        {"2.99999999999999999", InputKind::BelowThree, "0"},
        {"1e-400", InputKind::BelowThree, "0"},
        {"7.5", InputKind::NotWhole, "0"},
        {"3.000000000000000001", InputKind::NotWhole, "0"},
        {"1e20", InputKind::TooLarge, "0"},
        {"100000000000000000000", InputKind::TooLarge, "0"},
        {"99999999999999999999.5", InputKind::NotWhole, "0"},
        {"3", InputKind::Number, "3"},
        {"0015", InputKind::Number, "15"},
        {"15.0", InputKind::Number, "15"},
        {"1e3", InputKind::Number, "1000"},
        {" 12 ", InputKind::Number, "12"},
        {"1500E-2", InputKind::Number, "15"},
        {"9999999999999999999.9e1", InputKind::Number, "99999999999999999999"},
        {"99999999999999999999", InputKind::Number, "99999999999999999999"},
        {"18446744073709551617", InputKind::Number, "18446744073709551617"},
    };
    for (const Row& row : rows) {
        const CheckedInput got = checkInput(row.text);
        EXPECT_EQ(static_cast<int>(got.kind), static_cast<int>(row.kind)) << row.text;
        if (got.kind == InputKind::Number || got.kind == InputKind::Two) {
            EXPECT_EQ(decimalText(got.value), row.value) << row.text;
        }
    }
}

TEST(FactorInput, refusalsHaveTheirMessages) {
    EXPECT_EQ(refusalMessage(InputKind::NotNumeric), "You must enter a valid number!");
    EXPECT_EQ(refusalMessage(InputKind::BelowThree), "You must enter a 2 or greater!");
    EXPECT_EQ(refusalMessage(InputKind::NotWhole), "You must enter a whole number!");
    EXPECT_EQ(refusalMessage(InputKind::TooLarge), "You must enter a number of at most 20 digits!");
    EXPECT_EQ(refusalMessage(InputKind::Number), "");
    EXPECT_EQ(refusalMessage(InputKind::Two), "");
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
    const std::pair<const char*, const char*> rows[] = {
        {"7", "none"},
        {"3", "none"},
        {"13", "none"},
        {"9", "3"},
        {"25", "5"},
        {"15", "3"},
        {"6", "none"},
        {"10", "none"},
        {"18", "3"},
        {"1024", "none"},
        {"99984758105200426727", "9876543211"},
        {"99999999999999999989", "none"},
        {"18446744202558570721", "4294967311"},
        {"99999999999999999999", "3"},
    };
    for (const auto& [n, expected] : rows) {
        const auto divisor = firstOddDivisor(whole(n));
        EXPECT_EQ(divisor ? decimalText(*divisor) : "none", expected) << n;
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

TEST(FactorEngine, decimalTextIsExactAcrossTheWholeRange) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(whole("10000000000000000000")), "10000000000000000000");
    EXPECT_EQ(decimalText(whole("99999999999999999999")), "99999999999999999999");
    EXPECT_EQ(decimalText(largestNumber), "99999999999999999999");
    EXPECT_EQ(decimalText(~Whole{0}), "340282366920938463463374607431768211455");
}
