// The About window: one instance, shown modelessly, hidden by Close, and
// created anew only after the title-bar close.
#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "tests/windows/app_fixture.h"
#include "ui/about/form2_layout.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/controls/label.h"
#include "ui/toolkit/controls/pixel_bounds.h"
#include "ui/toolkit/form/default_fonts.h"

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
  EXPECT_NE(::SendMessageW(about, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageW(about, WM_GETICON, ICON_SMALL, 0), 0);
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

// The size the layouts were made for, 8 points, at `dpi`.
platform::unique_hfont EightPointFont(const wchar_t* face, int dpi = toolkit::kDesignDpi) {
  return platform::unique_hfont(::CreateFontW(
      -::MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

// What a font really is once selected: one that is not installed falls
// back to another face.
struct FontFacts {
  std::wstring face;
  int line_height;
};

FontFacts FactsOf(HFONT font) {
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  const platform::SelectedObject selected(dc.get(), font);
  wchar_t face[LF_FACESIZE] = {};
  ::GetTextFaceW(dc.get(), LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc.get(), &metrics);
  return FontFacts{face, metrics.tmHeight};
}

// A label painted alone in `font`, as its form paints it at `dpi` with the
// designed colours, read row by row.
class PaintedLabel {
 public:
  PaintedLabel(const toolkit::ControlDesign& design, HFONT font, int dpi = toolkit::kDesignDpi)
      : bounds_(toolkit::BoundsOf(design, dpi)),
        back_(design.back.value_or(0)),
        line_height_(FactsOf(font).line_height),
        pixels_(bounds_.right, bounds_.bottom, [&design, font, dpi](HDC dc) {
          const toolkit::ContrastMode designed_colours([] { return false; });
          toolkit::Label(design, dpi, designed_colours).Paint(dc, font);
        }) {}

  // Rows of the label's first line of text, and of the lines below it, that
  // hold anything but the label's back colour.
  int InkedRowsInFirstLine() const { return InkedRows(0, line_height_); }
  int InkedRowsBelowFirstLine() const {
    return InkedRows(line_height_, bounds_.bottom - bounds_.top);
  }

 private:
  int InkedRows(int from, int to) const {
    int inked = 0;
    for (int y = bounds_.top + from; y < bounds_.top + to; ++y) {
      for (int x = bounds_.left; x < bounds_.right; ++x) {
        if (pixels_.At(x, y) != back_) {
          ++inked;
          break;
        }
      }
    }
    return inked;
  }

  RECT bounds_;
  Colour back_;
  int line_height_;
  ClientPixels pixels_;
};

// Every label of both windows holds a one-line caption: it stays on one line,
// and ends within its label, in the windows' default font at the screen's dpi
// and in the two faces that font stands for under Wine (Tahoma) and on
// Windows (MS Sans Serif, or its TrueType twin), all at 8 points. Scripts run
// this again with the Wine prefix at 120, 144 and 192 dpi.
TEST_F(AboutWindowTest, EachLineFitsItsLabelInTheDefaultFont) {
  const int dpi = platform::SystemDpi();
  std::vector<toolkit::ControlDesign> labels = main_window::Form1Controls();
  const std::vector<toolkit::ControlDesign> about = about_window::Form2Controls();
  labels.insert(labels.end(), about.begin(), about.end());
  std::erase_if(labels,
                [](const auto& control) { return control.kind != toolkit::ControlKind::Label; });
  ASSERT_EQ(labels.size(), 6u) << "the main window's two captions, the About window's four lines";
  toolkit::DefaultFonts default_fonts;
  const platform::unique_hfont tahoma = EightPointFont(L"Tahoma", dpi);
  const platform::unique_hfont ms_sans_serif = EightPointFont(L"MS Sans Serif", dpi);
  ASSERT_EQ(FactsOf(tahoma.get()).face, L"Tahoma");
  ASSERT_EQ(FactsOf(ms_sans_serif.get()).face, L"MS Sans Serif");
  const std::pair<const wchar_t*, HFONT> fonts[] = {
      {L"the default font", default_fonts.At(dpi)},
      {L"Tahoma", tahoma.get()},
      {L"MS Sans Serif", ms_sans_serif.get()}};
  for (const auto& [face, font] : fonts) {
    SCOPED_TRACE(face);
    for (const auto& label : labels) {
      SCOPED_TRACE(label.name);
      const PaintedLabel painted(label, font, dpi);
      EXPECT_GT(painted.InkedRowsInFirstLine(), 0) << "its caption shows";
      EXPECT_EQ(painted.InkedRowsBelowFirstLine(), 0) << "on one line";
      const RECT bounds = toolkit::BoundsOf(label, dpi);
      EXPECT_LE(InkedSize(font, label.text).cx, bounds.right - bounds.left) << "whole";
    }
  }
}

// A label wraps only text that really is longer than itself. "Version 1.0"
// fills its label to the pixel in Tahoma: in a font one pixel wider it keeps
// its line, while a longer text still wraps.
TEST_F(AboutWindowTest, TheVersionKeepsItsLineInAFontAPixelWiderWhileLongerTextWraps) {
  const platform::unique_hfont tahoma = EightPointFont(L"Tahoma");
  ASSERT_EQ(FactsOf(tahoma.get()).face, L"Tahoma");
  const std::vector<toolkit::ControlDesign> about = about_window::Form2Controls();
  toolkit::ControlDesign version = *std::find_if(
      about.begin(), about.end(), [](const auto& control) { return control.name == "Label2"; });
  ASSERT_EQ(version.text, L"Version 1.0");
  SIZE extent{};
  {
    const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
    const platform::SelectedObject selected(dc.get(), tahoma.get());
    ::GetTextExtentPoint32W(dc.get(), version.text.c_str(), static_cast<int>(version.text.size()),
                            &extent);
  }
  // The same as the text one pixel wider than the label.
  version.width = (extent.cx - 1) * (toolkit::kTwipsPerInch / toolkit::kDesignDpi);
  EXPECT_EQ(PaintedLabel(version, tahoma.get()).InkedRowsBelowFirstLine(), 0);
  version.text = L"Version 1.0 of the program";
  EXPECT_GT(PaintedLabel(version, tahoma.get()).InkedRowsBelowFirstLine(), 0);
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

// The row's own timer message, from the system, through the program's loop
// while the About window is the active one.
TEST_F(AboutWindowTest, RowsKeepCountingWhileItIsOpen) {
  Main().Show();
  TimeBox(1).SetText("0:0:5");
  ClickButton(Button(1));
  windows_.Show(FormName::Form2);
  PumpMessages(windows_);
  ASSERT_EQ(::GetActiveWindow(), About().hwnd());
  clock_.now += std::chrono::milliseconds{1000};
  EXPECT_TRUE(DeliverMessagesUntil(windows_, [this] { return TimeBox(1).Text() != "0:0:5"; },
                                   std::chrono::seconds{5}));
  EXPECT_EQ(TimeBox(1).Text(), "00:00:04");
  EXPECT_TRUE(::IsWindowEnabled(Main().hwnd())) << "modeless: the main window stays usable";
}

}  // namespace
}  // namespace morvane::testing
