// Joining result pages for the clipboard, writing the results file, and the
// input checks of the copy and save dialogs. No Qt: the windows call in here.
#pragma once

#include "common/input_error.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::search {
class PageSource;
}

namespace korvane::exporting {

// One copy takes at most this many pages, and "Copy All" is offered only up
// to this page total.
inline constexpr std::size_t maxCopyPages = 1000;

// Line 1 of every results file.
inline constexpr std::string_view resultsHeader = "Prime number generation:  Using Korvane 6";

// The checks of "Copy..." in order; the first that fails is returned, its
// focus on the first-page box (First) or the last-page box (Second).
// pageTotal is the page total the dialog shows.
std::optional<InputError> checkCopyRequest(std::string_view firstText, std::string_view lastText,
                                           std::size_t pageTotal);

// The checks of "Save" in order; the first that fails is returned.
std::optional<InputError> checkSaveRequest(std::string_view firstText, std::string_view lastText,
                                           std::size_t pageTotal, std::string_view fileName);

// Whether "Copy All" is offered for this page total.
bool offersCopyAll(std::size_t pageTotal);

// Pages first..last (both inclusive, 1-based) that a request really covers:
// the typed values rounded to the nearest whole page, cut to the pages the
// store holds. Empty (first > last) when nothing is left.
struct PageSpan {
    std::size_t first = 1;
    std::size_t last = 0;
    std::size_t size() const { return last >= first ? last - first + 1 : 0; }
};
PageSpan pagesToExport(double first, double last, std::size_t pageCount);

// The clipboard text: the pages of the span joined with nothing between them.
std::string joinPages(const search::PageSource& store, double first, double last);

// Receives the results file in order, a piece at a time; false means the
// write failed and nothing more should be sent.
using ByteSink = std::function<bool(std::string_view bytes)>;

// Told the progress of a save, always within 0..100.
using SaveProgress = std::function<void(float percent)>;

// The exact size in bytes of the file writeResults produces for this request,
// so the writer can reserve the space (and learn of a full disk) up front.
std::size_t resultsFileSize(const search::PageSource& store, double first, double last);

// Streams the results file for pages first..last (the typed values) into
// `sink`: the header, an empty line, then one line per page, each line ending
// in CR LF. Pages are made one at a time and go out through a small buffer,
// so memory stays flat however large the span. Returns false as soon as the
// sink fails.
bool writeResults(const search::PageSource& store, double first, double last, const ByteSink& sink,
                  const SaveProgress& progress = {});

} // namespace korvane::exporting
