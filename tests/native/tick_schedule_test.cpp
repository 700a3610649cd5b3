// The interval timer's schedule, driven by a clock the test moves by hand.
#include "ui/toolkit/tick_schedule.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <string>

namespace morvane::toolkit {
namespace {

using namespace std::chrono_literals;
using Millis = TickSchedule::Millis;

constexpr Millis kSecond = 1000ms;
// An arbitrary moment, so that nothing depends on the clock starting at zero.
constexpr Millis kStart = 123'456'789ms;

class TickScheduleTest : public ::testing::Test {
 protected:
  TickScheduleTest() { EXPECT_EQ(schedule_.Start(kStart), kSecond); }

  // The system timer fires `after` the start.
  TickSchedule::Decision FireAt(Millis after) { return schedule_.OnTimer(kStart + after); }

  void ExpectTick(Millis after, Millis wait, std::int64_t ticks) {
    SCOPED_TRACE("fired at +" + std::to_string(after.count()) + " ms");
    const auto decision = FireAt(after);
    EXPECT_TRUE(decision.tick);
    EXPECT_EQ(decision.wait, wait);
    EXPECT_EQ(schedule_.ticks(), ticks);
  }

  TickSchedule schedule_{kSecond};
};

TEST_F(TickScheduleTest, TicksAreDueAtWholeIntervalsFromTheStart) {
  for (std::int64_t k = 1; k <= 5; ++k) ExpectTick(k * kSecond, kSecond, k);
}

TEST_F(TickScheduleTest, AnEarlyFireWaitsForTheRestWithoutTicking) {
  const auto early = FireAt(990ms);
  EXPECT_FALSE(early.tick);
  EXPECT_EQ(early.wait, 10ms);
  EXPECT_EQ(schedule_.ticks(), 0);

  const auto one_short = FireAt(999ms);
  EXPECT_FALSE(one_short.tick);
  EXPECT_EQ(one_short.wait, 1ms);

  ExpectTick(1000ms, kSecond, 1);
  EXPECT_FALSE(FireAt(1500ms).tick);
  ExpectTick(2000ms, kSecond, 2);
}

// Each late tick is measured from the start, not from the late one before it.
TEST_F(TickScheduleTest, LatenessDoesNotAccumulate) {
  ExpectTick(1016ms, 984ms, 1);
  ExpectTick(2032ms, 968ms, 2);
  ExpectTick(3048ms, 952ms, 3);
  ExpectTick(4000ms, kSecond, 4);
  ExpectTick(5999ms, 1ms, 5);
}

TEST_F(TickScheduleTest, ALongStallCollapsesTheMissedTicksIntoOne) {
  ExpectTick(1000ms, kSecond, 1);
  // Busy for four and a half seconds: one tick, then on time again.
  ExpectTick(5500ms, 500ms, 5);
  ExpectTick(6000ms, kSecond, 6);
  ExpectTick(7000ms, kSecond, 7);
}

TEST_F(TickScheduleTest, StartingAgainRestartsTheCount) {
  ExpectTick(3500ms, 500ms, 3);
  const Millis restart = kStart + 3700ms;
  EXPECT_EQ(schedule_.Start(restart), kSecond);
  EXPECT_EQ(schedule_.ticks(), 0);
  EXPECT_FALSE(schedule_.OnTimer(restart + 999ms).tick);
  EXPECT_TRUE(schedule_.OnTimer(restart + 1000ms).tick);
  EXPECT_EQ(schedule_.ticks(), 1);
}

// Whenever the timer fires, the next wait is positive and at most one
// interval, and a tick happens exactly when one has fallen due.
TEST_F(TickScheduleTest, TheWaitIsAlwaysPositive) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> step_ms(0, 2500);
  Millis now{0};
  std::int64_t delivered_until = 0;
  for (int fire = 0; fire < 20000; ++fire) {
    now += Millis{step_ms(random)};
    const auto decision = FireAt(now);
    ASSERT_GT(decision.wait, 0ms) << "at +" << now.count();
    ASSERT_LE(decision.wait, kSecond) << "at +" << now.count();
    const std::int64_t due = now / kSecond;
    ASSERT_EQ(decision.tick, due > delivered_until) << "at +" << now.count();
    delivered_until = due;
    ASSERT_EQ(schedule_.ticks(), due);
  }
}

// A system that fires every timer on the first of its 15.625 ms clock ticks
// after the wait (1000 ms become 1015.625 ms) and then delivers the message
// up to 20 ms late: the hour still ends on time.
TEST(TickScheduleSimulationTest, AnHourOfCoarseLateTimersEndsWithinOneInterval) {
  using Micros = std::chrono::microseconds;
  constexpr Micros kSystemTick{15'625};
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::int64_t> lateness_us(0, 20'000);

  TickSchedule schedule(kSecond);
  Micros now{0};
  const auto clock = [&] { return std::chrono::floor<Millis>(now); };
  Millis wait = schedule.Start(clock());
  int ticks = 0;
  while (ticks < 3600) {
    const auto system_ticks = Micros{wait} / kSystemTick + 1;
    now += system_ticks * kSystemTick + Micros{lateness_us(random)};
    const auto decision = schedule.OnTimer(clock());
    if (decision.tick) ++ticks;
    wait = decision.wait;
  }
  EXPECT_GE(now, 3600s);
  EXPECT_LT(now, 3600s + kSecond);
  EXPECT_EQ(schedule.ticks(), 3600);
}

}  // namespace
}  // namespace morvane::toolkit
