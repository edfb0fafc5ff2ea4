// The statistics walk. Per prime it does a handful of additions and one table
// look-up, so the statistics of a range cost little more than sieving it.
#include "stats/prime_tally.h"

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <thread>

namespace korvane::stats {
namespace {

using Wide = unsigned __int128;

constexpr unsigned gapCode(std::uint64_t gap) {
    return static_cast<unsigned>(gap == 2) | static_cast<unsigned>(gap == 4) << 1;
}

constexpr unsigned recentMask = (1u << 10) - 1; // five gaps

// The gaps of a pattern, oldest first, as they stand in recentGaps.
constexpr unsigned packed(std::initializer_list<std::uint64_t> gaps) {
    unsigned bits = 0;
    for (const std::uint64_t g : gaps)
        bits = bits << 2 | gapCode(g);
    return bits;
}

struct Pattern {
    unsigned bits;
    unsigned gaps; // how many gaps it spans
    unsigned lane; // 0 triplets, 1 quadruplets, 2 quintuplets, 3 sextuplets
};
constexpr Pattern patterns[] = {
    {packed({2, 4}), 2, 0},       {packed({4, 2}), 2, 0},       {packed({2, 4, 2}), 3, 1},
    {packed({2, 4, 2, 4}), 4, 2}, {packed({4, 2, 4, 2}), 4, 2}, {packed({4, 2, 4, 2, 4}), 5, 3},
};

// For each value of recentGaps, the constellations it completes, one 16-bit
// lane per kind, so that one addition counts all four. `atLeast` keeps only
// those spanning that many gaps or more.
struct Completed {
    std::uint64_t lanes[recentMask + 1] = {};
    constexpr explicit Completed(unsigned atLeast = 0) {
        for (unsigned recent = 0; recent <= recentMask; ++recent)
            for (const Pattern& p : patterns)
                if (p.gaps >= atLeast && (recent & ((1u << 2 * p.gaps) - 1)) == p.bits)
                    lanes[recent] += std::uint64_t{1} << 16 * p.lane;
    }
};
constexpr Completed completed;
// Those that also reach back over the k-th gap before the newest, k = 1..5.
constexpr Completed reachingBack[] = {Completed(1), Completed(2), Completed(3), Completed(4),
                                      Completed(5)};

void addLanes(Constellations& c, std::uint64_t lanes) {
    c.triplets += lanes & 0xffff;
    c.quadruplets += lanes >> 16 & 0xffff;
    c.quintuplets += lanes >> 32 & 0xffff;
    c.sextuplets += lanes >> 48;
}

void noteFirst(Tally& t, std::uint64_t p) {
    if (t.count < t.head.size())
        t.head[t.count] = p;
    if (t.count == 0)
        t.first = p;
}

// Counts the gaps from t.last through p[0..n), which follow it.
void noteGaps(Tally& t, const std::uint64_t* p, std::size_t n) {
    std::uint64_t prev = t.last;
    unsigned recent = t.recentGaps;
    // Lanes hold 16 bits: fold them into the counts before they can overflow.
    for (std::size_t from = 0; from < n; from += 0xffff) {
        const std::size_t to = std::min(n, from + 0xffff);
        std::uint64_t lanes = 0;
        for (std::size_t i = from; i < to; ++i) {
            const std::uint64_t d = p[i] - prev;
            if (d > t.gap) [[unlikely]] { // strictly: the first of equal gaps stays
                t.gap = d;
                t.gapStart = prev;
                if (d / 2 >= t.halfGaps.size())
                    t.halfGaps.resize(d / 2 + 1);
            }
            ++t.halfGaps[d / 2];
            recent = (recent << 2 | gapCode(d)) & recentMask;
            lanes += completed.lanes[recent];
            prev = p[i];
        }
        addLanes(t.constellations, lanes);
    }
    t.recentGaps = recent;
    t.last = prev;
}

void notePrimes(Tally& t, const std::uint64_t* p, std::size_t n) {
    std::size_t i = 0;
    for (; i < n && t.count < t.head.size(); ++i) {
        noteFirst(t, p[i]);
        if (t.count > 0)
            noteGaps(t, p + i, 1);
        t.last = p[i];
        ++t.count;
    }
    noteGaps(t, p + i, n - i);
    t.count += n - i;
}

// Tallies the primes of [lo, hi]; false when cancelled on the way.
bool tallyStretch(Tally& t, std::uint64_t lo, std::uint64_t hi,
                  const std::vector<std::uint64_t>& starts, const std::atomic<bool>* cancel) {
    if (lo > hi)
        return true;
    std::size_t interval = static_cast<std::size_t>(
        std::upper_bound(starts.begin(), starts.end(), lo) - starts.begin());
    bool finished = true;
    search::sieveBatches(lo, hi, hi, [&](const std::uint64_t* p, std::size_t n) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return finished = false;
        for (std::size_t done = 0; done < n;) {
            const std::size_t end =
                interval < starts.size()
                    ? static_cast<std::size_t>(std::lower_bound(p + done, p + n, starts[interval]) -
                                               p)
                    : n;
            t.intervals[interval] += end - done;
            done = end;
            if (done < n)
                ++interval;
        }
        notePrimes(t, p, n);
        return true;
    });
    return finished;
}

// The constellations that begin in `lower` and end in `upper`, the stretch
// just after it: its gaps are fed after lower's last five, and only patterns
// reaching back over the gap between the two count.
void joinConstellations(Tally& lower, const Tally& upper) {
    unsigned recent = lower.recentGaps;
    std::uint64_t prev = lower.last;
    const std::size_t fed = std::min<std::uint64_t>(upper.count, upper.head.size());
    for (std::size_t k = 0; k < fed; ++k) {
        recent = (recent << 2 | gapCode(upper.head[k] - prev)) & recentMask;
        addLanes(lower.constellations, reachingBack[k].lanes[recent]);
        prev = upper.head[k];
    }
    // Five gaps or more of its own: upper's recent gaps are its own.
    lower.recentGaps = upper.count > upper.head.size() ? upper.recentGaps : recent;
    Constellations& c = lower.constellations;
    c.triplets += upper.constellations.triplets;
    c.quadruplets += upper.constellations.quadruplets;
    c.quintuplets += upper.constellations.quintuplets;
    c.sextuplets += upper.constellations.sextuplets;
}

// Joins the tally of the stretch just after `lower` to it.
void append(Tally& lower, const Tally& upper) {
    for (std::size_t i = 0; i < lower.intervals.size(); ++i)
        lower.intervals[i] += upper.intervals[i];
    if (upper.count == 0)
        return;
    if (lower.count == 0) {
        std::vector<std::uint64_t> intervals = std::move(lower.intervals);
        lower = upper;
        lower.intervals = std::move(intervals);
        return;
    }
    joinConstellations(lower, upper);
    const std::uint64_t across = upper.first - lower.last;
    if (across > lower.gap) {
        lower.gap = across;
        lower.gapStart = lower.last;
    }
    if (upper.gap > lower.gap) {
        lower.gap = upper.gap;
        lower.gapStart = upper.gapStart;
    }
    lower.halfGaps.resize(std::max(lower.halfGaps.size(),
                                   std::max<std::size_t>(upper.halfGaps.size(), across / 2 + 1)));
    for (std::size_t i = 0; i < upper.halfGaps.size(); ++i)
        lower.halfGaps[i] += upper.halfGaps[i];
    ++lower.halfGaps[across / 2];
    for (std::size_t k = 0; lower.count + k < lower.head.size() && k < upper.count; ++k)
        lower.head[lower.count + k] = upper.head[k];
    lower.count += upper.count;
    lower.last = upper.last;
}

} // namespace

