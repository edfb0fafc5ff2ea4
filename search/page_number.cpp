// The page number rule and Go To's words for it.
#include "search/page_number.h"

#include "common/number_text.h"

namespace korvane::search {
namespace {

// nearest(x) as a page, kept within 1..pageCount (pageCount at least 1).
std::size_t nearestPage(double x, std::size_t pageCount) {
    const double n = nearestEven(x);
    if (!(n >= 1))
        return 1;
    return n >= static_cast<double>(pageCount) ? pageCount : static_cast<std::size_t>(n);
}

constexpr std::string_view invalidPage = "Please enter a valid page number!";

std::string goToPastLast(std::string_view, std::size_t) {
    return std::string(invalidPage);
}

// Go To has one box: a number below 1 and one past the last page cannot both
// be typed, so the rule's order gives Go To's.
constexpr PageRefusals goToRefusals{invalidPage, "Please enter a page number greater than 1!",
                                    "Please enter a page number greater than 1!", invalidPage,
                                    goToPastLast};

} // namespace

PageSpan pagesNamed(double first, double last, std::size_t pageCount) {
    if (pageCount == 0)
        return {first, last, 1, 0};
    return {first, last, nearestPage(first, pageCount), nearestPage(last, pageCount)};
}

std::variant<PageSpan, InputError> validatePages(std::string_view firstText,
                                                 std::string_view lastText, std::size_t pageCount,
                                                 const PageRefusals& refusals) {
    const auto refuse = [](std::string_view message, InputField focus) {
        return InputError{std::string(message), focus};
    };
    const auto first = parseNumber(firstText);
    if (!first)
        return refuse(refusals.notANumber, InputField::First);
    const auto last = parseNumber(lastText);
    if (!last)
        return refuse(refusals.notANumber, InputField::Second);
    if (*first < 1)
        return refuse(refusals.firstBelowOne, InputField::First);
    if (*last < 1)
        return refuse(refusals.lastBelowOne, InputField::Second);
    if (intPart(*last) < intPart(*first))
        return refuse(refusals.crossed, InputField::None);
    if (static_cast<double>(pageCount) < intPart(*last))
        return InputError{refusals.pastLast(lastText, pageCount), InputField::None};
    return pagesNamed(*first, *last, pageCount);
}

std::variant<std::size_t, InputError> validatePage(std::string_view text, std::size_t pageCount) {
    auto checked = validatePages(text, text, pageCount, goToRefusals);
    if (auto* error = std::get_if<InputError>(&checked)) {
        error->focus = InputField::First;
        return std::move(*error);
    }
    return std::get<PageSpan>(checked).first;
}

} // namespace korvane::search
