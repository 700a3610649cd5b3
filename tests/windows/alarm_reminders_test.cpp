// What reminds the user of a name gone red: the alarm ringing again, when
// asked for in the system menu, and the taskbar badge; and the menu's options.
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "tests/windows/app_fixture.h"

namespace morvane::testing {
namespace {

class AlarmRemindersTest : public AppFixture {
 protected:
  void Expire(int row) {
    TimeBox(row).SetText("0:0:1");
    ClickButton(Button(row));
    Tick(row);
  }
  void Acknowledge(int row) { ClickAt(NameBox(row).hwnd(), POINT{5, 5}); }

  // The system menu's option that reads `text`, as the user picks it.
  UINT Option(const wchar_t* text) {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    std::array<wchar_t, 64> shown{};
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      ::GetMenuStringW(menu, static_cast<UINT>(index), shown.data(), 64, MF_BYPOSITION);
      if (std::wstring(shown.data()) == text) return ::GetMenuItemID(menu, index);
    }
    return 0;
  }
  void Choose(const wchar_t* text) {
    ::SendMessageW(Main().hwnd(), WM_SYSCOMMAND, Option(text), 0);
  }
  bool Checked(const wchar_t* text) {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    return (::GetMenuState(menu, Option(text), MF_BYCOMMAND) & MF_CHECKED) != 0;
  }

  // The alarms that ring while `seconds` pass, a second at a time, the
  // ringing's timer message arriving each second.
  long AlarmsOver(int seconds) {
    cues_.clear();
    for (int second = 0; second < seconds; ++second) {
      PassOneSecond();
      ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrRing").id(), 0);
    }
    return std::count(cues_.begin(), cues_.end(), Cue::Alarm);
  }

  static constexpr const wchar_t* kKeepRinging = L"&Keep ringing until seen";
  static constexpr const wchar_t* kOnTop = L"Always on &top";
};

TEST_F(AlarmRemindersTest, TheOptionsTurnTheirCheckMarksOverAndOnTopKeepsTheWindowAbove) {
  Main().Show();
  const auto on_top = [](HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  for (const bool on : {true, false}) {
    Choose(kOnTop);
    EXPECT_EQ(Checked(kOnTop), on);
    EXPECT_EQ(on_top(Main().hwnd()), on);
    EXPECT_FALSE(Checked(kKeepRinging));
  }
  Choose(kKeepRinging);
  EXPECT_TRUE(Checked(kKeepRinging));
  EXPECT_FALSE(Checked(kOnTop));
  Choose(kOnTop);
  About().Show();
  EXPECT_FALSE(on_top(About().hwnd())) << "the About window keeps its own place";
}

// Every ten seconds while a name is red, as one however many are, counted
// from the expiry that started it or from being turned on over a red name.
TEST_F(AlarmRemindersTest, TheAlarmRingsAgainWhileANameIsRedUntilSeenOrTurnedOff) {
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

// Once the taskbar has announced the button, and again when it announces it
// anew (Explorer restarted), while any name is red.
TEST_F(AlarmRemindersTest, TheTaskbarBadgeShowsWhileANameIsRed) {
  Main().Show();
  const Badge badge{Main().hwnd(), platform::SystemMetricAt(SM_CXSMICON, Main().Dpi()),
                    L"Time is up"};
  const Badge none{Main().hwnd(), 0, L""};
  const auto announce = [this] {
    ::SendMessageW(Main().hwnd(), ::RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
  };
  Expire(1);
  EXPECT_EQ(badges_, std::vector<Badge>{}) << "before the taskbar announced the button";
  announce();
  Expire(2);
  Acknowledge(1);
  EXPECT_EQ(badges_, std::vector<Badge>{badge}) << "asked once while a name stays red";
  Acknowledge(2);
  Expire(3);
  announce();
  EXPECT_EQ(badges_, (std::vector<Badge>{badge, none, badge, badge}));
}

}  // namespace
}  // namespace morvane::testing
