// The About window: one instance, shown modelessly, hidden by Close, and
// created anew only after the title-bar close.
#include <array>
#include <cwchar>
#include <string>

#include <gtest/gtest.h>

#include "tests/windows/app_fixture.h"

namespace morvane::testing {
namespace {

using AboutWindowTest = AppFixture;
using toolkit::FormName;

RECT WindowRect(HWND hwnd) {
  RECT rect;
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

bool IsCentredOnScreen(HWND hwnd) {
  const RECT rect = WindowRect(hwnd);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  return rect.left == (::GetSystemMetrics(SM_CXSCREEN) - width) / 2 &&
         rect.top == (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
}

TEST_F(AboutWindowTest, IsASmallFixedBlackDialogOffTheTaskbarAndNotOwnedByTheMainWindow) {
  Main().Show();
  windows_.Show(FormName::Form2);
  HWND about = About().hwnd();
  RECT client;
  ::GetClientRect(about, &client);
  EXPECT_EQ(client.right, 304);
  EXPECT_EQ(client.bottom, 152);
  EXPECT_EQ(WindowText(about), L"About");
  const auto style = static_cast<DWORD>(::GetWindowLongW(about, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(::GetWindowLongW(about, GWL_EXSTYLE));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(ex_style & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(ex_style & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW));
  HWND owner = ::GetWindow(about, GW_OWNER);
  ASSERT_NE(owner, nullptr) << "an owned window gets no taskbar button";
  EXPECT_NE(owner, Main().hwnd());
  EXPECT_FALSE(::IsWindowVisible(owner));
  EXPECT_TRUE(IsCentredOnScreen(about));
  EXPECT_NE(::GetClassLongPtrW(about, GCLP_HICON), 0u);
}

TEST_F(AboutWindowTest, ShowsItsTextsWhiteOnBlackWithCloseHoldingTheFocus) {
  windows_.Show(FormName::Form2);
  PumpMessages(windows_);
  EXPECT_EQ(::GetFocus(), About().ButtonNamed("Command1").hwnd());
  EXPECT_EQ(About().ButtonNamed("Command1").Caption(), "Close");
  const ClientPixels pixels(About().hwnd());
  int white = 0;
  int other = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      const auto colour = pixels.At(x, y);
      if (colour == 0xFFFFFFu) {
        ++white;
      } else if (colour != 0) {
        ++other;  // anti-aliased text edges
      }
    }
  }
  EXPECT_GT(white, 150) << "four lines of white text";
  // The web address stands in the strip below y 136, cut off at the bottom.
  int address = 0;
  for (int y = 136; y < 152; ++y) {
    for (int x = 0; x < 121; ++x) address += pixels.At(x, y) != 0;
  }
  EXPECT_GT(address, 20);
}

BOOL CALLBACK CountAboutWindows(HWND hwnd, LPARAM counter) {
  wchar_t name[32] = {};
  ::GetClassNameW(hwnd, name, 32);
  if (std::wstring(name) == L"Morvane.Form2") ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

TEST_F(AboutWindowTest, EachLineFitsItsLabelInTheDefaultFont) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
  struct Case {
    const wchar_t* text;
    int width;  // pixels
  };
  for (const Case& c : {Case{L"Morvane", 57}, Case{L"Version 1.0", 57},
                        Case{L"Written by Mia Solvang", 129}, Case{L"https://mv.example/1.0", 121}}) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc, c.text, static_cast<int>(std::wcslen(c.text)), &size);
    EXPECT_LE(size.cx, c.width) << std::wstring(c.text).c_str();
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
}

TEST_F(AboutWindowTest, ShowingTwiceGivesOneWindow) {
  windows_.Show(FormName::Form2);
  HWND first = About().hwnd();
  windows_.Show(FormName::Form2);
  EXPECT_EQ(About().hwnd(), first);
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountAboutWindows, reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 1);
}

TEST_F(AboutWindowTest, CloseHidesAndTheNextShowBringsBackTheSameWindowWhereItWas) {
  windows_.Show(FormName::Form2);
  HWND about = About().hwnd();
  ::SetWindowPos(about, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const RECT moved = WindowRect(about);
  ClickButton(About().ButtonNamed("Command1"));
  EXPECT_TRUE(::IsWindow(about));
  EXPECT_FALSE(::IsWindowVisible(about));
  windows_.Show(FormName::Form2);
  EXPECT_EQ(About().hwnd(), about);
  EXPECT_TRUE(::IsWindowVisible(about));
  EXPECT_TRUE(::EqualRect(&moved, std::array{WindowRect(about)}.data()));
}

TEST_F(AboutWindowTest, TheTitleBarCloseDestroysItAndTheNextShowCreatesANewCentredOne) {
  windows_.Show(FormName::Form2);
  HWND first = About().hwnd();
  ::SetWindowPos(first, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::SendMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_EQ(windows_.Existing(FormName::Form2), nullptr);
  windows_.Show(FormName::Form2);
  EXPECT_TRUE(::IsWindowVisible(About().hwnd()));
  EXPECT_TRUE(IsCentredOnScreen(About().hwnd()));
}

TEST_F(AboutWindowTest, EscapeDoesNothingWhileEnterAndSpaceOnCloseHideIt) {
  windows_.Show(FormName::Form2);
  PumpMessages(windows_);
  HWND about = About().hwnd();
  ASSERT_EQ(::GetActiveWindow(), about);
  PressKey(windows_, VK_ESCAPE);
  EXPECT_TRUE(::IsWindowVisible(about));
  PressKey(windows_, VK_RETURN);
  EXPECT_FALSE(::IsWindowVisible(about));

  windows_.Show(FormName::Form2);
  PumpMessages(windows_);
  ASSERT_EQ(::GetFocus(), About().ButtonNamed("Command1").hwnd());
  PressKey(windows_, VK_SPACE);
  EXPECT_FALSE(::IsWindowVisible(about));
}

TEST_F(AboutWindowTest, RowsKeepCountingWhileItIsOpen) {
  Main().Show();
  TimeBox(1).SetText("0:0:5");
  ClickButton(Button(1));
  windows_.Show(FormName::Form2);
  Tick(1);
  Tick(1);
  EXPECT_EQ(TimeBox(1).Text(), "00:00:03");
  EXPECT_TRUE(::IsWindowEnabled(Main().hwnd())) << "modeless: the main window stays usable";
}

}  // namespace
}  // namespace morvane::testing
