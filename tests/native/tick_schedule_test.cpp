// The interval timer's schedule, driven by a clock the test moves by hand.
#include "ui/toolkit/timing/tick_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>

namespace morvane::toolkit {
namespace {

using namespace std::chrono_literals;
using Micros = std::chrono::microseconds;
using Millis = TickSchedule::Millis;

constexpr Millis kSecond = 1000ms;
constexpr Millis kTolerance = 7ms;  // half a system clock tick, as the window timer has it
// An arbitrary moment, so that nothing depends on the clock starting at zero.
constexpr Millis kStart = 123'456'789ms;

class TickScheduleTest : public ::testing::Test {
 protected:
  TickScheduleTest() { EXPECT_EQ(schedule_.Start(kStart), kSecond); }

  // The system timer fires `after` the start.
  TickSchedule::Decision FireAt(Millis after) { return schedule_.OnTimer(kStart + after); }

  // The timer fires `after` the start and delivers `ticks` intervals at once,
  // `total` since the start, and is told to wait `wait` for the next.
  void ExpectTicks(Millis after, std::int64_t ticks, Millis wait, std::int64_t total) {
    SCOPED_TRACE("fired at +" + std::to_string(after.count()) + " ms");
    const auto decision = FireAt(after);
    EXPECT_EQ(decision.ticks, ticks);
    EXPECT_EQ(decision.wait, wait);
    EXPECT_EQ(schedule_.ticks(), total);
  }
  void ExpectTick(Millis after, Millis wait, std::int64_t total) {
    ExpectTicks(after, 1, wait, total);
  }

