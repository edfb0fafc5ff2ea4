#include "common/elapsed_time.h"

#include "common/number_text.h"

#include <utility>

namespace korvane {
namespace {

ElapsedClock::TimeSource& timeSource() {
    static ElapsedClock::TimeSource source;
    return source;
}

} // namespace

void ElapsedClock::setTimeSource(TimeSource source) {
    timeSource() = std::move(source);
}

ElapsedClock::Clock::time_point ElapsedClock::now() {
    return timeSource() ? timeSource()() : Clock::now();
}

long long ElapsedClock::seconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(end_ - start_).count();
}

std::string elapsedCaption(long long seconds) {
    if (seconds <= 0)
        return "< 1 sec.";
    return leadingBlankForm(static_cast<std::uint64_t>(seconds)) + " sec.";
}

} // namespace korvane
