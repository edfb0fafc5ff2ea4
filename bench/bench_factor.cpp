// korvane-bench factor NUMBER fast|all: runs one "Factor" request through the
// engine and prints how many divisors the list would hold and how long it took.
#include "bench/bench_common.h"
#include "factor/factor_engine.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

int benchFactor(int argc, char** argv) {
    const bool fast = argc == 2 && std::strcmp(argv[1], "fast") == 0;
    if (argc != 2 || (!fast && std::strcmp(argv[1], "all") != 0)) {
        std::fprintf(stderr, "usage: korvane-bench factor NUMBER fast|all\n");
        return 2;
    }
    using namespace korvane::factor;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const CheckedInput input = checkInput(argv[0]);
    if (input.kind != InputKind::Number) {
        const std::string message(refusalMessage(input.kind));
        std::fprintf(stderr, "%s\n", message.empty() ? "YES" : message.c_str());
        return 1;
    }
    const Whole n = input.value;
    std::size_t listed = 0;
    Whole smallest = n;
    if (fast && n % 2 == 0) { // answered without a search: "1", "2"
        listed = 2;
        smallest = 2;
    } else if (fast) {
        const auto divisor = firstOddDivisor(n);
        listed = divisor ? 2 : 1;
        smallest = divisor.value_or(n);
    } else {
        const DivisorList list = allDivisors(n);
        listed = list.divisors.size();
        smallest = list.divisors.at(1);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    // The window also turns every divisor into text; time that apart.
    double textSeconds = 0;
    if (!fast) {
        const auto textStart = Clock::now();
        std::size_t chars = 0;
        for (Whole d : allDivisors(n).divisors)
            chars += decimalText(d).size();
        textSeconds = std::chrono::duration<double>(Clock::now() - textStart).count();
        std::printf("list_text_chars=%zu list_and_text_seconds=%.4f\n", chars, textSeconds);
    }
    std::string factors;
    for (const PrimePower& f : primeFactors(n)) {
        factors += factors.empty() ? "" : " x ";
        factors += decimalText(f.prime);
        if (f.exponent > 1)
            factors.append("^").append(std::to_string(f.exponent));
    }
    std::printf("number=%s factors=%s peak_rss_mb=%.1f\n", decimalText(n).c_str(), factors.c_str(),
                peakRssMb());
    std::printf("divisors=%zu smallest=%s seconds=%.4f\n", listed, decimalText(smallest).c_str(),
                seconds);
    return 0;
}
