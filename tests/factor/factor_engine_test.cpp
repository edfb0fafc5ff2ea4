// The factor engine: what it reads from the number box, known factorizations
// on both sides of 2^64, and plain trial division on small numbers.
#include "factor/factor_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace korvane::factor;

// Refusals come in the order the checks run; "1e400" lies beyond every number
// the program reads anywhere.
TEST(FactorEngine, refusesTextsInTheOrderTheChecksRun) {
    const std::tuple<const char*, std::vector<const char*>, const char*> rows[] = {
        // clang-format off
        {"not a number", {"", "abc", "1e400"}, "You must enter a valid number!"},
        {"below three", {"1", "0", "-0", "-5", "-1e30", "2.5", "2.99999999999999999", "1e-400"},
         "You must enter a 2 or greater!"},
        {"fraction", {"7.5", "3.000000000000000001", "99999999999999999999.5"},
         "You must enter a whole number!"},
        {"over twenty digits", {"1e20", "100000000000000000000"},
         "You must enter a number of at most 20 digits!"},
        // clang-format on
    };
    for (const auto& [name, texts, message] : rows)
        for (const char* text : texts)
            EXPECT_EQ(refusalMessage(checkInput(text).kind), message) << name << ": " << text;
}

TEST(FactorEngine, factorsKnownNumbersOnBothSidesOfTwoToThe64) {
    // Named rows of ways to write one number, its prime factors, its number of
    // divisors, and its first odd divisor ("" when there is none).
    const std::tuple<const char*, std::vector<const char*>, const char*, std::size_t, const char*>
        rows[] = {
            // clang-format off
        {"small prime", {"3", "3e0"}, "3", 2, ""},
        {"read exactly", {"0015", "15.0", "1500E-2", " +15 "}, "3 * 5", 4, "3"},
        {"largest 64-bit prime", {"18446744073709551557"}, "18446744073709551557", 2, ""},
        {"two to the 64", {"18446744073709551616"}, "2^64", 65, ""},
        {"two to the 64 plus one", {"18446744073709551617"}, "274177 * 67280421310721", 4, "274177"},
        {"square of a 33-bit prime", {"18446744202558570721"}, "4294967311^2", 3, "4294967311"},
        {"two 34-bit primes", {"99984758105200426727"}, "9876543211 * 10123456757", 4, "9876543211"},
        {"twenty nines", {"99999999999999999999", "9999999999999999999.9e1"},
         "3^2 * 11 * 41 * 101 * 271 * 3541 * 9091 * 27961", 384, "3"},
        {"most divisors", {"92005279690628304000"},
         "2^7 * 3^4 * 5^3 * 7^2 * 11 * 13 * 17 * 19 * 23 * 29 * 31 * 37 * 41", 245760, "3"},
            // clang-format on
        };
    for (const auto& [name, texts, factors, divisorCount, firstOdd] : rows) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(name) + ": " + text);
            const CheckedInput input = checkInput(text);
            ASSERT_EQ(input.kind, InputKind::Number);
            EXPECT_EQ(factorizationText(primeFactors(input.value)), factors) << "prime factors";
            const std::vector<Whole> divisors = allDivisors(input.value).divisors;
            EXPECT_EQ(divisors.size(), divisorCount) << "divisor count";
            EXPECT_TRUE(std::is_sorted(divisors.begin(), divisors.end())) << "divisors ascending";
            const auto odd = firstOddDivisor(input.value);
            EXPECT_EQ(odd ? decimalText(*odd) : "", firstOdd) << "first odd divisor";
        }
    }
}

TEST(FactorEngine, splitsWhatALowEffortSmoothPassLeavesComposite) {
    // At this effort the smooth pass gives up on both numbers whole; the second
    // one's prime square comes back in two parts that must be merged.
    EXPECT_EQ(factorizationText(detail::primeFactors(checkInput("99984758105200426727").value, 10)),
              "9876543211 * 10123456757");
    EXPECT_EQ(factorizationText(detail::primeFactors(checkInput("50000317000552000153").value, 10)),
              "1000003^2 * 50000017");
}

TEST(FactorEngine, agreesWithTrialDivision) {
    for (unsigned n = 1; n <= 5000; ++n) {
        std::vector<Whole> divisors;
        std::size_t pairs = 0;
        unsigned firstOdd = 0;
        for (unsigned d = 1; d <= n; ++d) {
            if (n % d != 0)
                continue;
            divisors.push_back(d);
            pairs += d >= 2 && d * d <= n;
            if (firstOdd == 0 && d % 2 == 1 && d >= 3 && d * d <= n)
                firstOdd = d;
        }
        const DivisorList got = allDivisors(n);
        ASSERT_EQ(got.divisors, divisors) << n;
        ASSERT_EQ(got.pairCount, pairs) << n;
        ASSERT_EQ(firstOddDivisor(n).value_or(0), firstOdd) << n;
    }
}
