// How long a search took, for the "Time Taken:" captions of both tabs. A
// monotonic clock, so runs across a minute, an hour or midnight come out right.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace korvane {

class ElapsedClock {
  public:
    using Clock = std::chrono::steady_clock;
    using TimeSource = std::function<Clock::time_point()>;

    void start() { start_ = end_ = now(); }
    void stop() { end_ = now(); }
    // Whole seconds between start() and stop().
    long long seconds() const;

    // Where every clock reads the time (the steady clock when empty): tests
    // hand in a clock of their own, so no caption depends on how fast the
    // machine ran.
    static void setTimeSource(TimeSource source);

  private:
    static Clock::time_point now();

    Clock::time_point start_{};
    Clock::time_point end_{};
};

// " 12 sec.", or "< 1 sec." for a run of under one second.
std::string elapsedCaption(long long seconds);

} // namespace korvane