  TickSchedule schedule_{kSecond, kTolerance};
};

TEST_F(TickScheduleTest, TicksAreDueAtWholeIntervalsFromTheStart) {
  for (std::int64_t k = 1; k <= 5; ++k) ExpectTick(k * kSecond, kSecond, k);
}

// The system delivers timer messages on its clock ticks only. One that comes
// within the tolerance before its due time is the nearest to it and ticks;
// one well before waits for the rest, and never for less than the tolerance.
TEST_F(TickScheduleTest, AnEarlyMessageTicksOnlyWithinTheTolerance) {
  struct Case {
    Millis after;
    std::int64_t ticks;
    Millis wait;
  };
  const Case cases[] = {
      {500ms, 0, 500ms},    // half an interval early
      {992ms, 0, 8ms},      // one millisecond past the tolerance
      {993ms, 1, 1007ms},   // at the tolerance: this is the tick
      {1500ms, 0, 500ms},   // the same tick is not delivered twice
      {1999ms, 1, 1001ms},  // a millisecond early
      {3000ms, 1, kSecond}, // on time again
  };
  std::int64_t total = 0;
  for (const auto& c : cases) {
    total += c.ticks;
    ExpectTicks(c.after, c.ticks, c.wait, total);
  }
}

// Each late tick is measured from the start, not from the late one before it.
TEST_F(TickScheduleTest, LatenessDoesNotAccumulate) {
  ExpectTick(1016ms, 984ms, 1);
  ExpectTick(2032ms, 968ms, 2);
  ExpectTick(3048ms, 952ms, 3);
  ExpectTick(4000ms, kSecond, 4);
  ExpectTick(5010ms, 990ms, 5);
}

TEST_F(TickScheduleTest, AStallDeliversTheMissedTicksInOneMessage) {
  ExpectTick(1000ms, kSecond, 1);
  // Busy for four and a half seconds: one message for four ticks.
  ExpectTicks(5500ms, 4, 500ms, 5);
  ExpectTick(6000ms, kSecond, 6);
}

// Thirty minutes asleep: the first message after waking stands for every
// second of them, and the ticks after it fall on whole seconds from the start
// as before.
TEST_F(TickScheduleTest, AJumpOfHalfAnHourReportsEveryTickAndKeepsTheAnchor) {
  ExpectTick(1000ms, kSecond, 1);
  const Millis woken = 1000ms + 30min + 300ms;
  ExpectTicks(woken, 1800, 700ms, 1801);
  ExpectTick(1802s, kSecond, 1802);
  ExpectTick(1803s, kSecond, 1803);
}

// Seconds that passed with no message (a Stop handled before the message of
// a stall) are whole seconds only, and the message that follows does not
// deliver them again.
TEST_F(TickScheduleTest, TicksTakenBeforeTheirMessageAreNotDeliveredAgain) {
  ExpectTick(1000ms, kSecond, 1);
  EXPECT_EQ(schedule_.TakeDue(kStart + 7995ms), 6);
  EXPECT_EQ(schedule_.TakeDue(kStart + 7999ms), 0);
  ExpectTick(8000ms, kSecond, 8);
}

TEST_F(TickScheduleTest, StartingAgainRestartsTheCount) {
  ExpectTicks(3500ms, 3, 500ms, 3);
  const Millis restart = kStart + 3700ms;
  EXPECT_EQ(schedule_.Start(restart), kSecond);
  EXPECT_EQ(schedule_.ticks(), 0);
  EXPECT_EQ(schedule_.OnTimer(restart + 900ms).ticks, 0);
  EXPECT_EQ(schedule_.OnTimer(restart + 1000ms).ticks, 1);
  EXPECT_EQ(schedule_.ticks(), 1);
}

// Whenever the timer fires, the next wait is longer than the tolerance and at
// most one interval beyond it, and the ticks delivered are exactly those that
// have fallen due.
TEST_F(TickScheduleTest, TheWaitIsAlwaysPositiveAndNoTickIsLostOrRepeated) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> step_ms(0, 2500);
  Millis now{0};
  std::int64_t delivered = 0;
  for (int fire = 0; fire < 20000; ++fire) {
    now += Millis{step_ms(random)};
    const auto decision = FireAt(now);
    ASSERT_GT(decision.wait, kTolerance) << "at +" << now.count();
    ASSERT_LE(decision.wait, kSecond + kTolerance) << "at +" << now.count();
    delivered += decision.ticks;
    ASSERT_EQ(delivered, (now + kTolerance) / kSecond) << "at +" << now.count();
    ASSERT_EQ(schedule_.ticks(), delivered);
  }
}

// An hour of a periodic system timer that the schedule sets again when it
// says so. Left alone, the timer fires one period after it last fired; set
// again, one period after that moment; a timer that runs fast fires `fast`
// before the period ends. Each message then comes up to `lateness` later,
// behind other work.
struct SimulatedHour {
  Millis end;              // when the 3600th tick was delivered
  Millis latest;           // the most a tick was delivered after its due time
  std::int64_t ticks;      // as the schedule counted them
  std::int64_t rearms;     // how often the system timer was set again
};

SimulatedHour RunAnHour(Micros lateness, Micros fast = 0us) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::int64_t> lateness_us(0, lateness.count());
  TickSchedule schedule(kSecond, kTolerance);
  Micros now{0};
  const auto clock = [&] { return std::chrono::floor<Millis>(now); };
  Millis period = schedule.Start(clock());
  Micros base = now;
  SimulatedHour hour{};
  while (hour.ticks < 3600) {
    // The first of the system's clock ticks after the period.
    const Micros fired =
        base + (Micros{period} / kSystemClockTick + 1) * kSystemClockTick - fast;
    now = fired + Micros{lateness_us(random)};
    const auto decision = schedule.OnTimer(clock());
    hour.ticks += decision.ticks;
    if (decision.ticks > 0) {
      hour.latest = std::max(hour.latest, clock() - hour.ticks * kSecond);
    }
    base = fired;
    if (decision.rearm) {
      ++hour.rearms;
      period = decision.wait;
      base = now;
    }
  }
  hour.end = clock();
  EXPECT_EQ(schedule.ticks(), hour.ticks);
  return hour;
}

// A system that fires every timer on the first of its clock ticks after the
// period (1000 ms become 1015.625 ms) and then delivers the message up to
// 20 ms late: the hour still ends on time, and no tick comes later than that
// clock tick and the delay allow.
TEST(TickScheduleSimulationTest, AnHourOfCoarseLateTimersEndsWithinOneInterval) {
  const SimulatedHour hour = RunAnHour(20ms);
  EXPECT_GE(hour.end, 3600s - kTolerance);
  EXPECT_LT(hour.end, 3600s + kSecond);
  EXPECT_LT(hour.latest, 50ms);
}

// A system timer whose every period ends a millisecond early: its messages
// drift a millisecond a tick towards the due times, and it is set again only
// once that drift passes the tolerance, not on every tick.
TEST(TickScheduleSimulationTest, ATimerThatRunsFastIsSetAgainOnlyWhenItDriftsTooFar) {
  const SimulatedHour hour = RunAnHour(0us, 1ms);
  EXPECT_LT(hour.end, 3600s + kSecond);
  EXPECT_LT(hour.rearms, 3600 / 4);
}

}  // namespace
}  // namespace morvane::toolkit
