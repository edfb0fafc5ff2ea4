// The factor engine: what it reads from the number box, known factorizations
// on both sides of 2^64, and plain trial division on small numbers.
#include "factor/factor_answer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace korvane::factor;

// Refusals come in the order the checks run; "1e400" lies beyond every number
// the program reads anywhere.
TEST(FactorEngine, refusesTextsInTheOrderTheChecksRun) {
    const std::pair<std::vector<const char*>, const char*> rows[] = {
        {{"", "abc", "1e400"}, "You must enter a valid number!"},
        {{"1", "-5", "2.99999999999999999", "1e-400"}, "You must enter a 2 or greater!"},
        {{"7.5", "99999999999999999999.5"}, "You must enter a whole number!"},
        {{"1e20", "100000000000000000000"}, "You must enter a number of at most 20 digits!"},
    };
    for (const auto& [texts, message] : rows)
        for (const char* text : texts) {
            const auto read = readRequest(text, Option::FirstDivisor);
            const auto* refused = std::get_if<korvane::InputError>(&read);
            EXPECT_EQ(refused ? refused->message : "accepted", message) << text;
        }
}

// Ways to write one number, and its prime factors, ascending, however
// little effort the smooth pass above 64 bits is given.
TEST(FactorEngine, factorsKnownNumbersOnBothSidesOfTwoToThe64) {
    const std::pair<std::vector<const char*>, const char*> rows[] = {
        // clang-format off
        {{"0015", "15.0", "1500E-2", " +15 "}, "3 * 5"},
        {{"18446744073709551557"}, "18446744073709551557"},
        {{"18446744073709551616"}, "2^64"},
        {{"18446744202558570721"}, "4294967311^2"},
        {{"99984758105200426727"}, "9876543211 * 10123456757"},
        {{"50000317000552000153"}, "1000003^2 * 50000017"},
        // FLINT hands these primes back out of order: 116719 and 333349 before 51347.
        {{"36060603901612578850"}, "2 * 5^2 * 19^2 * 51347 * 116719 * 333349"},
        {{"99999999999999999999", "9999999999999999999.9e1"}, "3^2 * 11 * 41 * 101 * 271 * 3541 * 9091 * 27961"},
        // clang-format on
    };
    for (const auto& [texts, factors] : rows)
        for (const char* text : texts) {
            const CheckedInput input = checkInput(text);
            ASSERT_EQ(input.kind, InputKind::Number) << text;
            EXPECT_EQ(factorize(input.value).text(), factors) << text;
            // A smooth pass this short leaves composite parts for the fallback to
            // split, and a prime's square in two parts to merge.
            EXPECT_EQ(detail::factorize(input.value, 10).text(), factors) << text << ", low effort";
        }
}

TEST(FactorEngine, agreesWithTrialDivision) {
    for (unsigned n = 1; n <= 5000; ++n) {
        std::vector<Whole> divisors;
        std::vector<std::pair<unsigned, unsigned>> powers; // ascending primes
        std::size_t pairs = 0;
        unsigned firstOdd = 0, rest = n;
        for (unsigned d = 1; d <= n; ++d) {
            if (n % d != 0)
                continue;
            divisors.push_back(d);
            pairs += d >= 2 && d * d <= n;
            if (firstOdd == 0 && d % 2 == 1 && d >= 3 && d * d <= n)
                firstOdd = d;
            if (d >= 2 && rest % d == 0)
                powers.push_back({d, 0});
            for (; d >= 2 && rest % d == 0; rest /= d)
                ++powers.back().second;
        }
        const FactoredNumber got = factorize(n);
        std::vector<std::pair<unsigned, unsigned>> gotPowers;
        for (const PrimePower& p : got.primePowers())
            gotPowers.emplace_back(unsigned(p.prime), p.exponent);
        ASSERT_EQ(gotPowers, powers) << n;
        ASSERT_EQ(got.divisors(), divisors) << n;
        ASSERT_EQ(got.isPrime(), divisors.size() == 2) << n;
        ASSERT_EQ(got.firstOddDivisor().value_or(0), firstOdd) << n;
        const auto counted = answer({n, Option::AllDivisors, std::to_string(n)}).pairCounter;
        ASSERT_TRUE(n < 3 || counted == 1 + 2 * pairs) << n;
    }
}
