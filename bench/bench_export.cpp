// korvane-bench save FROM TO [FILE]: searches, then times saving every page to
// FILE the way the Save dialog does (the same reserve, write and commit, with
// the engine's own file written beside FILE and renamed into place) against
// `cp` of the same file, a few rounds each.
// korvane-bench copy FROM TO [PAGES]: searches, then times joining PAGES pages
// (1000 by default) into one clipboard text.
#include "bench/bench_common.h"

#include "common/number_text.h"
#include "export/export_engine.h"
#include "export/results_file.h"
#include "search/range_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool fillStore(const char* from, const char* to, korvane::search::PageStore& store) {
    const auto range = readRange(from, to);
    if (!range)
        return false;
    const auto start = Clock::now();
    korvane::search::runSearch(*range, store);
    std::printf("search_s=%.3f\npages=%zu\n", secondsSince(start), store.pageCount());
    return true;
}

// Every page, as "All Pages" asks for them.
korvane::search::PageSpan allPages(const korvane::search::PageStore& store) {
    const auto count = static_cast<double>(store.pageCount());
    return korvane::search::pagesNamed(1, count, store.pageCount());
}

struct SaveTiming {
    double save = 0;   // open, reserve, write
    double commit = 0; // the flush to disk and the rename into place
    bool ok = false;
};

// The engine's own staged file, with the time its commit takes kept apart.
class TimedFile : public korvane::exporting::ReplacingFile {
  public:
    using ReplacingFile::ReplacingFile;
    bool commit() override {
        const auto start = Clock::now();
        const bool done = ReplacingFile::commit();
        seconds = secondsSince(start);
        return done;
    }
    double seconds = 0;
};

SaveTiming timeSave(const korvane::search::PageStore& store, const std::string& path) {
    SaveTiming timing;
    float shown = 0; // stands in for the progress bar
    const auto start = Clock::now();
    TimedFile file(path);
    const std::string reason = korvane::exporting::saveResults(
        file, store, allPages(store), [&shown](float percent) { shown = percent; });
    timing.commit = file.seconds;
    timing.save = secondsSince(start) - timing.commit;
    timing.ok = reason.empty() && shown == 100;
    if (!reason.empty())
        std::fprintf(stderr, "%s\n", reason.c_str());
    return timing;
}

double timeCp(const std::string& from, const std::string& to) {
    const std::string command = "cp '" + from + "' '" + to + "'";
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = secondsSince(start);
    std::remove(to.c_str());
    return status == 0 ? seconds : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int benchSave(const char* from, const char* to, const std::string& path) {
    korvane::search::PageStore store;
    if (!fillStore(from, to, store))
        return 1;
    // The machine is shared, so single runs are noisy: alternate the two and
    // compare medians. Both write a new file, so neither pays for removing
    // an old one.
    constexpr int rounds = 5;
    std::vector<double> save, commit, cp;
    for (int i = 0; i < rounds; ++i) {
        std::remove(path.c_str());
        const SaveTiming timing = timeSave(store, path);
        if (!timing.ok) {
            std::fprintf(stderr, "writing %s failed\n", path.c_str());
            return 1;
        }
        save.push_back(timing.save);
        commit.push_back(timing.commit);
        cp.push_back(timeCp(path, path + ".cp"));
    }
    const long long bytes =
        static_cast<long long>(korvane::exporting::resultsFileSize(store, allPages(store)));
    std::remove(path.c_str());
    std::printf("bytes=%lld\nsave_s_median=%.3f\nsave_s_min=%.3f\ncommit_s_median=%.3f\n"
                "cp_s_median=%.3f\ncp_s_min=%.3f\nsave_over_cp=%.2f\n"
                "save_with_commit_over_cp=%.2f\npeak_rss_mb=%.1f\n",
                bytes, median(save), *std::min_element(save.begin(), save.end()), median(commit),
                median(cp), *std::min_element(cp.begin(), cp.end()), median(save) / median(cp),
                (median(save) + median(commit)) / median(cp), peakRssMb());
    return 0;
}

int benchCopy(const char* from, const char* to, const char* pagesText) {
    korvane::search::PageStore store;
    if (!fillStore(from, to, store))
        return 1;
    const double pages = pagesText ? korvane::parseNumber(pagesText).value_or(1000) : 1000;
    const int rounds = 20;
    std::size_t bytes = 0;
    const auto span = korvane::search::pagesNamed(1, pages, store.pageCount());
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        bytes = korvane::exporting::joinPages(store, span).size();
    std::printf("copied_pages=%.0f\nbytes=%zu\njoin_ms=%.3f\npeak_rss_mb=%.1f\n", pages, bytes,
                secondsSince(start) * 1000 / rounds, peakRssMb());
    return 0;
}

} // namespace

int benchExport(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[0], "save") == 0)
        return benchSave(argv[1], argv[2], argc >= 4 ? argv[3] : "/tmp/korvane-bench-results.txt");
    if (argc >= 3 && std::strcmp(argv[0], "copy") == 0)
        return benchCopy(argv[1], argv[2], argc >= 4 ? argv[3] : nullptr);
    std::fprintf(stderr, "usage: korvane-bench save FROM TO [FILE] | copy FROM TO [PAGES]\n");
    return 2;
}
