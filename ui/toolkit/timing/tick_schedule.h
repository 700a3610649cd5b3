// Keeps an interval timer on real time. Tick k is due at the moment the timer
// was started plus k intervals, so the lateness of one tick is never carried
// into the next: a countdown of an hour ends an hour after it started, even
// where the system rounds every timer period up to its own clock tick.
// Intervals that pass without a timer message (the program could not run, or
// the machine slept) are delivered at once as one tick that reports how many
// intervals it stands for; there is no burst of ticks.
#pragma once

#include <chrono>
#include <cstdint>

namespace morvane::toolkit {

// Windows' usual clock interrupt period, 64 a second: timer messages arrive
// on these ticks.
inline constexpr std::chrono::microseconds kSystemClockTick{15'625};

class TickSchedule {
 public:
  using Millis = std::chrono::milliseconds;

  struct Decision {
    std::int64_t ticks;  // how many intervals fell due with this message; 0: none
    Millis wait;         // how long until the next one, always positive
    // Whether the system timer must be set again to `wait`; otherwise it runs
    // on with its period, which brings the next message near enough.
    bool rearm;
  };

  // A timer message up to `early_tolerance` before a due time is that tick.
  TickSchedule(Millis interval, Millis early_tolerance)
      : interval_(interval), early_tolerance_(early_tolerance) {}

  // Starts counting at `now`; returns the wait until the first tick, which is
  // the period the system timer is started with.
  Millis Start(Millis now);

  // The system timer fired at `now`. A timer that fires early, by more than
  // the tolerance, does not tick; it is told to wait for the rest of the
  // interval.
  Decision OnTimer(Millis now);

  // The whole intervals that have passed by `now` with no tick delivered for
  // them, delivered now; no tolerance, since no timer message came.
  std::int64_t TakeDue(Millis now);

  Millis interval() const { return interval_; }
  std::int64_t ticks() const { return ticks_; }

 private:
  // Delivers every tick due by `moment` and not delivered yet.
  std::int64_t DeliverDueBy(Millis moment);

  Millis interval_;
  Millis early_tolerance_;
  Millis start_{0};
  std::int64_t ticks_ = 0;  // ticks due by the last one delivered, missed ones included
  Millis period_{0};        // the wait the system timer was last set to; it repeats it
};

}  // namespace morvane::toolkit
