// The main window's own pictures, and how the program ends.
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message_loop.h"
#include "tests/windows/app_fixture.h"

namespace morvane::testing {
namespace {

using MainWindowActionsTest = AppFixture;
using toolkit::FormName;

// The middle of a picture along the bottom, in client pixels.
constexpr POINT kHelp{64 + 37, 376 + 11};
constexpr POINT kExit{160 + 38, 376 + 11};
constexpr POINT kAbout{256 + 36, 376 + 11};

TEST_F(MainWindowActionsTest, TheAboutPictureShowsOneAboutWindowModelessly) {
  Main().Show();
  ClickAt(Main().hwnd(), kAbout);
  toolkit::Form* about = windows_.Existing(FormName::Form2);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(::IsWindowVisible(about->hwnd()));
  ClickAt(Main().hwnd(), kAbout);
  EXPECT_EQ(windows_.Existing(FormName::Form2), about);
  EXPECT_TRUE(::IsWindowEnabled(Main().hwnd()));
}

TEST_F(MainWindowActionsTest, APictureClicksOnlyWhenPressedAndReleasedInsideIt) {
  Main().Show();
  HWND hwnd = Main().hwnd();
  ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kAbout.x, kAbout.y));
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(kExit.x, kExit.y));
  ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kExit.x, kExit.y));
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(kAbout.x, kAbout.y));
  EXPECT_EQ(windows_.Existing(FormName::Form2), nullptr);
  EXPECT_TRUE(::IsWindow(hwnd));
}

TEST_F(MainWindowActionsTest, HelpTheLabelsAndTheBackgroundReactToNoClick) {
  Main().Show();
  TimeBox(1).SetText("0:0:9");
  for (const POINT at : {kHelp, POINT{230, 105}, POINT{295, 105}, POINT{5, 5}, POINT{380, 200}}) {
    ClickAt(Main().hwnd(), at);
  }
  EXPECT_FALSE(PumpMessages(windows_));
  EXPECT_EQ(windows_.Existing(FormName::Form2), nullptr);
  EXPECT_TRUE(::IsWindowVisible(Main().hwnd()));
  EXPECT_EQ(Button(1).Caption(), "Start");
  EXPECT_EQ(TimeBox(1).Text(), "0:0:9");
}

