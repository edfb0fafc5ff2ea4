// korvane-bench find FROM TO NUMBER: searches the range, then times Find for
// NUMBER as the Find window asks it, several rounds, and prints the median.
#include "bench/bench_common.h"
#include "search/find_number.h"
#include "search/range_search.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <variant>
#include <vector>

namespace {

using namespace korvane::search;
using Clock = std::chrono::steady_clock;

} // namespace

int benchFind(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: korvane-bench find FROM TO NUMBER\n", stderr);
        return 2;
    }
    const auto range = readRange(argv[0], argv[1]);
    if (!range)
        return 1;
    PageStore store;
    const SearchOutcome outcome = runSearch(*range, store);
    const CoveredRange covered = outcome.covered();

    // The first call meets cold caches; the median is the figure to compare.
    constexpr int rounds = 21;
    std::vector<double> times;
    FindAnswer answer;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        answer = findNumber(argv[2], covered, store);
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("pages=%zu covered_to=%" PRIu64 " first_call_s=%.6f answer=\"%s\"\n",
                outcome.pageCount, covered.last, first, answer.text.c_str());
    if (answer.show)
        std::printf("page=%zu ordinal=%" PRIu64 " seconds=%.6f\n", answer.show->page,
                    answer.show->ordinal, times[rounds / 2]);
    else
        std::printf("page=- ordinal=- seconds=%.6f\n", times[rounds / 2]);
    return 0;
}
