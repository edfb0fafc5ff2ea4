// The copy and save dialogs' checks on any typed texts, and what a request that
// passes them produces: never a page outside the store, a file exactly the size
// announced, progress within 0..100.
#include "common/number_text.h"
#include "export/export_engine.h"
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

void checkExport(std::string_view firstText, std::string_view lastText) {
    using namespace korvane::exporting;
    const double first = *korvane::parseNumber(firstText);
    const double last = *korvane::parseNumber(lastText);
    const std::string joined = joinPages(store(), first, last);
    const PageSpan span = pagesToExport(first, last, store().pageCount());
    if (span.size() > 0 && (span.first < 1 || span.last > store().pageCount()))
        std::abort();
    std::size_t written = 0;
    const bool ok = writeResults(
        store(), first, last,
        [&](std::string_view bytes) {
            written += bytes.size();
            return true;
        },
        [](float percent) {
            if (!(percent >= 0 && percent <= 100))
                std::abort();
        });
    if (!ok || written != resultsFileSize(store(), first, last))
        std::abort();
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

    if (const auto refused = checkCopyRequest(f[0], f[1], total); refused) {
        if (refused->message.empty())
            std::abort();
    } else {
        checkExport(f[0], f[1]);
    }
    if (const auto refused = checkSaveRequest(f[0], f[1], total, f[3]); refused) {
        if (refused->message.empty())
            std::abort();
    } else {
        checkExport(f[0], f[1]);
    }
    offersCopyAll(total);
    return 0;
}
