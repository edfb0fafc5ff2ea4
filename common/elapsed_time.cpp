#include "common/elapsed_time.h"

#include "common/number_text.h"

namespace korvane {

long long ElapsedClock::seconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(end_ - start_).count();
}

std::string elapsedCaption(long long seconds) {
    if (seconds <= 0)
        return "< 1 sec.";
    return leadingBlankForm(static_cast<std::uint64_t>(seconds)) + " sec.";
}

} // namespace korvane
