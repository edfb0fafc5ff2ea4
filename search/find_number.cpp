// Finding a number among the listed primes. The store notes, per page, its
// first prime and where that prime's text begins in the whole listing; among
// primes of one text length, the text between two of them is as many times
// that length as there are primes between them. So the place of a page's
// first prime follows from where the first prime of its length begins, found
// once per length by reading the one page where that length starts.
#include "search/find_number.h"

#include "common/exact_number.h"
#include "common/number_text.h"
#include "search/page_layout.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <vector>

namespace korvane::search {
namespace {

// A prime read back from a page, and where its text (its blank included) begins.
struct Entry {
    std::uint64_t value;
    std::size_t at;
};

std::vector<Entry> entriesOf(std::string_view page) {
    std::vector<Entry> out;
    std::size_t i = 0;
    while (i < page.size()) {
        const std::size_t at = i;
        if (page[i] == ' ')
            ++i;
        std::uint64_t value = 0;
        const auto [end, error] =
            std::from_chars(page.data() + i, page.data() + page.size(), value);
        if (error != std::errc{} || (end != page.data() + page.size() && *end != ' '))
            throw std::runtime_error("a result page does not read as primes");
        out.push_back({value, at});
        i = static_cast<std::size_t>(end - page.data());
    }
    return out;
}

// The first listed prime of one text length: its place and its text's offset.
struct LengthStart {
    LengthClass lengths;
    std::uint64_t ordinal;
    std::uint64_t offset;
};

class Locator {
  public:
    explicit Locator(const PageStore& store) : store_(store) {
        const PageStart& first = store.pageStart(1);
        starts_.push_back({lengthClassOf(first.prime), 1, first.offset});
    }

    // The place of page k's first prime.
    std::uint64_t firstOrdinal(std::size_t k) {
        const PageStart& s = store_.pageStart(k);
        const LengthStart& from = startOfLength(lengthClassOf(s.prime));
        return from.ordinal + (s.offset - from.offset) / from.lengths.length;
    }

    ListedPrime listed(const Entry& e, std::uint64_t ordinal, std::size_t page) const {
        const std::size_t digits = decimalDigits(e.value).size();
        return {e.value, ordinal, page, e.at + (e.value == 2 ? 0 : 1), digits};
    }

  private:
    // Found for each length in turn, up to the one asked for: the first
    // listed prime past the longest known length lies on the page holding
    // the number just below it (or opens the next page).
    const LengthStart& startOfLength(const LengthClass& wanted) {
        while (starts_.back().lengths.length < wanted.length) {
            const std::uint64_t next = starts_.back().lengths.hi + 1;
            const std::size_t k = store_.pageHolding(next - 1);
            const std::uint64_t base = firstOrdinal(k);
            const std::vector<Entry> entries = entriesOf(store_.page(k));
            const auto it =
                std::lower_bound(entries.begin(), entries.end(), next,
                                 [](const Entry& e, std::uint64_t v) { return e.value < v; });
            const auto before = static_cast<std::uint64_t>(it - entries.begin());
            if (it != entries.end())
                starts_.push_back(
                    {lengthClassOf(it->value), base + before, store_.pageStart(k).offset + it->at});
            else if (k < store_.pageCount())
                starts_.push_back({lengthClassOf(store_.pageStart(k + 1).prime), base + before,
                                   store_.pageStart(k + 1).offset});
            else
                throw std::logic_error("a page begins with a prime the listing does not reach");
        }
        for (const LengthStart& s : starts_)
            if (s.lengths.length == wanted.length)
                return s;
        throw std::logic_error("the page starts disagree with the listing");
    }

    const PageStore& store_;
    std::vector<LengthStart> starts_; // ascending lengths, as far as found
};

// A whole number in plain digits, however large ("1e30", "-5").
std::string plainDigits(const ExactNumber& whole) {
    if (const auto n = whole.floorWhole())
        return decimalDigits(*n);
    const SignificantDigits d = whole.roundedDigits(400); // whole, so exact
    std::string out = d.negative ? "-" : "";
    out += d.digits;
    out.append(static_cast<std::size_t>(d.exponent + 1) - d.digits.size(), '0');
    return out;
}

std::string onPage(const ListedPrime& p) {
    return decimalDigits(p.value) + " (page " + decimalDigits(p.page) + ")";
}

FindAnswer answerFor(std::uint64_t n, const Surroundings& s) {
    const std::string number = decimalDigits(n);
    const auto& below = s.atOrBelow;
    const auto& above = s.above;
    if (below && below->value == n)
        return {number + " is the " + ordinalText(below->ordinal) + " prime listed, on page " +
                    decimalDigits(below->page) + ".",
                below};
    if (below && above) {
        const bool lowerNearer = n - below->value <= above->value - n;
        return {number + " is not prime; the nearest primes listed are " + onPage(*below) +
                    " and " + onPage(*above) + ".",
                lowerNearer ? below : above};
    }
    if (below || above) {
        const ListedPrime& only = below ? *below : *above;
        return {number + " is not prime; the nearest prime listed is " + onPage(only) + ".", only};
    }
    return {number + " is not prime; no prime is listed.", std::nullopt};
}

} // namespace

Surroundings surroundingsOf(const PageStore& store, std::uint64_t n) {
    if (store.empty())
        return {};
    Locator locator(store);
    const std::size_t k = store.pageHolding(n);
    if (k == 0)
        return {std::nullopt, locator.listed({store.pageStart(1).prime, 0}, 1, 1)};
    const std::uint64_t base = locator.firstOrdinal(k);
    const std::vector<Entry> entries = entriesOf(store.page(k));
    // The page's first prime is not above n, so at least one entry is.
    const auto after =
        std::upper_bound(entries.begin(), entries.end(), n,
                         [](std::uint64_t v, const Entry& e) { return v < e.value; });
    const auto i = static_cast<std::uint64_t>(after - entries.begin()) - 1;
    Surroundings s;
    s.atOrBelow = locator.listed(entries[i], base + i, k);
    if (after != entries.end())
        s.above = locator.listed(*after, base + i + 1, k);
    else if (k < store.pageCount())
        s.above = locator.listed({store.pageStart(k + 1).prime, 0}, base + entries.size(), k + 1);
    return s;
}

FindAnswer findNumber(std::string_view typed, const CoveredRange& covered, const PageStore& store) {
    const auto number = ExactNumber::read(typed);
    if (!number || number->denominatorExceedsTenTo(0))
        return {"Enter a whole number.", std::nullopt};
    const auto n = number->floorWhole(); // none below 0 or beyond 64 bits
    if (!n || *n < covered.first || *n > covered.last)
        return {plainDigits(*number) + " is outside the searched range, " + rangeText(covered) +
                    ".",
                std::nullopt};
    return answerFor(*n, surroundingsOf(store, *n));
}

std::string ordinalText(std::uint64_t n) {
    const char* suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return decimalDigits(n) + suffix;
}

} // namespace korvane::search
