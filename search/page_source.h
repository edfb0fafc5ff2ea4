// What the copy and the save read: numbered pages, made one after another on
// request, so neither needs the whole text at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace korvane::search {

class PageSource {
  public:
    // Gets each page's text in turn, valid only during the call; returning
    // false stops the making.
    using PageFn = std::function<bool(std::string_view text)>;

    virtual ~PageSource() = default;

    // Pages are numbered 1..pageCount().
    virtual std::size_t pageCount() const = 0;
    // Characters of pages first..last together (0 when first > last).
    virtual std::uint64_t spanBytes(std::size_t first, std::size_t last) const = 0;
    // Hands pages first..last (kept within 1..pageCount()) to `each` in
    // order; false when `each` stopped it.
    virtual bool makePages(std::size_t first, std::size_t last, const PageFn& each) const = 0;
};

} // namespace korvane::search
