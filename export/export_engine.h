// Joining result pages for the clipboard, writing the results file, and the
// input checks of the copy and save dialogs. No Qt: the windows call in here.
#pragma once

#include "common/input_error.h"
#include "search/page_number.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace korvane::search {
class PageSource;
}

namespace korvane::exporting {

// One copy takes at most this many pages, and "Copy All" is offered only up
// to this page total.
inline constexpr std::size_t maxCopyPages = 1000;

// Line 1 of every results file.
inline constexpr std::string_view resultsHeader = "Prime number generation:  Using Korvane 6";

// The checks of "Copy..." in order: the page rule, then at most 1000 pages.
// Returns the span to copy, or the first refusal, its focus on the
// first-page box (First) or the last-page box (Second). pageTotal is the
// number of pages the source holds.
std::variant<search::PageSpan, InputError>
checkCopyRequest(std::string_view firstText, std::string_view lastText, std::size_t pageTotal);

// The checks of "Save" in order: the page rule, then a file name (focus on
// the name box, Third, when it holds "/"). No limit on the number of pages.
std::variant<search::PageSpan, InputError> checkSaveRequest(std::string_view firstText,
                                                            std::string_view lastText,
                                                            std::size_t pageTotal,
                                                            std::string_view fileName);

// Whether "Copy All" is offered for this page total.
bool offersCopyAll(std::size_t pageTotal);

// The clipboard text: the pages of the span joined with nothing between them.
std::string joinPages(const search::PageSource& store, const search::PageSpan& span);

// Receives the results file in order, a piece at a time; false means the
// write failed and nothing more should be sent.
using ByteSink = std::function<bool(std::string_view bytes)>;

// Told the progress of a save, always within 0..100.
using SaveProgress = std::function<void(float percent)>;

// The exact size in bytes of the file writeResults produces for this request,
// so the writer can reserve the space (and learn of a full disk) up front.
std::size_t resultsFileSize(const search::PageSource& store, const search::PageSpan& span);

// Streams the results file for the pages of `span` into
// `sink`: the header, an empty line, then one line per page, each line ending
// in CR LF. Pages are made one at a time and go out through a small buffer,
// so memory stays flat however large the span. Returns false as soon as the
// sink fails. The progress runs over the typed ends, from 0 at the first to
// 100 at the last.
bool writeResults(const search::PageSource& store, const search::PageSpan& span,
                  const ByteSink& sink, const SaveProgress& progress = {});

} // namespace korvane::exporting
