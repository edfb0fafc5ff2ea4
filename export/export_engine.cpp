// Export engine: the dialogs' checks, the page span they lead to, and the two
// outputs (one joined text, one streamed file).
#include "export/export_engine.h"

#include "common/number_text.h"
#include "search/page_source.h"

#include <algorithm>

namespace korvane::exporting {
namespace {

constexpr std::string_view lineEnd = "\r\n";

std::string pastLastPage(std::string_view lastText, std::size_t pageCount) {
    std::string message(lastText);
    message += " is an invalid page number, the last page you can enter is ";
    message += decimalDigits(pageCount);
    return message;
}

// Steps 1 to 6, alike in both dialogs.
constexpr search::PageRefusals dialogRefusals{
    "You have to enter a valid number!", "Your starting page cannot be less than 1!",
    "Your ending page cannot be less than 1!", "Invalid entry!", pastLastPage};

} // namespace

std::variant<search::PageSpan, InputError>
checkCopyRequest(std::string_view firstText, std::string_view lastText, std::size_t pageTotal) {
    auto checked = search::validatePages(firstText, lastText, pageTotal, dialogRefusals);
    const auto* span = std::get_if<search::PageSpan>(&checked);
    // The difference is taken before Int, so 1..1000 passes and 1..1001 does not.
    if (span && intPart(span->lastTyped - span->firstTyped) + 1 > static_cast<double>(maxCopyPages))
        return InputError{"You can copy up to 1000 pages maximum!", InputField::None};
    return checked;
}

std::variant<search::PageSpan, InputError> checkSaveRequest(std::string_view firstText,
                                                            std::string_view lastText,
                                                            std::size_t pageTotal,
                                                            std::string_view fileName) {
    auto checked = search::validatePages(firstText, lastText, pageTotal, dialogRefusals);
    if (std::holds_alternative<InputError>(checked))
        return checked;
    if (fileName.empty())
        return InputError{"Enter a filename!", InputField::None};
    // "/" would make the name a path into another folder, perhaps one that
    // does not exist, rather than the file the location shows.
    if (fileName.find('/') != std::string_view::npos)
        return InputError{"A file name cannot contain \"/\".", InputField::Third};
    return checked;
}

bool offersCopyAll(std::size_t pageTotal) {
    return pageTotal <= maxCopyPages;
}

std::string joinPages(const search::PageSource& store, const search::PageSpan& span) {
    std::string text;
    text.reserve(static_cast<std::size_t>(store.spanBytes(span.first, span.last)));
    store.makePages(span.first, span.last, [&text](std::string_view page) {
        text += page;
        return true;
    });
    return text;
}

std::size_t resultsFileSize(const search::PageSource& store, const search::PageSpan& span) {
    return resultsHeader.size() + 2 * lineEnd.size() +
           static_cast<std::size_t>(store.spanBytes(span.first, span.last)) +
           span.size() * lineEnd.size();
}

bool writeResults(const search::PageSource& store, const search::PageSpan& span,
                  const ByteSink& sink, const SaveProgress& progress) {
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

    const double first = span.firstTyped;
    double range = span.lastTyped - first;
    if (range == 0) {
        range = 1;
        report(100);
    }
    const double step = 100 / range;
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
