// korvane-bench search FROM TO: times the search alone, then makes every page
// in order (outside the timing) for the text's size and hash.
// korvane-bench page FROM TO K: searches, then times making page K, a number
// of rounds, and prints the median.
#include "bench/bench_common.h"
#include "search/range_search.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <variant>
#include <vector>

namespace {

using namespace korvane::search;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// FNV-1a over the page texts, each followed by a line feed.
struct Fnv {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    void add(std::string_view text) {
        for (char c : text)
            mix(static_cast<unsigned char>(c));
        mix('\n');
    }
    void mix(unsigned char c) { hash = (hash ^ c) * 0x100000001b3ull; }
};

bool search(const char* from, const char* to, PageStore& store, SearchOutcome& outcome,
            double& seconds) {
    const auto range = readRange(from, to);
    if (!range)
        return false;
    const auto start = Clock::now();
    outcome = runSearch(*range, store);
    seconds = secondsSince(start);
    return true;
}

} // namespace

int benchSearch(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane-bench search FROM TO\n");
        return 2;
    }
    PageStore store;
    SearchOutcome outcome;
    double seconds = 0;
    if (!search(argv[0], argv[1], store, outcome, seconds))
        return 1;
    Fnv fnv;
    std::uint64_t bytes = 0;
    const auto start = Clock::now();
    store.makePages(1, store.pageCount(), [&](std::string_view text) {
        bytes += text.size();
        fnv.add(text);
        return true;
    });
    std::printf("make_all_pages_s=%.3f\n", secondsSince(start));
    std::printf("primes=%" PRIu64 " pages=%zu bytes=%" PRIu64 " fnv=%016" PRIx64
                " seconds=%.3f peak_rss_mb=%.1f\n",
                outcome.primeCount, outcome.pageCount, bytes, fnv.hash, seconds, peakRssMb());
    return 0;
}

int benchPage(int argc, char** argv) {
    const long long k = argc == 3 ? std::atoll(argv[2]) : 0;
    if (k < 1) {
        std::fprintf(stderr, "usage: korvane-bench page FROM TO K\n");
        return 2;
    }
    PageStore store;
    SearchOutcome outcome;
    double searchSeconds = 0;
    if (!search(argv[0], argv[1], store, outcome, searchSeconds))
        return 1;
    const auto page = static_cast<std::size_t>(k);
    constexpr int rounds = 21;
    std::vector<double> times;
    std::string text;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        text = store.page(page);
        times.push_back(secondsSince(start));
    }
    std::sort(times.begin(), times.end());
    Fnv fnv;
    fnv.add(text);
    std::printf("search_s=%.3f pages=%zu peak_rss_mb=%.1f\n", searchSeconds, outcome.pageCount,
                peakRssMb());
    std::printf("page=%zu chars=%zu fnv=%016" PRIx64 " seconds=%.6f\n", page, text.size(), fnv.hash,
                times[rounds / 2]);
    return 0;
}
