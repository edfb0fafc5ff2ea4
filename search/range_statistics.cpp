// The statistics walk: one pass over the primes (two threads sharing the range
// for large ones) tallies the intervals, twins and gaps; MPFR works out li at
// the interval boundaries.
#include "search/range_statistics.h"

#include "common/number_text.h"
#include "search/prime_batches.h"

#include <mpfr.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <thread>

namespace korvane::search {
namespace {

using Wide = unsigned __int128;

// What one stretch of the range holds, walked in order.
struct Tally {
    std::uint64_t count = 0;
    std::uint64_t twins = 0;
    std::uint64_t first = 0; // 0: no prime yet
    std::uint64_t last = 0;
    std::uint64_t gap = 0;
    std::uint64_t gapStart = 0;
    std::vector<std::uint64_t> intervals;
    unsigned threads = 1; // that walked it
};

// The first number of each interval after the first, for `count` intervals.
std::vector<std::uint64_t> intervalStarts(const CoveredRange& r, std::size_t count) {
    const Wide numbers = Wide{r.last} - r.first + 1;
    std::vector<std::uint64_t> starts;
    for (std::size_t i = 1; i < count; ++i)
        starts.push_back(static_cast<std::uint64_t>(r.first + (i * numbers + count - 1) / count));
    return starts;
}

void notePrimes(Tally& t, const std::uint64_t* p, std::size_t n) {
    std::size_t i = 0;
    if (t.count == 0) {
        t.first = p[0];
        t.last = p[0];
        i = 1;
    }
    std::uint64_t prev = t.last;
    for (; i < n; ++i) {
        const std::uint64_t d = p[i] - prev;
        t.twins += d == 2;
        if (d > t.gap) { // strictly: the first of equal gaps stays
            t.gap = d;
            t.gapStart = prev;
        }
        prev = p[i];
    }
    t.count += n;
    t.last = prev;
}

// Tallies the primes of [lo, hi]; false when cancelled on the way.
bool tallyStretch(Tally& t, std::uint64_t lo, std::uint64_t hi,
                  const std::vector<std::uint64_t>& starts, const std::atomic<bool>* cancel) {
    if (lo > hi)
        return true;
    std::size_t interval = static_cast<std::size_t>(
        std::upper_bound(starts.begin(), starts.end(), lo) - starts.begin());
    bool finished = true;
    sieveBatches(lo, hi, hi, [&](const std::uint64_t* p, std::size_t n) {
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
        if (n > 0)
            notePrimes(t, p, n);
        return true;
    });
    return finished;
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
    const std::uint64_t across = upper.first - lower.last;
    lower.twins += upper.twins + (across == 2);
    if (across > lower.gap) {
        lower.gap = across;
        lower.gapStart = lower.last;
    }
    if (upper.gap > lower.gap) {
        lower.gap = upper.gap;
        lower.gapStart = upper.gapStart;
    }
    lower.count += upper.count;
    lower.last = upper.last;
}

// Walks the range, the lower half on a helper thread when it is large.
std::optional<Tally> tallyRange(const CoveredRange& r, const std::vector<std::uint64_t>& starts,
                                const StatisticsOptions& options) {
    Tally lower;
    lower.intervals.assign(starts.size() + 1, 0);
    // Three numbers at least, so that each thread has one.
    if (!spansAtLeast(r.first, r.last, std::max<std::uint64_t>(options.parallelFrom, 3))) {
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

// MPFR numbers for li. 128 bits keep li(1E+19), about 2.3E+17, to some 20
// decimals after the point, so a difference of two values near 1E+19 is
// right in every digit the window shows.
class Real {
  public:
    static constexpr mpfr_prec_t bits = 128;
    Real() { mpfr_init2(v_, bits); }
    ~Real() { mpfr_clear(v_); }
    Real(const Real& other) : Real() { mpfr_set(v_, other.v_, MPFR_RNDN); }
    Real& operator=(const Real&) = delete;
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }

  private:
    mpfr_t v_;
};

static_assert(sizeof(unsigned long) >= sizeof(std::uint64_t), "mpfr_set_ui takes a 64-bit prime");

// li(n + after) = Ei(ln(n + after)), taken as 0 below 2 (the range's own
// rule for 0 and 1). `after` is 0 or 1: the end of the last interval lies one
// past `last`, which may be the largest 64-bit number a range can reach.
Real logIntegral(std::uint64_t n, unsigned after = 0) {
    Real li;
    if (n + after < 2) {
        mpfr_set_zero(li.get(), 1);
        return li;
    }
    mpfr_set_ui(li.get(), n, MPFR_RNDN);
    mpfr_add_ui(li.get(), li.get(), after, MPFR_RNDN);
    mpfr_log(li.get(), li.get(), MPFR_RNDN);
    mpfr_eint(li.get(), li.get(), MPFR_RNDN);
    return li;
}

double difference(const Real& high, const Real& low) {
    Real d;
    mpfr_sub(d.get(), high.get(), low.get(), MPFR_RNDN);
    return mpfr_get_d(d.get(), MPFR_RNDN);
}

void predict(RangeStatistics& s, const std::vector<std::uint64_t>& starts) {
    const CoveredRange& r = s.range;
    // Each interval's share is li over exactly the numbers it holds: it ends
    // where the next begins, and the last just after `last`.
    std::vector<Real> li;
    li.push_back(logIntegral(r.first));
    for (const std::uint64_t start : starts)
        li.push_back(logIntegral(start));
    li.push_back(logIntegral(r.last, 1));
    for (std::size_t i = 0; i + 1 < li.size(); ++i)
        s.intervalPredicted.push_back(difference(li[i + 1], li[i]));

    Real p;
    const Real atLast = logIntegral(r.last);
    mpfr_sub(p.get(), atLast.get(), li.front().get(), MPFR_RNDN);
    s.predicted = mpfr_get_d(p.get(), MPFR_RNDN);
    Real rounded;
    mpfr_round(rounded.get(), p.get());
    s.predictedWhole = mpfr_sgn(rounded.get()) > 0 ? mpfr_get_ui(rounded.get(), MPFR_RNDN) : 0;
    if (mpfr_zero_p(p.get()))
        return;
    Real deviation;
    mpfr_ui_sub(deviation.get(), s.primeCount, p.get(), MPFR_RNDN);
    mpfr_mul_ui(deviation.get(), deviation.get(), 100, MPFR_RNDN);
    mpfr_div(deviation.get(), deviation.get(), p.get(), MPFR_RNDN);
    s.deviationPercent = mpfr_get_d(deviation.get(), MPFR_RNDN);
}

} // namespace

std::optional<RangeStatistics> computeStatistics(const CoveredRange& range,
                                                 const StatisticsOptions& options) {
    RangeStatistics s;
    s.range = range;
    if (range.last < range.first)
        return s;
    const Wide numbers = Wide{range.last} - range.first + 1;
    const auto intervals = static_cast<std::size_t>(std::min<Wide>(numbers, 50));
    const std::vector<std::uint64_t> starts = intervalStarts(range, intervals);
    const std::optional<Tally> t = tallyRange(range, starts, options);
    if (!t)
        return std::nullopt;
    s.primeCount = t->count;
    s.twinPairs = t->twins;
    s.smallestPrime = t->first;
    s.largestPrime = t->last;
    s.largestGap = t->gap;
    s.gapStart = t->gapStart;
    s.gapEnd = t->gap > 0 ? t->gapStart + t->gap : 0;
    s.intervalPrimes = t->intervals;
    s.threads = t->threads;
    predict(s, starts);
    // MPFR keeps the constants li needs in caches of the calling thread; the
    // window counts on a thread that ends after one call and would lose them.
    mpfr_free_cache();
    return s;
}

std::string twoDecimals(double x) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 2).ptr;
    std::string out(text, end);
    if (out == "-0.00")
        out.erase(0, 1);
    return out;
}

std::string rangeText(const CoveredRange& range) {
    return decimalDigits(range.first) + " to " + decimalDigits(range.last);
}

StatisticsText describe(const RangeStatistics& s) {
    StatisticsText t;
    t.range = rangeText(s.range);
    t.count = decimalDigits(s.primeCount);
    t.twins = decimalDigits(s.twinPairs);
    const bool gaps = s.primeCount >= 2;
    t.gap = gaps ? decimalDigits(s.largestGap) : "-";
    t.gapStart = gaps ? decimalDigits(s.gapStart) : "-";
    t.gapEnd = gaps ? decimalDigits(s.gapEnd) : "-";
    t.averageGap = gaps ? twoDecimals(static_cast<double>(s.largestPrime - s.smallestPrime) /
                                      static_cast<double>(s.primeCount - 1))
                        : "-";
    const long double middle =
        (static_cast<long double>(s.range.first) + static_cast<long double>(s.range.last)) / 2;
    t.logMiddle = middle > 0 ? twoDecimals(static_cast<double>(std::log(middle))) : "-";
    t.predicted = decimalDigits(s.predictedWhole);
    t.deviation = s.deviationPercent ? twoDecimals(*s.deviationPercent) + " %" : "-";
    return t;
}

} // namespace korvane::search
