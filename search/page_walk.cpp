// The walk: per sieved batch, each run of equally long primes moves the
// layout a page at a time, touching only the primes that open a page.
#include "search/page_walk.h"

#include "search/prime_batches.h"

#include <algorithm>
#include <charconv>

namespace korvane::search {
namespace {

void appendText(std::string& out, const std::uint64_t* p, std::uint64_t n) {
    char text[24] = {' '};
    for (std::uint64_t i = 0; i < n; ++i)
        out.append(text, std::to_chars(text + 1, text + sizeof text, p[i]).ptr);
}

// Takes the run p[0..n) of primes `length` characters long; false when the
// part stopped inside it.
bool walkRun(Part& part, std::size_t length, const std::uint64_t* p, std::size_t n,
             PageStart* starts, const SearchLimits& limits) {
    Cursor& c = part.cursor;
    std::uint64_t walked = 0;
    part.stop =
        advance(c, length, n, limits, [&](std::uint64_t done, std::uint64_t take, bool opens) {
            if (opens)
                starts[c.closedPages] = PageStart{p[done], c.textLen};
            if (length >= 12)
                appendText(part.openText, p + done, take);
            walked = done + take;
        });
    part.primes += walked;
    if (walked > 0)
        part.lastPrime = p[walked - 1];
    return part.stop == Stop::None;
}

} // namespace

void walkPrimes(Part& part, std::uint64_t lo, std::uint64_t hi, std::uint64_t hint,
                PageStart* starts, const SearchLimits& limits, const BatchFn& betweenBatches) {
    if (part.stop != Stop::None)
        return;
    sieveBatches(lo, hi, hint, [&](const std::uint64_t* p, std::size_t n) {
        forEachRun(p, n, [&](std::size_t length, const std::uint64_t* run, std::size_t m) {
            return walkRun(part, length, run, m, starts, limits);
        });
        if (part.stop != Stop::None)
            return false;
        if (betweenBatches && part.lastPrime >= lo)
            betweenBatches(part.lastPrime);
        return true;
    });
}

LengthCounts countByLength(std::uint64_t lo, std::uint64_t hi) {
    LengthCounts counts{};
    sieveBatches(lo, hi, hi, [&](const std::uint64_t* p, std::size_t n) {
        forEachRun(p, n, [&](std::size_t length, const std::uint64_t*, std::size_t m) {
            counts[length] += m;
            return true;
        });
        return true;
    });
    return counts;
}

Stop advanceByCounts(Cursor& c, const LengthCounts& counts, const SearchLimits& limits) {
    for (std::size_t length = 1; length < counts.size(); ++length)
        if (const Stop s = advance(c, length, counts[length], limits); s != Stop::None)
            return s;
    return Stop::None;
}

} // namespace korvane::search
