// Pages with literal texts, for tests of what reads pages (the copy and the
// save) that need exact, hand-picked page texts rather than a search's.
#pragma once

#include "search/page_source.h"

#include <string>
#include <vector>

class LiteralPages : public korvane::search::PageSource {
  public:
    // No page given leaves one empty page, as the store starts.
    explicit LiteralPages(std::vector<std::string> pages)
        : pages_(pages.empty() ? std::vector<std::string>{""} : std::move(pages)) {}

    std::size_t pageCount() const override { return pages_.size(); }
    std::uint64_t spanBytes(std::size_t first, std::size_t last) const override {
        std::uint64_t bytes = 0;
        makePages(first, last, [&](std::string_view page) {
            bytes += page.size();
            return true;
        });
        return bytes;
    }
    bool makePages(std::size_t first, std::size_t last, const PageFn& each) const override {
        for (std::size_t k = first ? first : 1; k <= last && k <= pages_.size(); ++k)
            if (!each(pages_[k - 1]))
                return false;
        return true;
    }

  private:
    std::vector<std::string> pages_;
};
