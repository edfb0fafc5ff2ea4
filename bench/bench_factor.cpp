// korvane-bench factor NUMBER fast|all: runs one "Factor" request through the
// engine, as the tab does, and prints how many items the list holds and how long
// the answer took, its item texts included.
#include "bench/bench_common.h"
#include "factor/factor_answer.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>

int benchFactor(int argc, char** argv) {
    const bool fast = argc == 2 && std::strcmp(argv[1], "fast") == 0;
    if (argc != 2 || (!fast && std::strcmp(argv[1], "all") != 0)) {
        std::fprintf(stderr, "usage: korvane-bench factor NUMBER fast|all\n");
        return 2;
    }
    using namespace korvane::factor;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto read = readRequest(argv[0], fast ? Option::FirstDivisor : Option::AllDivisors);
    if (const auto* refused = std::get_if<korvane::InputError>(&read)) {
        std::fprintf(stderr, "%s\n", refused->message.c_str());
        return 1;
    }
    const Request& request = std::get<Request>(read);
    const Answer found = answer(request);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!found.listed) { // 2, answered with its verdict alone
        std::fprintf(stderr, "YES\n");
        return 1;
    }
    std::size_t chars = 0;
    for (const std::string& item : found.items)
        chars += item.size();
    const std::string smallest =
        found.items.size() > 1 ? found.items[1] : decimalText(request.number);
    std::printf("number=%s factors=%s peak_rss_mb=%.1f\n", decimalText(request.number).c_str(),
                found.factorization.c_str(), peakRssMb());
    std::printf("divisors=%zu smallest=%s list_text_chars=%zu seconds=%.4f\n", found.items.size(),
                smallest.c_str(), chars, seconds);
    return 0;
}
