// The search driver: one walk over the range, or two threads sharing it as
// the plan says, then the findings joined and handed to the store. Kept apart
// from the walk and the plan so each piece reads on its own.
#include "search/range_search.h"

#include "common/number_text.h"
#include "search/page_walk.h"
#include "search/search_plan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace korvane::search {
namespace {

// Turns numbers covered into a rising percentage for the caller's callback.
class Reporter {
  public:
    Reporter(const SearchRange& range, const ProgressFn& progress)
        : first_(range.first),
          step_(100.0 /
                (range.last > range.first ? static_cast<double>(range.last - range.first) : 1.0)),
          progress_(progress) {}
    double percentAt(std::uint64_t prime) const {
        return prime >= first_ ? step_ * static_cast<double>(prime - first_) : 0;
    }
    void covered(std::uint64_t numbers) {
        const double percent = std::min(100.0, step_ * static_cast<double>(numbers));
        if (progress_ && percent > shown_) {
            shown_ = percent;
            progress_(percent);
        }
    }

  private:
    std::uint64_t first_;
    double step_;
    const ProgressFn& progress_;
    double shown_ = -1;
};

// What the helper thread tells the calling one: its layout at countFrom, its
// progress, and that it has finished.
struct Handoff {
    std::mutex mutex;
    std::condition_variable signal;
    bool atCountFrom = false;
    bool done = false;
    Cursor cursor;
    Stop stop = Stop::None;
    std::exception_ptr failure;
    std::atomic<std::uint64_t> reached{0}; // numbers the helper has covered
    // Set when the calling thread gives up on the search; the helper sees it
    // between batches and ends, so the caller can join it and report.
    std::atomic<bool> abandoned{false};

    void tell(bool& flag) {
        std::lock_guard lock(mutex);
        flag = true;
        signal.notify_one();
    }
    // Waits for the flag, passing on the helper's progress meanwhile.
    void await(const bool& flag, Reporter& reporter, std::uint64_t ownCovered) {
        std::unique_lock lock(mutex);
        while (!signal.wait_for(lock, std::chrono::milliseconds(1), [&] { return flag; }))
            reporter.covered(reached.load(std::memory_order_relaxed) + ownCovered);
    }
};

// Ends the helper's walk once the calling thread has abandoned the search.
struct Abandoned {};

void helperWalk(const SearchRange& range, const SearchPlan& plan, Part& lower, Handoff& h,
                PageStart* starts, const SearchLimits& limits, const HelperProbe& probe) {
    const auto note = [&](std::uint64_t p) {
        if (h.abandoned.load(std::memory_order_relaxed))
            throw Abandoned{};
        h.reached.store(p - range.first, std::memory_order_relaxed);
        if (probe)
            probe(p);
    };
    try {
        walkPrimes(lower, range.first, plan.countFrom - 1, plan.countFrom - 1, starts, limits,
                   note);
        {
            std::lock_guard lock(h.mutex);
            h.cursor = lower.cursor;
            h.stop = lower.stop;
        }
        h.tell(h.atCountFrom);
        walkPrimes(lower, plan.countFrom, plan.upperFrom - 1, plan.upperFrom - 1, starts, limits,
                   note);
    } catch (...) {
        std::lock_guard lock(h.mutex);
        h.failure = std::current_exception();
        h.atCountFrom = true; // nothing more to wait for
    }
    h.tell(h.done);
}

// The calling thread's share of a split; false when the helper's part fills
// the store by itself, so this share is not used.
bool upperWalk(const SearchPlan& plan, Part& upper, Handoff& h, PageStart* starts,
               const SearchLimits& limits, Reporter& reporter) {
    const LengthCounts counts = countByLength(plan.countFrom, plan.upperFrom - 1);
    h.await(h.atCountFrom, reporter, 0);
    {
        std::lock_guard lock(h.mutex);
        if (h.failure || h.stop != Stop::None)
            return false;
        upper.cursor = h.cursor;
    }
    if (advanceByCounts(upper.cursor, counts, limits) != Stop::None)
        return false;
    walkPrimes(upper, plan.upperFrom, plan.parallelEnd, plan.parallelEnd, starts, limits,
               [&](std::uint64_t p) {
                   reporter.covered(h.reached.load(std::memory_order_relaxed) +
                                    (p - plan.upperFrom));
               });
    return true;
}

// Walks [first, parallelEnd] on two threads; `lower` ends up holding the
// findings of both, as if one thread had walked it all.
void walkSplit(const SearchRange& range, const SearchPlan& plan, Part& lower, PageStart* starts,
               const SearchLimits& limits, Reporter& reporter, const HelperProbe& helperProbe) {
    Handoff h;
    Part upper;
    bool upperUsed = false;
    std::thread helper([&] { helperWalk(range, plan, lower, h, starts, limits, helperProbe); });
    // Whatever this thread throws (the progress callback included, while it
    // waits for the helper) must not leave the helper running: a joinable
    // thread destroyed by the unwinding would end the program.
    try {
        upperUsed = upperWalk(plan, upper, h, starts, limits, reporter);
        h.await(h.done, reporter, plan.parallelEnd - plan.upperFrom);
    } catch (...) {
        h.abandoned.store(true, std::memory_order_relaxed);
        helper.join();
        throw;
    }
    helper.join();
    if (h.failure)
        std::rethrow_exception(h.failure);
    if (!upperUsed || lower.stop != Stop::None)
        return;
    // The upper share began where the lower one ended.
    lower.cursor = upper.cursor;
    lower.primes += upper.primes;
    lower.lastPrime = upper.primes > 0 ? upper.lastPrime : lower.lastPrime;
    lower.stop = upper.stop;
    lower.openText += upper.openText;
}

} // namespace

SearchOutcome runSearch(const SearchRange& range, PageStore& store, const ProgressFn& progress,
                        const SearchLimits& limits, const HelperProbe& helperProbe) {
    PageStart* starts = store.beginFill(limits.maxPages);
    const SearchPlan plan = planSearch(range, limits);
    Reporter reporter(range, progress);
    Part part;
    std::uint64_t restFrom = range.first;
    if (plan.split) {
        walkSplit(range, plan, part, starts, limits, reporter, helperProbe);
        restFrom = plan.parallelEnd + 1;
    }
    walkPrimes(part, restFrom, range.last, plan.likelyEnd, starts, limits,
               [&](std::uint64_t p) { reporter.covered(p - range.first); });

    SearchOutcome out;
    out.range = range;
    out.primeCount = part.primes;
    out.lastPrime = part.lastPrime;
    const Cursor& c = part.cursor;
    const std::size_t pages = c.closedPages + (c.pageEmpty() ? 0 : 1);
    out.pageCount = std::max<std::size_t>(pages, 1); // page 1 always exists
    out.storeFull = part.stop == Stop::PagesFull;
    out.textFull = part.stop == Stop::OpenPageFull;
    if (part.stop != Stop::None)
        out.percentDone = reporter.percentAt(part.lastPrime);
    store.finishFill(pages, part.lastPrime, c.textLen, std::move(part.openText));
    return out;
}

std::string rangeText(const CoveredRange& range) {
    return korvane::decimalDigits(range.first) + " to " + korvane::decimalDigits(range.last);
}

} // namespace korvane::search
