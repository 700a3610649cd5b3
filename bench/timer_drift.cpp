// How far a countdown drifts from real time, simulated on a system that rounds
// every timer period up to its clock tick of 15.625 ms.
//
//   plain     a periodic 1000 ms timer: the system makes the period 1015.625 ms
//             and every tick carries that excess into the next.
//   schedule  a timer driven by TickSchedule: the periodic timer runs on as
//             the plain one does until the schedule sets it again to the wait
//             it asks for, which is rounded up the same way; each tick arrives
//             0-20 ms late (seeded), yet every tick is due at the start plus a
//             whole number of seconds. How often it was set again is printed.
//
// Usage: timer_drift [ticks]   (3600 by default: an hour's countdown)
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string_view>

#include "ui/toolkit/timing/tick_schedule.h"

namespace {

using Micros = std::chrono::microseconds;
using Millis = std::chrono::milliseconds;
using morvane::toolkit::kSystemClockTick;
using morvane::toolkit::TickSchedule;

constexpr Millis kInterval{1000};

// A timer fires on the first of the system's ticks after its wait has passed:
// 1000 ms, exactly 64 ticks, becomes 65 ticks or 1015.625 ms.
Micros RoundedUp(Micros wait) { return (wait / kSystemClockTick + 1) * kSystemClockTick; }

// When the plain timer delivers its n-th tick.
Micros PlainTimer(std::int64_t ticks) { return ticks * RoundedUp(kInterval); }

struct Scheduled {
  Micros end;               // when the n-th tick was delivered
  std::int64_t set_again;  // how often the system timer was set again
};

Scheduled ScheduledTimer(std::int64_t ticks) {
  std::mt19937 random(1);
  std::uniform_int_distribution<std::int64_t> lateness_us(0, 20'000);
  TickSchedule schedule(kInterval, std::chrono::floor<Millis>(kSystemClockTick / 2));
  Micros now{0};
  Millis period = schedule.Start(std::chrono::floor<Millis>(now));
  Micros base = now;  // when the system timer last fired or was set
  Scheduled scheduled{};
  for (std::int64_t delivered = 0; delivered < ticks;) {
    const Micros fired = base + RoundedUp(period);
    now = fired + Micros{lateness_us(random)};
    const TickSchedule::Decision decision = schedule.OnTimer(std::chrono::floor<Millis>(now));
    delivered += decision.ticks;
    base = fired;
    if (decision.rearm) {
      period = decision.wait;
      base = now;
      ++scheduled.set_again;
    }
  }
  scheduled.end = now;
  return scheduled;
}

double DriftMs(Micros elapsed, std::int64_t ticks) {
  return std::chrono::duration<double, std::milli>(elapsed - ticks * kInterval).count();
}

}  // namespace

int main(int argc, char** argv) {
  std::int64_t ticks = 3600;
  if (argc > 1) {
    const std::string_view arg = argv[1];
    const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), ticks);
    if (error != std::errc{} || end != arg.data() + arg.size() || ticks < 1) {
      std::fprintf(stderr, "usage: timer_drift [ticks]   (a whole number above 0)\n");
      return 2;
    }
  }

  const double plain = DriftMs(PlainTimer(ticks), ticks);
  const Scheduled schedule = ScheduledTimer(ticks);
  const double scheduled = DriftMs(schedule.end, ticks);
  std::printf("Drift after %lld ticks of 1000 ms, system timer tick 15.625 ms:\n",
              static_cast<long long>(ticks));
  std::printf("  plain periodic timer  %12.3f ms\n", plain);
  std::printf("  tick schedule         %12.3f ms\n", scheduled);
  if (scheduled > 0) {
    std::printf("  ratio plain/schedule  %12.1f\n", plain / scheduled);
  } else {
    std::printf("  ratio plain/schedule  (the schedule did not drift at all)\n");
  }
  std::printf("  the schedule set the system timer again %lld times in %lld ticks\n",
              static_cast<long long>(schedule.set_again), static_cast<long long>(ticks));
  return 0;
}
