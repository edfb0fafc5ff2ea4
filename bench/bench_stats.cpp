// korvane-bench stats FROM TO: times the statistics of a range (the walk and
// li) as the statistics window asks for them after a search of that range.
// Their goal: at most 1.5 times `korvane-bench search` of the same range.
#include "bench/bench_common.h"
#include "search/bounds.h"
#include "stats/range_statistics.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <variant>

namespace {

using namespace korvane::search;
using namespace korvane::stats;

// Fixed-point text with `decimals` digits after the point.
std::string fixed(double x, int decimals) {
    char text[64];
    return {text,
            std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, decimals).ptr};
}

std::string whole(std::uint64_t n) {
    char text[24];
    return {text, std::to_chars(text, text + sizeof text, n).ptr};
}

} // namespace

int benchStats(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: korvane-bench stats FROM TO\n", stderr);
        return 2;
    }
    const auto range = readRange(argv[0], argv[1]);
    if (!range)
        return 1;
    const auto start = std::chrono::steady_clock::now();
    const RangeStatistics s = computeStatistics({range->first, range->last, false}).value();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Constellations& c = s.constellations;
    const std::string line =
        "primes=" + whole(s.primeCount) + " twins=" + whole(s.twinPairs) +
        " triplets=" + whole(c.triplets) + " quadruplets=" + whole(c.quadruplets) +
        " quintuplets=" + whole(c.quintuplets) + " sextuplets=" + whole(c.sextuplets) +
        " gap=" + whole(s.largestGap) + " gap_start=" + whole(s.gapStart) +
        " common_gap=" + whole(s.commonGap) + " li=" + fixed(s.predicted, 2) +
        " threads=" + whole(s.threads) + " seconds=" + fixed(seconds, 3) +
        " peak_rss_mb=" + fixed(peakRssMb(), 1) + "\n";
    std::fputs(line.c_str(), stdout);
    return 0;
}
