// How long a search took, for the "Time Taken:" captions of both tabs. A
// monotonic clock, so runs across a minute, an hour or midnight come out right.
#pragma once

#include <chrono>
#include <string>

namespace korvane {

class ElapsedClock {
  public:
    void start() { start_ = end_ = Clock::now(); }
    void stop() { end_ = Clock::now(); }
    // Whole seconds between start() and stop().
    long long seconds() const;

  private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_{};
    Clock::time_point end_{};
};

// " 12 sec.", or "< 1 sec." for a run of under one second.
std::string elapsedCaption(long long seconds);

} // namespace korvane
