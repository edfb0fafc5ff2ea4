// Range search: primesieve generates the primes, we write their digits straight
// into the page store and mark page ends as offsets. Large ranges use both cores.
#include "search/range_search.h"

#include "common/number_text.h"

#include <primesieve.hpp>

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <limits>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

namespace korvane::search {

std::variant<SearchRange, BoundError> validateBounds(std::string_view fromText,
                                                     std::string_view toText) {
    const auto from = parseNumber(fromText);
    if (!from)
        return BoundError{"Enter a valid number in the From box", BoundField::From};
    const auto to = parseNumber(toText);
    if (!to)
        return BoundError{"Enter a valid number in the To box", BoundField::To};
    if (*from < 0)
        return BoundError{"Enter 0 or a greater number in the From box", BoundField::From};
    if (*to <= 4)
        return BoundError{"Enter a number greater than 4 in the To box", BoundField::To};
    if (*to > 1e19)
        return BoundError{"Enter a number not above 1E+19 in the To box", BoundField::To};
    if (*to - *from < 1)
        return BoundError{"Number in the From box should be less then number in the To box!",
                          BoundField::None};
    // Only whole numbers can be prime: a fractional From rounds up, and To is
    // taken at its whole part, never rounded to a coarser precision.
    return SearchRange{static_cast<std::uint64_t>(std::ceil(*from)),
                       static_cast<std::uint64_t>(std::floor(*to))};
}

// ---------------------------------------------------------------------------
// Page store

namespace {
// Room past the text for the fixed-size stores of the digit writer.
constexpr std::size_t fillSlack = 1 << 16;
} // namespace

PageStore::~PageStore() {
    clear();
}

std::string_view PageStore::page(std::size_t k) const {
    if (k < 1 || k > pageCount())
        return {};
    return std::string_view(data_ + ends_[k - 1], ends_[k] - ends_[k - 1]);
}

void PageStore::clear() {
    if (data_ != nullptr)
        munmap(data_, mapped_);
    data_ = nullptr;
    mapped_ = 0;
    bytes_ = 0;
    ends_.clear();
    ends_.shrink_to_fit();
}

char* PageStore::beginFill(std::size_t capacity) {
    clear();
    // Address space only: pages become memory when first written, so reserving
    // for the largest possible search costs nothing for a small one.
    const std::size_t size = capacity + fillSlack;
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    madvise(p, size, MADV_HUGEPAGE); // fewer page faults; harmless where unsupported
    data_ = static_cast<char*>(p);
    mapped_ = size;
    return data_;
}

void PageStore::finishFill(std::size_t bytes, std::vector<std::size_t> pageEnds) {
    bytes_ = bytes;
    ends_ = std::move(pageEnds);
}

std::size_t pageThreshold(std::size_t digits) {
    switch (digits) {
    case 4:
        return 1370;
    case 5:
        return 1340;
    case 6:
        return 1220;
    case 7:
        return 1200;
    case 8:
        return 1120;
    case 9:
        return 1250;
    case 10:
        return 1100;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// The search

namespace {

constexpr std::size_t never = std::numeric_limits<std::size_t>::max();

std::size_t closeAt(std::size_t digits) {
    const std::size_t t = pageThreshold(digits);
    return t == 0 ? never : t;
}

// Primes of 11 or more digits (12 characters with their blank) never close a
// page; every prime after them is as long, so their page is the last one.
bool opensEndlessPage(std::size_t len) {
    return len >= 12;
}

enum class Stop { None, PagesFull, TextFull };

// Where the text stands: its length, where the open page began, pages closed.
struct Cursor {
    std::size_t textLen = 0;
    std::size_t pageBegin = 0;
    std::size_t closedPages = 0;

    bool pageEmpty() const { return pageBegin == textLen; }
};

// Moves the cursor over `count` primes of `len` characters each (blank
// included) without writing them: page breaks depend only on lengths.
Stop advance(Cursor& c, std::size_t len, std::size_t threshold, std::uint64_t count,
             const SearchLimits& limits) {
    while (count > 0) {
        if (c.closedPages >= limits.maxPages && c.pageEmpty())
            return Stop::PagesFull;
        std::uint64_t take = count;
        if (threshold != never) {
            const std::size_t filled = c.textLen - c.pageBegin;
            take = std::min<std::uint64_t>(
                take, filled >= threshold ? 1 : (threshold - filled + len - 1) / len);
        }
        std::uint64_t room = (limits.maxBytes - c.textLen) / len;
        if (opensEndlessPage(len)) {
            const std::size_t pageEnd = c.pageBegin + limits.maxOpenPageBytes;
            room = std::min<std::uint64_t>(room,
                                           pageEnd > c.textLen ? (pageEnd - c.textLen) / len : 0);
        }
        if (room < take) {
            c.textLen += room * len;
            return Stop::TextFull;
        }
        c.textLen += take * len;
        count -= take;
        if (threshold != never && c.textLen - c.pageBegin >= threshold) {
            ++c.closedPages;
            c.pageBegin = c.textLen;
        }
    }
    return Stop::None;
}

std::uint64_t powerOfTen(int k) {
    std::uint64_t p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

// The same as writing the primes of [lo, hi] after `c`, by counting them per
// digit count instead. 2 is written "2" (it can only open page 1).
Stop advanceOverRange(Cursor& c, std::uint64_t lo, std::uint64_t hi, const SearchLimits& limits) {
    for (int digits = 1; digits <= 20 && lo <= hi; ++digits) {
        const std::uint64_t classEnd = digits == 20 ? hi : std::min(hi, powerOfTen(digits) - 1);
        if (lo > classEnd)
            continue;
        std::uint64_t count = primesieve::count_primes(lo, classEnd);
        if (lo <= 2 && classEnd >= 2) {
            if (const Stop s = advance(c, 1, never, 1, limits); s != Stop::None)
                return s;
            --count;
        }
        if (const Stop s = advance(c, digits + 1, closeAt(digits), count, limits); s != Stop::None)
            return s;
        lo = classEnd + 1;
    }
    return Stop::None;
}

// "0000" to "9999", for writing the low four digits of a prime in one store.
struct FourDigitTable {
    char text[40000];
    constexpr FourDigitTable() : text() {
        for (int i = 0; i < 10000; ++i) {
            text[4 * i] = static_cast<char>('0' + i / 1000);
            text[4 * i + 1] = static_cast<char>('0' + i / 100 % 10);
            text[4 * i + 2] = static_cast<char>('0' + i / 10 % 10);
            text[4 * i + 3] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr FourDigitTable fourDigits{};

// One stretch of the range, written by one thread from a known cursor.
struct Part {
    std::uint64_t lo = 1;
    std::uint64_t hi = 0;        // empty unless lo <= hi
    std::uint64_t sieveHint = 0; // where the sieve expects to stop (0: hi)
    Cursor cursor;
    std::vector<std::size_t> ends; // absolute offsets of the pages it closed
    std::uint64_t primes = 0;
    std::uint64_t lastPrime = 0;
    Stop stop = Stop::None;
};

// Called between batches with the last prime written, for progress.
using BatchFn = std::function<void(std::uint64_t lastPrime)>;

// Writes the primes of the part into `buf` from its cursor on, closing pages
// by the length rule, and stops before a prime that would need a page beyond
// limits.maxPages or text beyond limits.maxBytes.
void writePart(Part& part, char* buf, const SearchLimits& limits, const BatchFn& betweenBatches) {
    if (part.lo > part.hi)
        return;
    char* out = buf + part.cursor.textLen;
    char* pageBegin = buf + part.cursor.pageBegin;
    std::size_t closed = part.cursor.closedPages;
    // One comparison per prime covers both limits: once the last page is
    // closed the limit drops to the current end, so the next prime stops.
    char* limit = closed >= limits.maxPages && pageBegin == out ? out : buf + limits.maxBytes;
    std::vector<std::size_t>& ends = part.ends;
    std::uint64_t written = 0;
    std::uint64_t lastPrime = 0;
    bool stopped = false;

    const auto closePage = [&] {
        ends.push_back(static_cast<std::size_t>(out - buf));
        pageBegin = out;
        if (++closed >= limits.maxPages)
            limit = out;
    };

    // The digits above the low four change every 10000 numbers: keep them
    // written out, with their blank, and the length and page limit they imply.
    std::uint64_t highBase = 0;
    char highText[16] = {};
    std::size_t highLen = 0;
    std::size_t len = 0;
    std::size_t threshold = never;

    // The hint sizes the sieve's first pass; near 1E+19 sieving far beyond
    // where the store fills would cost seconds and a gigabyte.
    primesieve::iterator it(part.lo, part.sieveHint != 0 ? part.sieveHint : part.hi);
    while (!stopped) {
        it.generate_next_primes();
        const std::uint64_t* primes = it.primes_;
        std::size_t n = it.size_;
        const bool lastBatch = n == 0 || primes[n - 1] >= part.hi;
        if (lastBatch)
            n = static_cast<std::size_t>(std::upper_bound(primes, primes + n, part.hi) - primes);
        std::size_t j = 0;
        for (; j < n && primes[j] < 10000; ++j) { // a few at the start: plainly
            const std::uint64_t p = primes[j];
            char text[8] = {' '};
            const char* digits = p == 2 ? text + 1 : text; // "2" opens page 1 without a blank
            const auto res = std::to_chars(text + 1, text + sizeof text, p);
            const std::size_t plainLen = static_cast<std::size_t>(res.ptr - digits);
            if (out + plainLen > limit) {
                stopped = true;
                break;
            }
            std::memcpy(out, digits, plainLen);
            out += plainLen;
            ++written;
            lastPrime = p;
            if (static_cast<std::size_t>(out - pageBegin) >=
                closeAt(static_cast<std::size_t>(res.ptr - text - 1)))
                closePage();
        }
        const std::size_t fastStart = j;
        for (; !stopped && j < n; ++j) {
            const std::uint64_t p = primes[j];
            std::uint64_t low = p - highBase;
            if (low >= 10000) [[unlikely]] {
                const std::uint64_t high = p / 10000;
                highBase = high * 10000;
                low = p - highBase;
                highText[0] = ' ';
                highLen = static_cast<std::size_t>(
                    std::to_chars(highText + 1, highText + sizeof highText, high).ptr - highText);
                len = highLen + 4;
                threshold = closeAt(len - 1);
                if (opensEndlessPage(len))
                    limit = std::min(limit, pageBegin + limits.maxOpenPageBytes);
            }
            if (out + len > limit) [[unlikely]] {
                stopped = true;
                break;
            }
            if (j + 3 < n) [[likely]] {
                // Fixed-size stores; the overlap past the prime (at most 10
                // bytes) is rewritten by the primes after it.
                std::memcpy(out, highText, sizeof highText);
                std::memcpy(out + highLen, fourDigits.text + 4 * low, 4);
            } else {
                // The last three of a batch (18 bytes or more) may end the
                // part, and another thread may be writing the text after it.
                std::memcpy(out, highText, highLen);
                std::memcpy(out + highLen, fourDigits.text + 4 * low, 4);
            }
            out += len;
            if (static_cast<std::size_t>(out - pageBegin) >= threshold) [[unlikely]]
                closePage();
        }
        if (j > fastStart) { // what the fast loop wrote (the plain loop counts itself)
            written += j - fastStart;
            lastPrime = primes[j - 1];
        }
        if (stopped)
            part.stop =
                closed >= limits.maxPages && pageBegin == out ? Stop::PagesFull : Stop::TextFull;
        if (lastBatch || stopped)
            break;
        if (betweenBatches && written > 0)
            betweenBatches(lastPrime);
    }
    part.cursor = Cursor{static_cast<std::size_t>(out - buf),
                         static_cast<std::size_t>(pageBegin - buf), closed};
    part.primes += written;
    if (written > 0)
        part.lastPrime = lastPrime;
}

// ---- Estimates, only for planning the work: never for the result itself.

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
    double bytes = 0;
    double pages = 0;
};

Estimate estimate(std::uint64_t lo, std::uint64_t hi) {
    Estimate e;
    for (int digits = 1; digits <= 20 && lo <= hi; ++digits) {
        const std::uint64_t classEnd = digits == 20 ? hi : std::min(hi, powerOfTen(digits) - 1);
        if (lo > classEnd)
            continue;
        const double count = std::max(0.0, logIntegral(static_cast<double>(classEnd) + 1) -
                                               logIntegral(static_cast<double>(lo)));
        const double len = digits + 1;
        e.bytes += count * len;
        if (const std::size_t t = pageThreshold(digits); t != 0)
            e.pages += count / std::ceil(t / len);
        lo = classEnd + 1;
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
        if (fits(estimate(lo, mid)))
            good = mid;
        else
            bad = mid;
    }
    return good;
}

// The share of the planned text that the helper thread writes (the lower
// numbers): the calling thread first counts the helper's primes to learn where
// its own text starts, so it gets less to write.
constexpr double helperShare = 0.60;

// Near the top of the range the sieve needs hundreds of megabytes of sieving
// primes per pass; a second pass (the count) and a second sieve would cost
// more time and memory than the second core saves.
constexpr std::uint64_t parallelUpTo = 100'000'000'000'000;

// Stay this far below the limits when planning the two-thread stretch, so the
// estimate's error hardly ever makes it overrun them (which would cost time,
// never a wrong page: the limits are checked exactly as the text is written).
constexpr double planMargin = 0.97;

} // namespace

SearchOutcome runSearch(const SearchRange& range, PageStore& store, const ProgressFn& progress,
                        const SearchLimits& limits) {
    char* buf = store.beginFill(limits.maxBytes);
    const std::uint64_t first = range.first;
    const double span = range.last > first ? static_cast<double>(range.last - first) : 1.0;
    const auto percentAt = [&](std::uint64_t reached) {
        return 100.0 / span * static_cast<double>(reached);
    };

    // Plan: the stretch that should fit the store may be split across two
    // threads; anything after it is written on this thread until the range or
    // the store ends.
    // From 11 digits on everything lands on one page, which has a smaller limit.
    const std::size_t planBytes = first >= 10'000'000'000ull
                                      ? std::min(limits.maxBytes, limits.maxOpenPageBytes)
                                      : limits.maxBytes;
    const auto planned = lastFitting(first, range.last, [&](const Estimate& e) {
        return e.pages <= planMargin * static_cast<double>(limits.maxPages) &&
               e.bytes <= planMargin * static_cast<double>(planBytes);
    });
    // The plan stops a little short of the limits; beyond it the sieve likely
    // needs about that share again (generously more: it is only a hint).
    const std::uint64_t plannedEnd = planned.value_or(first);
    const std::uint64_t rest = (plannedEnd - first) / 8 + 1'000'000;
    const std::uint64_t likelyEnd = range.last - plannedEnd > rest ? plannedEnd + rest : range.last;
    Part lower;
    Part upper;
    Part tail;
    lower.lo = first;
    lower.hi = range.last;
    lower.sieveHint = likelyEnd;
    if (planned && *planned >= first + 2 && *planned <= parallelUpTo &&
        estimate(first, *planned).bytes >= static_cast<double>(limits.parallelFromBytes)) {
        const double share = helperShare * estimate(first, *planned).bytes;
        const auto split =
            lastFitting(first, *planned - 1, [&](const Estimate& e) { return e.bytes <= share; });
        lower.hi = split.value_or(first);
        lower.sieveHint = 0;
        upper.lo = lower.hi + 1;
        upper.hi = *planned;
        tail.lo = *planned + 1;
        tail.hi = range.last;
        tail.sieveHint = likelyEnd;
    }

    std::atomic<std::uint64_t> lowerReached{0};
    if (upper.lo <= upper.hi) {
        std::mutex mutex;
        std::condition_variable doneSignal;
        bool lowerDone = false;
        std::exception_ptr failure;
        std::thread helper([&] {
            try {
                writePart(lower, buf, limits, [&](std::uint64_t p) {
                    lowerReached.store(p - first, std::memory_order_relaxed);
                });
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(mutex);
            lowerDone = true;
            doneSignal.notify_one();
        });
        const auto report = [&](std::uint64_t upperReached) {
            if (progress)
                progress(percentAt(lowerReached.load(std::memory_order_relaxed) + upperReached));
        };
        try {
            Cursor start;
            if (advanceOverRange(start, lower.lo, lower.hi, limits) == Stop::None) {
                upper.cursor = start;
                writePart(upper, buf, limits, [&](std::uint64_t p) { report(p - upper.lo); });
            } else {
                upper.hi = 0; // the lower part fills the store by itself
                upper.lo = 1;
            }
        } catch (...) {
            helper.join();
            throw;
        }
        {
            std::unique_lock lock(mutex);
            // The helper usually ends about when this thread does; until it
            // does, pass on its progress.
            while (
                !doneSignal.wait_for(lock, std::chrono::milliseconds(1), [&] { return lowerDone; }))
                report(upper.hi - upper.lo);
        }
        helper.join();
        if (failure)
            std::rethrow_exception(failure);
    } else {
        writePart(lower, buf, limits, [&](std::uint64_t p) {
            if (progress)
                progress(percentAt(p - first));
        });
    }

    // Join the parts in order; each started where the one before ended.
    std::vector<std::size_t> ends;
    ends.reserve(1 + lower.ends.size() + upper.ends.size());
    ends.push_back(0);
    ends.insert(ends.end(), lower.ends.begin(), lower.ends.end());
    Cursor cursor = lower.cursor;
    SearchOutcome out;
    out.primeCount = lower.primes;
    out.lastPrime = lower.lastPrime;
    Stop stop = lower.stop;
    if (stop == Stop::None && upper.lo <= upper.hi) {
        ends.insert(ends.end(), upper.ends.begin(), upper.ends.end());
        cursor = upper.cursor;
        out.primeCount += upper.primes;
        if (upper.primes > 0)
            out.lastPrime = upper.lastPrime;
        stop = upper.stop;
    }
    if (stop == Stop::None && tail.lo <= tail.hi) {
        tail.cursor = cursor;
        writePart(tail, buf, limits, [&](std::uint64_t p) {
            if (progress)
                progress(percentAt(p - first));
        });
        ends.insert(ends.end(), tail.ends.begin(), tail.ends.end());
        cursor = tail.cursor;
        out.primeCount += tail.primes;
        if (tail.primes > 0)
            out.lastPrime = tail.lastPrime;
        stop = tail.stop;
    }
    // A page is opened only for a prime that needs it, but page 1 always exists.
    if (!cursor.pageEmpty() || ends.size() == 1)
        ends.push_back(cursor.textLen);
    out.pageCount = ends.size() - 1;
    out.storeFull = stop == Stop::PagesFull;
    out.textFull = stop == Stop::TextFull;
    if (stop != Stop::None)
        out.percentDone = out.lastPrime >= first ? percentAt(out.lastPrime - first) : 0;
    store.finishFill(cursor.textLen, std::move(ends));
    return out;
}

} // namespace korvane::search
