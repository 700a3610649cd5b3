// What reminds the user of a name gone red: the alarm ringing again, when
// asked for in the system menu, and the taskbar badge; and the menu's options.
#include <windows.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "platform/dpi.h"
#include "tests/windows/app_fixture.h"
#include "ui/artwork/icon_data.h"

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

// The icon drawn at its size over a grey, as the taskbar blends it.
ClientPixels Drawn(HICON icon, int size) {
  return ClientPixels(size, size, [&](HDC dc) {
    const RECT all{0, 0, size, size};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  });
}

// Where two pictures of one size differ, or nothing.
std::string Differences(const ClientPixels& made, const ClientPixels& drawn) {
  std::ostringstream out;
  int count = 0;
  for (int y = 0; y < made.Height(); ++y) {
    for (int x = 0; x < made.Width(); ++x) {
      if (made.At(x, y) == drawn.At(x, y)) continue;
      if (count++ == 0) {
        out << "(" << x << ", " << y << ") is " << std::hex << made.At(x, y) << ", drawn "
            << drawn.At(x, y) << std::dec;
      }
    }
  }
  if (count > 0) out << "; " << count << " pixels differ";
  return out.str();
}

int IconWidth(HICON icon) {
  ICONINFO parts{};
  BITMAP colour{};
  if (::GetIconInfo(icon, &parts)) {
    ::GetObjectW(parts.hbmColor, sizeof colour, &colour);
    ::DeleteObject(parts.hbmColor);
    ::DeleteObject(parts.hbmMask);
  }
  return colour.bmWidth;
}

// At each size it was drawn at (a small icon's at 100 to 300 %), the badge is
// that drawing, as Windows reads it from an icon group: the tests' own copy of
// the file. Between them, and above, it is made at the size asked.
TEST(TaskbarBadgeIconTest, IsAsDrawnAtEachSizeDrawnAndMadeAtAnyOther) {
  constexpr int kBadgeAsDrawn = 900;  // in test_resources.rc
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const struct {
    int size;
    bool drawn;
  } cases[] = {{16, true},  {20, true}, {24, true}, {28, false}, {32, true},
               {36, false}, {40, true}, {48, true}, {56, false}};
  for (const auto& [size, drawn] : cases) {
    SCOPED_TRACE(size);
    const platform::unique_hicon made =
        artwork::IconFromData(instance, MAKEINTRESOURCEW(IDR_TIME_IS_UP_BADGE), size);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(IconWidth(made.get()), size);
    if (drawn) {
      const platform::unique_hicon as_drawn(static_cast<HICON>(
          ::LoadImageW(instance, MAKEINTRESOURCEW(kBadgeAsDrawn), IMAGE_ICON, size, size, 0)));
      EXPECT_EQ(Differences(Drawn(made.get(), size), Drawn(as_drawn.get(), size)), "");
    }
  }
}

}  // namespace
}  // namespace morvane::testing
