// The options at the foot of the main window's system menu: their check
// marks, the window kept on top and the About window in front of it.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

class SystemMenuOptionsTest : public RemindersFixture {};

TEST_F(SystemMenuOptionsTest, TheOptionsTurnTheirCheckMarksOverAndOnTopKeepsTheWindowAbove) {
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
}

// Above the main window kept on top, however it is opened, and when the
// option comes on while it is open; with the option off, either window can
// be in front of the other.
TEST_F(SystemMenuOptionsTest, TheAboutWindowStaysInFrontOfTheMainWindowKeptOnTop) {
  Main().Show();
  // After the user brings the About window to the top, and then the main
  // window, as a click on each does.
  const auto in_front_of_main = [this] {
    for (HWND window : {About().hwnd(), Main().hwnd()}) {
      ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return IsInFront(About().hwnd(), Main().hwnd());
  };
  Choose(kOnTop);
  Main().Image3_Click();
  EXPECT_TRUE(in_front_of_main()) << "opened by its picture";
  ::SendMessageW(About().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Choose(kAbout);
  EXPECT_TRUE(in_front_of_main()) << "opened anew from the system menu";
  Choose(kOnTop);
  EXPECT_FALSE(in_front_of_main()) << "the option turned off";
  EXPECT_FALSE(::GetWindowLongW(About().hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  Choose(kOnTop);
  EXPECT_TRUE(in_front_of_main()) << "the option turned on while it is open";
}

}  // namespace
}  // namespace morvane::testing
