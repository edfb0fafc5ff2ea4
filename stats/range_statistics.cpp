// The statistics of a range: the walk's tally turned into the figures, and
// li worked out with MPFR at the interval boundaries.
#include "stats/range_statistics.h"

#include "stats/prime_tally.h"

#include <mpfr.h>

#include <algorithm>

namespace korvane::stats {
namespace {

using Wide = unsigned __int128;

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

// gapCounts by gap size, and the most common gap (the smaller on a tie).
void noteGaps(RangeStatistics& s, const Tally& t) {
    if (t.count < 2)
        return;
    s.gapCounts.assign(t.gap + 1, 0);
    for (std::size_t half = 0; half < t.halfGaps.size(); ++half) {
        const std::uint64_t gap = half == 0 ? 1 : 2 * half;
        s.gapCounts[gap] = t.halfGaps[half];
        if (t.halfGaps[half] > s.commonGapCount) {
            s.commonGap = gap;
            s.commonGapCount = t.halfGaps[half];
        }
    }
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
    s.twinPairs = t->halfGaps.size() > 1 ? t->halfGaps[1] : 0;
    s.constellations = t->constellations;
    s.smallestPrime = t->first;
    s.largestPrime = t->last;
    s.largestGap = t->gap;
    s.gapStart = t->gapStart;
    s.gapEnd = t->gap > 0 ? t->gapStart + t->gap : 0;
    noteGaps(s, *t);
    s.intervalPrimes = t->intervals;
    s.threads = t->threads;
    predict(s, starts);
    // MPFR keeps the constants li needs in caches of the calling thread; the
    // window counts on a thread that ends after one call and would lose them.
    mpfr_free_cache();
    return s;
}

} // namespace korvane::stats
