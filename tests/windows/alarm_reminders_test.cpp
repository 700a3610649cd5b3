// What reminds the user of a name gone red: the alarm ringing again, when
// asked for in the system menu, and the badge on the taskbar button; and the
// system menu's two options.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "tests/windows/app_fixture.h"
#include "ui/main/form1_layout.h"

namespace morvane::testing {
namespace {

constexpr const wchar_t* kKeepRinging = L"&Keep ringing until seen";
constexpr const wchar_t* kAlwaysOnTop = L"Always on &top";

class AlarmRemindersTest : public AppFixture {
 protected:
  void StartRow(int row, const char* time) {
    TimeBox(row).SetText(time);
    ClickButton(Button(row));
  }

  // The system menu's item that reads `text`, as the user picks it.
  UINT MenuCommand(const wchar_t* text) {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      std::array<wchar_t, 64> shown{};
      ::GetMenuStringW(menu, static_cast<UINT>(index), shown.data(),
                       static_cast<int>(shown.size()), MF_BYPOSITION);
      if (std::wstring(shown.data()) == text) {
        return ::GetMenuItemID(menu, index);
      }
    }
    ADD_FAILURE() << "no such item in the system menu";
    return 0;
  }
  void Choose(const wchar_t* option) {
    ::SendMessageW(Main().hwnd(), WM_SYSCOMMAND, MenuCommand(option), 0);
  }
  bool Checked(const wchar_t* option) {
    return (::GetMenuState(::GetSystemMenu(Main().hwnd(), FALSE), MenuCommand(option),
                           MF_BYCOMMAND) &
            MF_CHECKED) != 0;
  }

  // The alarms that ring while `seconds` pass, a second at a time, the
  // ringing's timer message arriving each second.
  int AlarmsOver(int seconds) {
    cues_.clear();
    for (int second = 0; second < seconds; ++second) {
      PassOneSecond();
      ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrRing").id(), 0);
    }
    return static_cast<int>(std::count(cues_.begin(), cues_.end(), Cue::Alarm));
  }

  void AnnounceTaskbarButton() {
    ::SendMessageW(Main().hwnd(), ::RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
  }
};

TEST_F(AlarmRemindersTest, TheOptionsTurnTheirCheckMarksOverAndOnTopKeepsTheWindowAbove) {
  Main().Show();
  const auto topmost = [](HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  EXPECT_FALSE(Checked(kKeepRinging));
  EXPECT_FALSE(Checked(kAlwaysOnTop));
  EXPECT_FALSE(topmost(Main().hwnd()));

  Choose(kAlwaysOnTop);
  EXPECT_TRUE(Checked(kAlwaysOnTop));
  EXPECT_FALSE(Checked(kKeepRinging));
  EXPECT_TRUE(topmost(Main().hwnd()));
  About().Show();
  EXPECT_FALSE(topmost(About().hwnd())) << "the About window keeps its own place";
  Choose(kAlwaysOnTop);
  EXPECT_FALSE(Checked(kAlwaysOnTop));
  EXPECT_FALSE(topmost(Main().hwnd()));

  Choose(kKeepRinging);
  EXPECT_TRUE(Checked(kKeepRinging));
  EXPECT_FALSE(topmost(Main().hwnd()));
  Choose(kKeepRinging);
  EXPECT_FALSE(Checked(kKeepRinging));
}

TEST_F(AlarmRemindersTest, RingingStartsWhenAskedForOverARedNameAndStopsWhenItIsSeen) {
  Main().Show();
  StartRow(1, "0:0:1");
  Tick(1);
  ASSERT_EQ(NameBox(1).TextColour(), kRed);
  EXPECT_EQ(AlarmsOver(30), 0) << "off at start: the alarm rings once";

  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(4), 0);
  StartRow(2, "0:0:1");
  Tick(2);  // another name turns red meanwhile: the count goes on
  EXPECT_EQ(AlarmsOver(4), 0);
  EXPECT_EQ(AlarmsOver(1), 1) << "ten seconds after it was asked for";
  EXPECT_EQ(AlarmsOver(20), 2);
  ClickAt(NameBox(1).hwnd(), POINT{5, 5});
  ClickAt(NameBox(2).hwnd(), POINT{5, 5});
  EXPECT_EQ(AlarmsOver(30), 0) << "the names were seen";
}

// Counted from the expiry that started it, one ring for every red name, until
// the last is white again: by a click, or by a Start. Or until turned off.
TEST_F(AlarmRemindersTest, RowsExpiringTogetherRingAsOneUntilTheLastNameIsWhiteOrItIsTurnedOff) {
  Main().Show();
  Choose(kKeepRinging);
  for (int row = 1; row <= main_window::kRowCount; ++row) {
    StartRow(row, "0:0:1");
  }
  PassOneSecond();
  for (int row = 1; row <= main_window::kRowCount; ++row) {
    DeliverTimerMessage(row);
  }
  ASSERT_EQ(NameBox(7).TextColour(), kRed);
  EXPECT_EQ(AlarmsOver(9), 0);
  EXPECT_EQ(AlarmsOver(1), 1);
  for (int row = 1; row < main_window::kRowCount; ++row) {
    ClickAt(NameBox(row).hwnd(), POINT{5, 5});
  }
  EXPECT_EQ(AlarmsOver(10), 1) << "one name is still red";
  StartRow(7, "1:00:00");
  EXPECT_EQ(AlarmsOver(30), 0) << "a Start turns the last name white";

  StartRow(2, "0:0:1");
  Tick(2);
  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(30), 0) << "turned off";
}

// Once the taskbar has announced the button, and again after it announces it
// anew (Explorer restarted), while any name is red.
TEST_F(AlarmRemindersTest, TheTaskbarBadgeShowsWhileANameIsRed) {
  Main().Show();
  const int icon_size = platform::SystemMetricAt(SM_CXSMICON, Main().Dpi());
  const auto shown = [&] {
    return !badges_.empty() && badges_.back().window == Main().hwnd() &&
           badges_.back().icon_size == icon_size && badges_.back().description == L"Time is up";
  };
  StartRow(1, "0:0:1");
  Tick(1);
  EXPECT_TRUE(badges_.empty()) << "asked before the taskbar announced the button";
  AnnounceTaskbarButton();
  EXPECT_TRUE(shown());

  StartRow(2, "0:0:1");
  Tick(2);
  ClickAt(NameBox(1).hwnd(), POINT{5, 5});
  EXPECT_EQ(badges_.size(), 1u) << "shown already, and a name is still red";
  ClickAt(NameBox(2).hwnd(), POINT{5, 5});
  ASSERT_EQ(badges_.size(), 2u);
  EXPECT_EQ(badges_.back().icon_size, 0) << "not taken off";

  StartRow(3, "0:0:1");
  Tick(3);
  EXPECT_TRUE(shown());
  badges_.clear();
  AnnounceTaskbarButton();
  EXPECT_TRUE(shown());
}

}  // namespace
}  // namespace morvane::testing