std::vector<std::uint64_t> intervalStarts(const CoveredRange& r, std::size_t count) {
    const Wide numbers = Wide{r.last} - r.first + 1;
    std::vector<std::uint64_t> starts;
    for (std::size_t i = 1; i < count; ++i)
        starts.push_back(static_cast<std::uint64_t>(r.first + (i * numbers + count - 1) / count));
    return starts;
}

std::optional<Tally> tallyRange(const CoveredRange& r, const std::vector<std::uint64_t>& starts,
                                const StatisticsOptions& options) {
    Tally lower;
    lower.intervals.assign(starts.size() + 1, 0);
    // Three numbers at least, so that each thread has one.
    if (!search::spansAtLeast(r.first, r.last, std::max<std::uint64_t>(options.parallelFrom, 3))) {
        if (!tallyStretch(lower, r.first, r.last, starts, options.cancel))
            return std::nullopt;
        return lower;
    }
    const std::uint64_t middle = r.first + (r.last - r.first) / 2;
    Tally upper = lower;
    bool lowerDone = false;
    std::exception_ptr failure;
    std::thread helper([&] {
        try {
            lowerDone = tallyStretch(lower, r.first, middle, starts, options.cancel);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    bool upperDone = false;
    try {
        upperDone = tallyStretch(upper, middle + 1, r.last, starts, options.cancel);
    } catch (...) {
        helper.join();
        throw;
    }
    helper.join();
    if (failure)
        std::rethrow_exception(failure);
    if (!lowerDone || !upperDone)
        return std::nullopt;
    append(lower, upper);
    lower.threads = 2;
    return lower;
}

} // namespace korvane::stats
