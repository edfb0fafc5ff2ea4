// Export engine: the dialogs' checks, the page span they lead to, and the two
// outputs (one joined text, one streamed file).
#include "export/export_engine.h"

#include "common/number_text.h"
#include "search/page_source.h"

#include <algorithm>
#include <cmath>

namespace korvane::exporting {
namespace {

constexpr std::string_view invalidNumber = "You have to enter a valid number!";
constexpr std::string_view lineEnd = "\r\n";

// Steps 1 to 6, shared by both dialogs.
std::optional<InputError> checkSpan(std::string_view firstText, std::string_view lastText,
                                    std::size_t pageTotal) {
    const auto first = parseNumber(firstText);
    if (!first)
        return InputError{std::string(invalidNumber), InputField::First};
    const auto last = parseNumber(lastText);
    if (!last)
        return InputError{std::string(invalidNumber), InputField::Second};
    if (*first < 1)
        return InputError{"Your starting page cannot be less than 1!", InputField::First};
    if (*last < 1)
        return InputError{"Your ending page cannot be less than 1!", InputField::Second};
    if (intPart(*last) < intPart(*first))
        return InputError{"Invalid entry!", InputField::None};
    if (static_cast<double>(pageTotal) < intPart(*last)) {
        std::string message(lastText);
        message += " is an invalid page number, the last page you can enter is ";
        message += decimalDigits(pageTotal);
        return InputError{std::move(message), InputField::None};
    }
    return std::nullopt;
}

// nearest(x) as a page number, kept inside 0..limit + 1 so that no typed
// value, however large, turns into an index beyond the store.
std::size_t nearestPage(double x, std::size_t limit) {
    const double n = nearestEven(x);
    if (!(n >= 0))
        return 0;
    if (n > static_cast<double>(limit))
        return limit + 1;
    return static_cast<std::size_t>(n);
}

} // namespace

std::optional<InputError> checkCopyRequest(std::string_view firstText, std::string_view lastText,
                                           std::size_t pageTotal) {
    if (auto error = checkSpan(firstText, lastText, pageTotal))
        return error;
    // The difference is taken before Int, so 1..1000 passes and 1..1001 does not.
    const double first = *parseNumber(firstText);
    const double last = *parseNumber(lastText);
    if (intPart(last - first) + 1 > static_cast<double>(maxCopyPages))
        return InputError{"You can copy up to 1000 pages maximum!", InputField::None};
    return std::nullopt;
}

std::optional<InputError> checkSaveRequest(std::string_view firstText, std::string_view lastText,
                                           std::size_t pageTotal, std::string_view fileName) {
    if (auto error = checkSpan(firstText, lastText, pageTotal))
        return error;
    if (fileName.empty())
        return InputError{"Enter a filename!", InputField::None};
    return std::nullopt;
}

bool offersCopyAll(std::size_t pageTotal) {
    return pageTotal <= maxCopyPages;
}

PageSpan pagesToExport(double first, double last, std::size_t pageCount) {
    PageSpan span;
    span.first = std::max<std::size_t>(1, nearestPage(first, pageCount));
    span.last = std::min(nearestPage(last, pageCount), pageCount);
    return span;
}

std::string joinPages(const search::PageSource& store, double first, double last) {
    const PageSpan span = pagesToExport(first, last, store.pageCount());
    std::string text;
    text.reserve(static_cast<std::size_t>(store.spanBytes(span.first, span.last)));
    store.makePages(span.first, span.last, [&text](std::string_view page) {
        text += page;
        return true;
    });
    return text;
}

std::size_t resultsFileSize(const search::PageSource& store, double first, double last) {
    const PageSpan span = pagesToExport(first, last, store.pageCount());
    return resultsHeader.size() + 2 * lineEnd.size() +
           static_cast<std::size_t>(store.spanBytes(span.first, span.last)) +
           span.size() * lineEnd.size();
}

bool writeResults(const search::PageSource& store, double first, double last, const ByteSink& sink,
                  const SaveProgress& progress) {
    // Large enough that the sink sees few calls, small enough to stay flat.
    constexpr std::size_t chunk = std::size_t{1} << 20;
    std::string buffer;
    buffer.reserve(chunk + 4096);
    const auto report = [&](double percent) {
        if (progress)
            progress(static_cast<float>(std::clamp(percent, 0.0, 100.0)));
    };

    buffer += resultsHeader;
    buffer += lineEnd;
    buffer += lineEnd;

    double range = last - first;
    if (range == 0) {
        range = 1;
        report(100);
    }
    const double step = 100 / range;
    const PageSpan span = pagesToExport(first, last, store.pageCount());
    std::size_t k = span.first;
    const bool made = store.makePages(span.first, span.last, [&](std::string_view page) {
        // Fractional ends put k a little before first or past last; the
        // report is kept within 0..100.
        report((static_cast<double>(k++) - first) * step);
        if (buffer.size() + page.size() + lineEnd.size() > chunk && !buffer.empty()) {
            if (!sink(buffer))
                return false;
            buffer.clear();
        }
        if (page.size() >= chunk) { // the page of 11-digit primes, at most
            if (!sink(page))
                return false;
        } else {
            buffer += page;
        }
        buffer += lineEnd;
        return true;
    });
    if (!made || (!buffer.empty() && !sink(buffer)))
        return false;
    report(100);
    return true;
}

} // namespace korvane::exporting
