// Search planning: the logarithmic integral estimates how many primes, and so
// how many pages, a stretch holds; the split points balance the two threads.
#include "search/search_plan.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvane::search {
namespace {

// The logarithmic integral (Ramanujan's series); li(x) is close to the number
// of primes below x.
double logIntegral(double x) {
    if (x < 2)
        return 0;
    const double lnx = std::log(x);
    double sum = 0;
    double term = 1; // (ln x)^n / (n! 2^(n-1)), built up step by step
    double inner = 0;
    for (int n = 1; n < 400; ++n) {
        term *= lnx / n;
        if (n > 1)
            term /= 2;
        if ((n - 1) % 2 == 0)
            inner += 1.0 / n; // adds 1/(2k+1) with k = (n-1)/2
        const double add = (n % 2 == 1 ? term : -term) * inner;
        sum += add;
        if (std::abs(add) < 1e-17 * std::abs(sum) && n > lnx)
            break;
    }
    return 0.5772156649015329 + std::log(lnx) + std::sqrt(x) * sum;
}

struct Estimate {
    double pages = 0;     // closed by the page rule
    double openBytes = 0; // of primes of 11 or more digits, which close no page
};

Estimate estimate(std::uint64_t lo, std::uint64_t hi) {
    Estimate e;
    while (lo <= hi) {
        const LengthClass c = lengthClassOf(lo);
        const std::uint64_t end = std::min(hi, c.hi);
        const double count = std::max(0.0, logIntegral(static_cast<double>(end) + 1) -
                                               logIntegral(static_cast<double>(lo)));
        const double length = static_cast<double>(c.length);
        if (c.length >= 12)
            e.openBytes += count * length;
        else if (const std::size_t t = closeAfter(c.length); t != neverCloses)
            e.pages += count / std::ceil(static_cast<double>(t) / length);
        if (end == hi)
            break;
        lo = end + 1;
    }
    return e;
}

// The largest x in [lo, hi] for which fits(estimate(lo, x)) holds, if any.
template <class Fits>
std::optional<std::uint64_t> lastFitting(std::uint64_t lo, std::uint64_t hi, Fits fits) {
    if (fits(estimate(lo, hi)))
        return hi;
    if (!fits(estimate(lo, lo)))
        return std::nullopt;
    std::uint64_t good = lo;
    std::uint64_t bad = hi;
    while (bad - good > 1) {
        const std::uint64_t mid = good + (bad - good) / 2;
        (fits(estimate(lo, mid)) ? good : bad) = mid;
    }
    return good;
}

// Stay this far below the limits when planning the two-thread stretch, so the
// estimate's error hardly ever makes it overrun them (which would cost time,
// never a wrong page: the walk checks the limits exactly).
constexpr double planMargin = 0.99;

// Where the split points fall, as shares of the two-thread stretch. The
// helper walks the first two thirds; the calling thread counts the middle
// third meanwhile (counting costs about what walking does) and walks the
// last third, so both finish together.
constexpr double countShare = 1.0 / 3;
constexpr double upperShare = 2.0 / 3;

} // namespace

SearchPlan planSearch(const SearchRange& range, const SearchLimits& limits) {
    const std::uint64_t first = range.first;
    const auto planned = lastFitting(first, range.last, [&](const Estimate& e) {
        return e.pages <= planMargin * static_cast<double>(limits.maxPages) &&
               e.openBytes <= planMargin * static_cast<double>(limits.maxOpenPageBytes);
    });
    // Beyond the plan the sieve likely needs about that share again
    // (generously more: it is only a hint).
    const std::uint64_t plannedEnd = planned.value_or(first);
    const std::uint64_t rest = (plannedEnd - first) / 8 + 1'000'000;
    SearchPlan plan;
    plan.likelyEnd = range.last - plannedEnd > rest ? plannedEnd + rest : range.last;
    // The open page of 11-digit primes is always walked by one thread.
    plan.parallelEnd = std::min(plannedEnd, firstEndlessPrime - 1);
    if (!planned || plan.parallelEnd < first + 3 ||
        !spansAtLeast(first, plan.parallelEnd, limits.parallelFrom))
        return plan;
    const double span = static_cast<double>(plan.parallelEnd - first);
    plan.split = true;
    plan.countFrom = first + static_cast<std::uint64_t>(span * countShare);
    plan.upperFrom = first + static_cast<std::uint64_t>(span * upperShare);
    return plan;
}

} // namespace korvane::search
