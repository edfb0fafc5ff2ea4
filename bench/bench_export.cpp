// korvane-bench save FROM TO [FILE]: searches, then times writing every page to
// FILE (written beside it and renamed into place, as the Save dialog does)
// against `cp` of the same file, a few rounds each.
// korvane-bench copy FROM TO [PAGES]: searches, then times joining PAGES pages
// (1000 by default) into one clipboard text.
#include "bench/bench_common.h"

#include "common/number_text.h"
#include "export/export_engine.h"
#include "search/range_search.h"

#include <fcntl.h>
#include <unistd.h>

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
    const auto range = korvane::search::validateBounds(from, to);
    if (const auto* error = std::get_if<korvane::search::BoundError>(&range)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return false;
    }
    const auto start = Clock::now();
    korvane::search::runSearch(std::get<korvane::search::SearchRange>(range), store);
    std::printf("search_s=%.3f\npages=%zu\n", secondsSince(start), store.pageCount());
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

struct SaveTiming {
    double save = 0;  // open, reserve, write, close, rename
    double fsync = 0; // the flush to disk QSaveFile adds before the rename
    bool ok = false;
};

// One save as the dialog does it: a file beside the target, space reserved,
// the pages streamed in with the disk write started as they go, flushed, then
// renamed over the target.
SaveTiming timeSave(const korvane::search::PageStore& store, const std::string& path) {
    SaveTiming timing;
    const std::string temp = path + ".part";
    const double last = static_cast<double>(store.pageCount());
    const auto start = Clock::now();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return timing;
    ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0,
                static_cast<off_t>(korvane::exporting::resultsFileSize(store, 1, last)));
    float shown = 0; // stands in for the progress bar
    off_t written = 0;
    off_t flushed = 0;
    const auto sink = [&](std::string_view bytes) {
        if (!writeAll(fd, bytes))
            return false;
        written += static_cast<off_t>(bytes.size());
        // As the dialog does: start the disk write of every 8 MiB behind us,
        // so the final flush finds little left to do.
        if (written - flushed >= (off_t{8} << 20)) {
            ::sync_file_range(fd, flushed, written - flushed, SYNC_FILE_RANGE_WRITE);
            flushed = written;
        }
        return true;
    };
    timing.ok = korvane::exporting::writeResults(store, 1, last, sink,
                                                 [&shown](float percent) { shown = percent; });
    const auto syncStart = Clock::now();
    ::fsync(fd);
    timing.fsync = secondsSince(syncStart);
    ::close(fd);
    timing.ok = timing.ok && std::rename(temp.c_str(), path.c_str()) == 0 && shown == 100;
    timing.save = secondsSince(start) - timing.fsync;
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
    std::vector<double> save, fsync, cp;
    for (int i = 0; i < rounds; ++i) {
        std::remove(path.c_str());
        const SaveTiming timing = timeSave(store, path);
        if (!timing.ok) {
            std::fprintf(stderr, "writing %s failed\n", path.c_str());
            return 1;
        }
        save.push_back(timing.save);
        fsync.push_back(timing.fsync);
        cp.push_back(timeCp(path, path + ".cp"));
    }
    const long long bytes = static_cast<long long>(
        korvane::exporting::resultsFileSize(store, 1, static_cast<double>(store.pageCount())));
    std::remove(path.c_str());
    std::printf("bytes=%lld\nsave_s_median=%.3f\nsave_s_min=%.3f\nfsync_s_median=%.3f\n"
                "cp_s_median=%.3f\ncp_s_min=%.3f\nsave_over_cp=%.2f\n"
                "save_with_fsync_over_cp=%.2f\npeak_rss_mb=%.1f\n",
                bytes, median(save), *std::min_element(save.begin(), save.end()), median(fsync),
                median(cp), *std::min_element(cp.begin(), cp.end()), median(save) / median(cp),
                (median(save) + median(fsync)) / median(cp), peakRssMb());
    return 0;
}

int benchCopy(const char* from, const char* to, const char* pagesText) {
    korvane::search::PageStore store;
    if (!fillStore(from, to, store))
        return 1;
    const double pages = pagesText ? korvane::parseNumber(pagesText).value_or(1000) : 1000;
    const int rounds = 20;
    std::size_t bytes = 0;
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        bytes = korvane::exporting::joinPages(store, 1, pages).size();
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