// A click on the Exit picture, queued for the program's own loop.
void PostExitClick(HWND main_window) {
  const LPARAM where = MAKELPARAM(kExit.x, kExit.y);
  ::PostMessageW(main_window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::PostMessageW(main_window, WM_LBUTTONUP, 0, where);
}

TEST_F(MainWindowActionsTest, ExitWhileRowsRunEndsTheLoopWithNoAlarmLater) {
  Main().Show();
  TimeBox(1).SetText("0:0:1");
  ClickButton(Button(1));
  clock_.now += std::chrono::milliseconds{5000};  // the row's next tick would sound the alarm
  PostExitClick(Main().hwnd());
  EXPECT_EQ(RunMessageLoop(windows_), 0);
  // The row's timer was due a second after its start: a row still counting
  // anywhere would tick, and sound, within this wait.
  EXPECT_FALSE(DeliverMessagesUntil(windows_, [this] { return cues_.size() > 1; },
                                    std::chrono::milliseconds{1100}));
  EXPECT_EQ(cues_, std::vector<Cue>{Cue::Start});
}

TEST_F(MainWindowActionsTest, ExitEndsTheProgramEvenWithTheAboutWindowHidden) {
  Main().Show();
  ClickAt(Main().hwnd(), kAbout);
  ClickButton(About().ButtonNamed("Command1"));
  ASSERT_NE(windows_.Existing(FormName::Form2), nullptr);
  PostExitClick(Main().hwnd());
  EXPECT_EQ(RunMessageLoop(windows_), 0);
}

TEST_F(MainWindowActionsTest, TheTitleBarCloseEndsTheProgramSilentlyWhileRowsRun) {
  Main().Show();
  TimeBox(2).SetText("0:0:1");
  ClickButton(Button(2));
  // Due now: any tick the close let through would end the countdown with the alarm.
  clock_.now += std::chrono::milliseconds{1000};
  ::PostMessageW(Main().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(RunMessageLoop(windows_), 0);
  EXPECT_EQ(cues_, std::vector<Cue>{Cue::Start});
}

TEST_F(MainWindowActionsTest, EnterClicksAFocusedButtonAndDoesNothingElsewhere) {
  Main().Show();
  PumpMessages(windows_);
  TimeBox(1).SetText("0:0:9");
  TimeBox(1).Focus();
  PressKey(windows_, VK_RETURN);
  PressKey(windows_, VK_ESCAPE);
  EXPECT_EQ(Button(1).Caption(), "Start");
  EXPECT_TRUE(::IsWindowVisible(Main().hwnd()));
  ::SetFocus(Button(1).hwnd());
  PressKey(windows_, VK_RETURN);
  EXPECT_EQ(Button(1).Caption(), "Stop");
  PressKey(windows_, VK_SPACE);
  EXPECT_EQ(Button(1).Caption(), "Start");
}

TEST_F(MainWindowActionsTest, AnAlarmRestoresAMinimisedMainWindow) {
  Main().Show();
  TimeBox(6).SetText("0:0:1");
  ClickButton(Button(6));
  ::ShowWindow(Main().hwnd(), SW_MINIMIZE);
  Tick(6);
  EXPECT_FALSE(::IsIconic(Main().hwnd()));
  EXPECT_TRUE(::IsWindowVisible(Main().hwnd()));
}

// An alarm comes forward, except when Windows refuses it the foreground (the
// user works in another program): then the window is shown behind, and its
// taskbar button flashes until the user comes to the program. In every state
// where Windows holds its own notifications back (a full-screen program, a
// Store one full screen, a presentation, the user away, a state not known
// here), the window is left alone: it stays behind the window in front,
// minimised if it was, and only flashes; it is restored when the user comes.
// A Store program maximised, captioned, or covering only the work area that a
// taskbar leaves, is in a window on the desktop.
TEST_F(MainWindowActionsTest, AnAlarmKeptBehindFlashesUntilTheUserComes) {
  enum class Other { Windowed, FullScreen, Maximised, OverTheWorkArea, CaptionedOverTheScreen };
  struct Case {
    QUERY_USER_NOTIFICATION_STATE state;
    bool refused;
    bool minimised;
    bool left_alone;
    Other other = Other::Windowed;
  };
  for (const Case c : {Case{QUNS_ACCEPTS_NOTIFICATIONS, false, true, false},
                       // Wine gives a restored window the foreground, whatever the test refuses
                       Case{QUNS_ACCEPTS_NOTIFICATIONS, true, false, false},
                       Case{QUNS_QUIET_TIME, false, true, false},
                       Case{QUNS_NOT_PRESENT, false, true, true},
                       Case{platform::kStoreAppRunning, false, true, true, Other::FullScreen},
                       Case{platform::kStoreAppRunning, false, false, true, Other::FullScreen},
                       Case{platform::kStoreAppRunning, false, true, false},
                       Case{platform::kStoreAppRunning, false, false, false, Other::Maximised},
                       Case{platform::kStoreAppRunning, false, false, false, Other::OverTheWorkArea},
                       Case{platform::kStoreAppRunning, false, false, false,
                            Other::CaptionedOverTheScreen},
                       Case{QUNS_BUSY, false, true, true},
                       Case{QUNS_BUSY, false, false, true},
                       Case{QUNS_RUNNING_D3D_FULL_SCREEN, false, true, true},
                       Case{QUNS_RUNNING_D3D_FULL_SCREEN, false, false, true},
                       Case{QUNS_PRESENTATION_MODE, false, true, true},
                       Case{QUNS_PRESENTATION_MODE, false, false, true},
                       Case{static_cast<QUERY_USER_NOTIFICATION_STATE>(0), false, false, true}}) {
    SCOPED_TRACE("state " + std::to_string(c.state) + (c.refused ? ", refused" : "") +
                 (c.minimised ? ", minimised" : "") + ", other " +
                 std::to_string(static_cast<int>(c.other)));
    notification_state_ = c.state;
    foreground_refused_ = c.refused;
    flashes_.clear();
    Main().Show();
    TimeBox(6).SetText("0:0:1");
    ClickButton(Button(6));
    if (c.minimised) {
      ::ShowWindow(Main().hwnd(), SW_MINIMIZE);
    }
    const OtherProgramInFront other(windows_);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    work_area_ = c.other == Other::OverTheWorkArea ? std::optional(RECT{0, 0, width, height - 40})
                                                   : std::nullopt;
    if (c.other == Other::FullScreen || c.other == Other::OverTheWorkArea) {
      ::SetWindowLongW(other.hwnd(), GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE));
    }
    if (c.other == Other::Maximised) {
      ::ShowWindow(other.hwnd(), SW_MAXIMIZE);
    } else if (c.other != Other::Windowed) {
      ::SetWindowPos(other.hwnd(), nullptr, 0, 0, width, work_area_ ? work_area_->bottom : height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    Tick(6);
    const bool behind = c.refused || c.left_alone;
    if (c.left_alone) {
      EXPECT_EQ(::IsIconic(Main().hwnd()) != FALSE, c.minimised);
      EXPECT_TRUE(IsInFront(other.hwnd(), Main().hwnd()));
    } else {
      EXPECT_FALSE(::IsIconic(Main().hwnd()));
      EXPECT_TRUE(::IsWindowVisible(Main().hwnd()));
    }
    EXPECT_EQ(::GetForegroundWindow() == Main().hwnd(), !behind);
    EXPECT_EQ(flashing_, behind ? std::set<HWND>{Main().hwnd()} : std::set<HWND>{});
    EXPECT_EQ(flashes_.empty(), !behind);
    // The user comes back from the other program, as by the taskbar button:
    // Windows tells the program, and activates the window.
    ::SetForegroundWindow(Main().hwnd());
    EXPECT_FALSE(::IsIconic(Main().hwnd()));
    EXPECT_EQ(::GetForegroundWindow(), Main().hwnd());
    EXPECT_TRUE(flashing_.empty());
  }
}

TEST_F(MainWindowActionsTest, AfterTheEndTheNextUseCreatesAFreshMainWindow) {
  NameBox(1).SetText("Someone");
  Main().Unload();
  PumpMessages(windows_);
  EXPECT_EQ(NameBox(1).Text(), "Character 1");
  EXPECT_EQ(Button(1).Caption(), "Start");
}

}  // namespace
}  // namespace morvane::testing
