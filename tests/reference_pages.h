// The pages a search should list, made the slow and obvious way: every number
// tried by trial division, the page rule's thresholds written out here, one
// prime appended at a time. Small ranges only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ReferenceResult {
    std::vector<std::string> pages{""}; // page 1 exists even without a prime
    std::uint64_t primes = 0, lastPrime = 0;
    bool storeFull = false, openPageFull = false;
};

inline bool isPrimeByTrialDivision(std::uint64_t n) {
    for (std::uint64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n >= 2;
}

inline ReferenceResult referenceSearch(std::uint64_t first, std::uint64_t last,
                                       std::size_t maxPages, std::size_t maxOpenPageBytes) {
    // Characters after which a page is full, by the digits of its last prime.
    const std::size_t thresholds[] = {0, 0, 0, 0, 1370, 1340, 1220, 1200, 1120, 1250, 1100};
    ReferenceResult r;
    bool pageClosed = false;
    for (std::uint64_t n = first; n <= last; ++n) {
        if (!isPrimeByTrialDivision(n))
            continue;
        const std::string digits = std::to_string(n);
        const std::string text = n == 2 ? digits : " " + digits;
        r.storeFull = pageClosed && r.pages.size() == maxPages;
        const std::size_t open = pageClosed ? 0 : r.pages.back().size();
        r.openPageFull =
            !r.storeFull && digits.size() >= 11 && open + text.size() > maxOpenPageBytes;
        if (r.storeFull || r.openPageFull)
            break;
        if (pageClosed)
            r.pages.emplace_back();
        r.pages.back() += text;
        ++r.primes;
        r.lastPrime = n;
        pageClosed = digits.size() >= 4 && digits.size() < 11 &&
                     r.pages.back().size() >= thresholds[digits.size()];
    }
    return r;
}
