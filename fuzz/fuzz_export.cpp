// The page rule of Go To and the copy and save dialogs on any typed texts, and
// what a request that passes produces: never a page outside the store, a file
// exactly the size announced, progress within 0..100.
#include "common/number_text.h"
#include "export/export_engine.h"
#include "search/page_number.h"
#include "search/range_search.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

const korvane::search::PageStore& store() {
    static korvane::search::PageStore pages;
    static const bool filled = [] {
        const auto range =
            std::get<korvane::search::SearchRange>(korvane::search::validateBounds("0", "60000"));
        korvane::search::runSearch(range, pages);
        return true;
    }();
    (void)filled;
    return pages;
}

// Splits the input at line feeds into exactly `n` texts.
std::vector<std::string_view> fields(std::string_view in, std::size_t n) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < n) {
        const std::size_t cut = in.find('\n');
        if (cut == std::string_view::npos)
            break;
        out.push_back(in.substr(0, cut));
        in.remove_prefix(cut + 1);
    }
    out.push_back(in);
    out.resize(n);
    return out;
}

// What a request that passed the checks against the store's own count produces.
void checkExport(const korvane::search::PageSpan& span) {
    using namespace korvane::exporting;
    const std::string joined = joinPages(store(), span);
    std::size_t written = 0;
    const bool ok = writeResults(
        store(), span,
        [&](std::string_view bytes) {
            written += bytes.size();
            return true;
        },
        [](float percent) {
            if (!(percent >= 0 && percent <= 100))
                std::abort();
        });
    if (!ok || written != resultsFileSize(store(), span))
        std::abort();
}

// A refusal always says something; a request that passes names only pages
// 1..total, and is exported when total is the store's.
void check(const std::variant<korvane::search::PageSpan, korvane::InputError>& checked,
           std::size_t total) {
    if (const auto* refused = std::get_if<korvane::InputError>(&checked)) {
        if (refused->message.empty())
            std::abort();
        return;
    }
    const auto& span = std::get<korvane::search::PageSpan>(checked);
    if (span.size() > 0 && (span.first < 1 || span.last > total))
        std::abort();
    if (total == store().pageCount())
        checkExport(span);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane::exporting;
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const auto f = fields(in, 4);
    // The third text, when there is one, is the page total the dialog was shown.
    const double shown = korvane::intPart(korvane::parseNumber(f[2]).value_or(0));
    const std::size_t total = f[2].empty()   ? store().pageCount()
                              : shown >= 1e6 ? std::size_t{1000000}
                              : shown >= 1   ? static_cast<std::size_t>(shown)
                                             : 0;

    check(checkCopyRequest(f[0], f[1], total), total);
    check(checkSaveRequest(f[0], f[1], total, f[3]), total);
    // Go To's one box, against the same total.
    if (const auto page = korvane::search::validatePage(f[0], total);
        std::holds_alternative<std::size_t>(page)) {
        const std::size_t k = std::get<std::size_t>(page);
        if (k < 1 || k > total)
            std::abort();
    }
    offersCopyAll(total);
    return 0;
}
