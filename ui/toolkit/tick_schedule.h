// Keeps an interval timer on real time. Tick k is due at the moment the timer
// was started plus k intervals, so the lateness of one tick is never carried
// into the next: a countdown of an hour ends an hour after it started, even
// where the system rounds every timer period up to its own clock tick.
// Ticks missed while the program was busy collapse into one; there is no burst.
#pragma once

#include <chrono>
#include <cstdint>

namespace morvane::toolkit {

class TickSchedule {
 public:
  using Millis = std::chrono::milliseconds;

  struct Decision {
    bool tick;    // a tick is due now
    Millis wait;  // how long until the next one, always positive
  };

  explicit TickSchedule(Millis interval) : interval_(interval) {}

  // Starts counting at `now`; returns the wait until the first tick.
  Millis Start(Millis now);

  // The system timer fired at `now`. A timer that fires early does not tick;
  // it is told to wait for the rest of the interval.
  Decision OnTimer(Millis now);

  Millis interval() const { return interval_; }
  std::int64_t ticks() const { return ticks_; }

 private:
  Millis interval_;
  Millis start_{0};
  std::int64_t ticks_ = 0;  // ticks due by the last one delivered, missed ones included
};

}  // namespace morvane::toolkit
