// Puts literal page texts into a page store, for tests that need exact pages.
#pragma once

#include "search/range_search.h"

#include <algorithm>
#include <string>
#include <vector>

inline void fillPages(korvane::search::PageStore& store, const std::vector<std::string>& pages) {
    std::size_t bytes = 0;
    for (const auto& page : pages)
        bytes += page.size();
    char* out = store.beginFill(bytes);
    std::vector<std::size_t> ends{0};
    for (const auto& page : pages) {
        out = std::copy(page.begin(), page.end(), out);
        ends.push_back(ends.back() + page.size());
    }
    store.finishFill(bytes, std::move(ends));
}
