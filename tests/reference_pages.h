// The pages a search should list, made the slow and obvious way: every number
// tried by trial division, the page rule's thresholds written out here, one
// prime appended at a time. Small ranges only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ReferenceResult {
    std::vector<std::string> pages{""}; // page 1 exists even without a prime
    std::uint64_t primes = 0;
    std::uint64_t lastPrime = 0;
    bool storeFull = false;
    bool openPageFull = false;
};

inline bool isPrimeByTrialDivision(std::uint64_t n) {
    if (n < 2)
        return false;
    if (n % 2 == 0)
        return n == 2;
    for (std::uint64_t d = 3; d * d <= n; d += 2)
        if (n % d == 0)
            return false;
    return true;
}

// Characters after which a page is full, by the digits of its last prime.
inline std::size_t referenceThreshold(std::size_t digits) {
    const std::size_t byDigits[] = {0, 0, 0, 0, 1370, 1340, 1220, 1200, 1120, 1250, 1100};
    return digits < std::size(byDigits) ? byDigits[digits] : 0;
}

inline ReferenceResult referenceSearch(std::uint64_t first, std::uint64_t last,
                                       std::size_t maxPages = 500000,
                                       std::size_t maxOpenPageBytes = 1000000) {
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
        const std::size_t threshold = referenceThreshold(digits.size());
        pageClosed = threshold != 0 && r.pages.back().size() >= threshold;
    }
    return r;
}
