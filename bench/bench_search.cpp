// korvane-bench search FROM TO
#include "bench/bench_common.h"
#include "search/range_search.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <variant>

int benchSearch(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane-bench search FROM TO\n");
        return 2;
    }
    using namespace korvane::search;
    const auto checked = validateBounds(argv[0], argv[1]);
    if (const auto* error = std::get_if<BoundError>(&checked)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return 1;
    }
    PageStore store;
    const auto start = std::chrono::steady_clock::now();
    const SearchOutcome outcome = runSearch(std::get<SearchRange>(checked), store);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::uint64_t fnv = 0xcbf29ce484222325ull;
    const auto mix = [&](unsigned char c) { fnv = (fnv ^ c) * 0x100000001b3ull; };
    for (std::size_t k = 1; k <= store.pageCount(); ++k) {
        for (char c : store.page(k))
            mix(static_cast<unsigned char>(c));
        mix('\n');
    }
    std::printf(
        "primes=%" PRIu64 " pages=%zu bytes=%zu fnv=%016" PRIx64 " seconds=%.3f peak_rss_mb=%.1f\n",
        outcome.primeCount, outcome.pageCount, store.totalBytes(), fnv, seconds, peakRssMb());
    return 0;
}
