// "Keep ringing until seen": the alarm again while a name is red.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

class RingingAgainTest : public RemindersFixture {};

// Every ten seconds while a name is red, as one however many are, counted
// from the expiry that started it or from being turned on over a red name.
TEST_F(RingingAgainTest, TheAlarmRingsAgainWhileANameIsRedUntilSeenOrTurnedOff) {
  Main().Show();
  Expire(1);
  EXPECT_EQ(AlarmsOver(30), 0) << "off at start";
  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(4), 0);
  Expire(2);  // another name turns red: the count goes on
  EXPECT_EQ(AlarmsOver(4), 0);
  EXPECT_EQ(AlarmsOver(1), 1);
  EXPECT_EQ(AlarmsOver(20), 2);
  Acknowledge(1);
  EXPECT_EQ(AlarmsOver(10), 1) << "a name is still red";
  Acknowledge(2);
  EXPECT_EQ(AlarmsOver(30), 0);

  for (int row = 1; row <= 7; ++row) {
    TimeBox(row).SetText("0:0:1");
    ClickButton(Button(row));
  }
  PassOneSecond();
  for (int row = 1; row <= 7; ++row) DeliverTimerMessage(row);
  EXPECT_EQ(AlarmsOver(10), 1) << "seven at once ring as one";
  for (int row = 1; row <= 6; ++row) Acknowledge(row);
  TimeBox(7).SetText("1:00:00");
  ClickButton(Button(7));
  EXPECT_EQ(AlarmsOver(30), 0) << "a Start turns the last name white";

  Expire(3);
  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(30), 0) << "turned off";
}

}  // namespace
}  // namespace morvane::testing
