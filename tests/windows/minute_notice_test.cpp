// A minute's notice: a row's last minute is told aloud behind whichever
// program is in front, a second after its tick crosses the minute, with the
// rows that cross meanwhile; nothing of the window comes forward.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

class MinuteNoticeTest : public RemindersFixture {};

TEST_F(MinuteNoticeTest, RowsStartedAtOneMinuteThreeAreToldTogetherThreeSecondsLater) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  Choose(L"A minute's notice");
  StartRow(1, "0:1:3");
  StartRow(2, "0:1:3");
  const OtherProgramInFront other(windows_);
  for (int second = 1; second <= 3; ++second) {
    PassOneSecond();
    DeliverTimerMessage(1);
    DeliverTimerMessage(2);
    EXPECT_EQ(Main().TimerNamed("tmrMinuteNotice").Enabled(), second == 3);
  }
  PassOneSecond();
  ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrMinuteNotice").id(), 0);
  EXPECT_EQ(said_, std::vector<std::string>{"(notice) Aldric and Character 2, 1 minute left"});
  EXPECT_EQ(::GetForegroundWindow(), other.hwnd());
  EXPECT_TRUE(flashes_.empty());
}

}  // namespace
}  // namespace morvane::testing
