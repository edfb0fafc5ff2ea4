// The factor engine: what it reads from the number box, known factorizations
// on both sides of 2^64, the answer of each option, and plain trial division
// on small numbers.
#include "factor/factor_answer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace korvane::factor;

namespace {

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ",") + item;
    return text;
}

} // namespace

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
    for (const auto& [name, texts, message] : rows) {
        for (const char* text : texts) {
            const auto read = readRequest(text, Option::FirstDivisor);
            ASSERT_TRUE(std::holds_alternative<korvane::InputError>(read)) << name << ": " << text;
            const korvane::InputError& refused = std::get<korvane::InputError>(read);
            EXPECT_EQ(refused.message, message) << name << ": " << text;
            EXPECT_EQ(refused.focus, korvane::InputField::None) << "the focus stays put";
        }
    }
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
        // FLINT hands these primes back out of order: 116719 and 333349 before 51347.
        {"primes found out of order", {"36060603901612578850"},
         "2 * 5^2 * 19^2 * 51347 * 116719 * 333349", 144, "5"},
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
            const FactoredNumber number = factorize(input.value);
            EXPECT_EQ(number.text(), factors) << "prime factors";
            const std::vector<Whole> divisors = number.divisors();
            EXPECT_EQ(divisors.size(), divisorCount) << "divisor count";
            EXPECT_TRUE(std::is_sorted(divisors.begin(), divisors.end())) << "divisors ascending";
            const auto odd = number.firstOddDivisor();
            EXPECT_EQ(odd ? decimalText(*odd) : "", firstOdd) << "first odd divisor";
        }
    }
}

TEST(FactorEngine, splitsWhatALowEffortSmoothPassLeavesComposite) {
    // At this effort the smooth pass gives up on both numbers whole; the second
    // one's prime square comes back in two parts that must be merged.
    EXPECT_EQ(detail::factorize(checkInput("99984758105200426727").value, 10).text(),
              "9876543211 * 10123456757");
    EXPECT_EQ(detail::factorize(checkInput("50000317000552000153").value, 10).text(),
              "1000003^2 * 50000017");
}

// What each option shows: the list, its count, the verdict, the hidden pair
// counter (-1 where the run leaves it), and whether the answer is a search.
TEST(FactorEngine, answersEachOptionWithAListOfItsOwn) {
    constexpr Option first = Option::FirstDivisor;
    constexpr Option all = Option::AllDivisors;
    // clang-format off
    const std::tuple<const char*, const char*, Option, const char*, bool, int, bool> rows[] = {
        {"2 gets its verdict alone", "2.0", all, "", true, -1, false},
        {"an even number's first divisor, at once", "360", first, "1,2", false, -1, false},
        {"an odd number's first divisor", "91", first, "1,7", false, -1, true},
        {"an odd prime has none", "97", first, "1", true, -1, true},
        {"all divisors, the number as typed", "0036", all, "1,2,3,4,6,9,12,18,0036", false, 9, true},
        {"a prime's divisors", "13", all, "1,13", true, 1, true},
    };
    // clang-format on
    for (const auto& [name, text, option, items, prime, pairCounter, searches] : rows) {
        SCOPED_TRACE(name);
        const Request request = std::get<Request>(readRequest(text, option));
        const Answer got = answer(request);
        EXPECT_EQ(joined(got.items), items) << "the list";
        EXPECT_EQ(got.listed, *items != '\0') << "the list replaced";
        EXPECT_EQ(got.prime, prime) << "the verdict";
        EXPECT_EQ(got.pairCounter ? int(*got.pairCounter) : -1, pairCounter) << "the pair counter";
        EXPECT_EQ(request.searches(), searches) << "a search";
    }
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
        const FactoredNumber got = factorize(n);
        ASSERT_EQ(got.divisors(), divisors) << n;
        ASSERT_EQ(got.isPrime(), divisors.size() == 2) << n;
        ASSERT_EQ(got.firstOddDivisor().value_or(0), firstOdd) << n;
        if (n >= 3) {
            const auto counted = answer({n, Option::AllDivisors, std::to_string(n)}).pairCounter;
            ASSERT_EQ(counted, 1 + 2 * pairs) << n;
        }
    }
}
