// The windows at the screen's dpi, whatever it is: scripts run these tests
// again with the Wine prefix at 120, 144 and 192 dpi. Every place and size is
// the design's twips at that dpi, every text fits its box in the font made
// for it, the background covers the client area and the pictures click. A
// window sent to a monitor of another dpi is laid out again for that one.
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "countdown/countdown_row.h"
#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/system_library.h"
#include "platform/text_encoding.h"
#include "tests/windows/app_fixture.h"
#include "ui/about/form2_layout.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/form/default_fonts.h"

namespace morvane::testing {
namespace {

using toolkit::ControlKind;
using toolkit::ControlDesign;
using toolkit::FormName;

using platform::SystemDpi;

// 1440 twips to the inch, to the nearest pixel.
int Pixels(int twips, int dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 0.5)); }

// Each edge where the design puts it, to the nearest pixel.
RECT TwipsRect(const ControlDesign& design, int dpi) {
  return RECT{Pixels(design.left, dpi), Pixels(design.top, dpi),
              Pixels(design.left + design.width, dpi), Pixels(design.top + design.height, dpi)};
}

std::string SizeText(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

std::string Describe(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         SizeText(rect.right - rect.left, rect.bottom - rect.top);
}

HWND ChildWindow(const toolkit::Form& form, const ControlDesign& design) {
  return design.kind == ControlKind::TextBox ? form.TextBoxNamed(design.name).hwnd()
                                             : form.ButtonNamed(design.name).hwnd();
}

// The width of the window's big or small icon, in pixels.
int IconWidth(HWND hwnd, WPARAM which) {
  ICONINFO info{};
  ::GetIconInfo(reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, which, 0)), &info);
  const platform::unique_hbitmap mask(info.hbmMask);
  const platform::unique_hbitmap colour(info.hbmColor);
  BITMAP bitmap{};
  ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  return bitmap.bmWidth;
}

// The outer size the system gives a window of `hwnd`'s styles around
// `client`, its frame drawn at `dpi`.
SIZE SystemOuterSize(HWND hwnd, SIZE client, int dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = platform::FunctionIn<AdjustForDpi>(
      platform::SystemLibrary(L"user32.dll"), "AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  EXPECT_TRUE(adjust != nullptr &&
              adjust(&outer, static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE)),
                     static_cast<UINT>(dpi)));
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// The client sizes the design gives at each dpi the tests are run at.
struct ClientSizes {
  SIZE main;
  SIZE about;
};
const std::map<int, ClientSizes> kClientSizes = {
    {96, {{388, 408}, {304, 152}}},
    {120, {{485, 510}, {380, 190}}},
    {144, {{582, 612}, {456, 228}}},
    {192, {{776, 816}, {608, 304}}},
};

// The pictures' sizes as drawn for 96 dpi.
const std::map<std::string, SIZE> kDesignPictureSizes = {
    {"Image4", {74, 22}}, {"Image2", {76, 22}}, {"Image3", {73, 22}}};

class ScaledLayoutTest : public AppFixture {
 protected:
  // The form's client area, its boxes and buttons, its pictures and its font
  // are all those of `dpi`.
  static void ExpectLaidOutAt(const toolkit::Form& form, const std::vector<ControlDesign>& controls,
                              SIZE client, int dpi) {
    SCOPED_TRACE("at " + std::to_string(dpi) + " dpi");
    EXPECT_EQ(form.Dpi(), dpi);
    const SIZE actual = ClientSize(form.hwnd());
    EXPECT_EQ(actual.cx, client.cx);
    EXPECT_EQ(actual.cy, client.cy);
    for (const ControlDesign& control : controls) {
      if (control.kind == ControlKind::TextBox || control.kind == ControlKind::PushButton) {
        HWND child = ChildWindow(form, control);
        EXPECT_EQ(Describe(ClientRectOf(child)), Describe(TwipsRect(control, dpi))) << control.name;
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)), form.Font())
            << control.name;
      } else if (control.kind == ControlKind::Picture) {
        const SIZE design = kDesignPictureSizes.at(control.name);
        const int left = Pixels(control.left, dpi);
        const int top = Pixels(control.top, dpi);
        const RECT expected{left, top, left + Pixels(design.cx * 15, dpi),
                            top + Pixels(design.cy * 15, dpi)};
        EXPECT_EQ(Describe(form.PictureNamed(control.name).Bounds()), Describe(expected))
            << control.name;
      }
    }
    ExpectTheDefaultFontAt(form.Font(), dpi);
    EXPECT_EQ(IconWidth(form.hwnd(), ICON_BIG), platform::SystemMetricAt(SM_CXICON, dpi));
    EXPECT_EQ(IconWidth(form.hwnd(), ICON_SMALL), platform::SystemMetricAt(SM_CXSMICON, dpi));
  }

  // The stock default GUI font's face, at its 8 points made for `dpi`.
  static void ExpectTheDefaultFontAt(HFONT font, int dpi) {
    LOGFONTW stock{};
    LOGFONTW made{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    ::GetObjectW(font, sizeof made, &made);
    EXPECT_STREQ(made.lfFaceName, stock.lfFaceName);
    EXPECT_EQ(-made.lfHeight, std::lround(8 * dpi / 72.0)) << "font height in pixels";
  }

  static const ClientSizes& ClientSizesAt(int dpi) {
    const auto found = kClientSizes.find(dpi);
    if (found == kClientSizes.end()) {
      ADD_FAILURE() << "no client sizes written down for " << dpi << " dpi";
      static const ClientSizes none{};
      return none;
    }
    return found->second;
  }
};

// Windows makes the stock font at the dpi the session started at; after a
// change of scale without signing out, that is not the dpi the program
// reads. Whatever dpi the stock font was made at, the default font is 8
// points at every dpi.
TEST_F(ScaledLayoutTest, TheDefaultFontIsEightPointsWhateverDpiTheStockFontWasMadeAt) {
  LOGFONTW stock{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  for (const int made_at : {96, 144}) {
    SCOPED_TRACE("the stock font made at " + std::to_string(made_at) + " dpi");
    LOGFONTW as_made = stock;
    as_made.lfHeight = -::MulDiv(11, made_at, 96);  // 8 points at 96 dpi, scaled
    toolkit::DefaultFonts fonts(as_made);
    for (const int dpi : {96, 120, 144, 192}) {
      SCOPED_TRACE("made for " + std::to_string(dpi) + " dpi");
      ExpectTheDefaultFontAt(fonts.At(dpi), dpi);
    }
  }
}

TEST_F(ScaledLayoutTest, BothWindowsAreTheDesignedTwipsAtTheScreenDpi) {
  const int dpi = platform::SystemDpi();
  windows_.Show(FormName::Form2);
  ExpectLaidOutAt(Main(), main_window::Form1Controls(), ClientSizesAt(dpi).main, dpi);
  ExpectLaidOutAt(About(), about_window::Form2Controls(), ClientSizesAt(dpi).about, dpi);
}

// Each box's and button's text, and the caption a row's button shows while it
// runs, measured in the window's font against the room its box gives: an edit
// box's formatting rectangle, a button's face inside its edges. (The labels'
// captions are the About window test's.)
TEST_F(ScaledLayoutTest, EveryBoxAndButtonTextFitsInTheWindowsFont) {
  windows_.Show(FormName::Form2);
  struct Window {
    const toolkit::Form* form;
    std::vector<ControlDesign> controls;
  };
  for (const Window& window : {Window{&Main(), main_window::Form1Controls()},
                               Window{&About(), about_window::Form2Controls()}}) {
    const toolkit::Form& form = *window.form;
    for (const ControlDesign& design : window.controls) {
      std::vector<std::wstring> texts{design.text};
      RECT room{};
      switch (design.kind) {
        case ControlKind::TextBox:
          ::SendMessageW(ChildWindow(form, design), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
          break;
        case ControlKind::PushButton: {
          ::GetClientRect(ChildWindow(form, design), &room);
          const int edge = ::GetSystemMetrics(SM_CXEDGE);
          ::InflateRect(&room, -edge, -edge);
          texts.push_back(platform::Widen(kStopCaption));
          break;
        }
        default:
          continue;
      }
      for (const std::wstring& text : texts) {
        const SIZE size = InkedSize(form.Font(), text);
        EXPECT_LE(size.cx, room.right - room.left)
            << design.name << " \"" << platform::Narrow(text) << "\"";
        EXPECT_LE(size.cy, room.bottom - room.top)
            << design.name << " \"" << platform::Narrow(text) << "\"";
      }
    }
  }
}

TEST_F(ScaledLayoutTest, TheBackgroundCoversTheClientAreaButItsTransparentColumn) {
  const ClientPixels pixels(Main().hwnd());
  int back_in_last_column = 0;
  int magenta = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    ASSERT_EQ(pixels.At(0, y), 0x404040u) << "y " << y;
    back_in_last_column += pixels.At(pixels.Width() - 1, y) == 0x404040u;
    for (int x = 0; x < pixels.Width(); ++x) {
      magenta += pixels.At(x, y) == 0xFF00FFu;
    }
  }
  EXPECT_EQ(magenta, 0);
  EXPECT_EQ(back_in_last_column, 0) << "the picture reaches the right edge";
  int back_in_last_row = 0;
  for (int x = pixels.Width() / 10; x < pixels.Width(); ++x) {
    back_in_last_row += pixels.At(x, pixels.Height() - 1) == 0x404040u;
  }
  EXPECT_EQ(back_in_last_row, 0) << "the picture reaches the bottom edge";
}

// Where the design puts them, in pixels at the screen's dpi: the twips of
// their places and their sizes as drawn. A click one pixel outside does
// nothing.
TEST_F(ScaledLayoutTest, ThePicturesClickWhereTheyAreShown) {
  const int dpi = platform::SystemDpi();
  Main().Show();
  HWND hwnd = Main().hwnd();
  const int top = Pixels(5640, dpi);
  const int bottom = top + Pixels(kDesignPictureSizes.at("Image3").cy * 15, dpi);
  const int about_right = Pixels(3840, dpi) + Pixels(kDesignPictureSizes.at("Image3").cx * 15, dpi);
  ClickAt(hwnd, POINT{about_right, bottom - 1});
  ClickAt(hwnd, POINT{about_right - 1, bottom});
  EXPECT_EQ(windows_.Existing(FormName::Form2), nullptr);
  ClickAt(hwnd, POINT{about_right - 1, bottom - 1});  // the About picture's last pixel
  ASSERT_NE(windows_.Existing(FormName::Form2), nullptr);
  EXPECT_TRUE(::IsWindowVisible(About().hwnd()));

  const int exit_left = Pixels(2400, dpi);
  ClickAt(hwnd, POINT{exit_left - 1, top});
  ClickAt(hwnd, POINT{exit_left, top - 1});
  ASSERT_NE(windows_.Existing(FormName::Form1), nullptr);
  ClickAt(hwnd, POINT{exit_left, top});  // the Exit picture's first pixel
  EXPECT_EQ(windows_.Existing(FormName::Form1), nullptr);
}

// Wine has one dpi for the whole desktop: the move to another monitor is
// played by sending the messages Windows sends. The window is asked for its
// size at the new dpi, the designed client area in the frame the system
// gives its styles at that dpi, and then moved to a rectangle of that size.
TEST_F(ScaledLayoutTest, AWindowMovedToAMonitorOfAnotherDpiIsLaidOutAgainForIt) {
  const int dpi = platform::SystemDpi();
  Main().Show();
  HWND hwnd = Main().hwnd();
  for (const int new_dpi : {dpi == 144 ? 192 : 144, dpi}) {
    SCOPED_TRACE("to " + std::to_string(new_dpi) + " dpi");
    const SIZE exact = SystemOuterSize(hwnd, ClientSizesAt(new_dpi).main, new_dpi);
    SIZE size{600, 650};  // scaled linearly
    EXPECT_TRUE(::SendMessageW(hwnd, platform::kGetDpiScaledSizeMessage,
                               static_cast<WPARAM>(new_dpi), reinterpret_cast<LPARAM>(&size)));
    EXPECT_EQ(size.cx, exact.cx);
    EXPECT_EQ(size.cy, exact.cy);

    RECT suggested{40, 30, 40 + size.cx, 30 + size.cy};
    ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    RECT placed;
    ::GetWindowRect(hwnd, &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 30);
    ExpectLaidOutAt(Main(), main_window::Form1Controls(), ClientSizesAt(new_dpi).main, new_dpi);
    const ClientPixels pixels(hwnd);
    EXPECT_EQ(pixels.At(0, pixels.Height() / 2), 0x404040u);
    EXPECT_NE(pixels.At(pixels.Width() - 1, pixels.Height() / 2), 0x404040u);
  }
}

// The sizes the window a test watches takes, as it is told of them.
HWND watched_window = nullptr;
std::vector<std::string> sizes_taken;

LRESULT CALLBACK RecordSizeTaken(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (message->message == WM_WINDOWPOSCHANGED && message->hwnd == watched_window) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(message->lParam);
    sizes_taken.push_back(SizeText(position->cx, position->cy));
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

// A suggested rectangle that holds the designed client area in the frame the
// system draws is where the window goes, in one move: its place and its size.
TEST_F(ScaledLayoutTest, AMoveToAnotherDpiTakesTheSuggestedRectangleAsItIs) {
  const int new_dpi = platform::SystemDpi() == 144 ? 192 : 144;
  Main().Show();
  HWND hwnd = Main().hwnd();
  RECT outer;
  RECT client;
  ::GetWindowRect(hwnd, &outer);
  ::GetClientRect(hwnd, &client);
  const SIZE designed = ClientSizesAt(new_dpi).main;
  const SIZE size{outer.right - outer.left - client.right + designed.cx,
                  outer.bottom - outer.top - client.bottom + designed.cy};
  RECT suggested{50, 40, 50 + size.cx, 40 + size.cy};
  watched_window = hwnd;
  HHOOK hook =
      ::SetWindowsHookExW(WH_CALLWNDPROC, RecordSizeTaken, nullptr, ::GetCurrentThreadId());
  ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(new_dpi, new_dpi),
                 reinterpret_cast<LPARAM>(&suggested));
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(sizes_taken, std::vector<std::string>{SizeText(size.cx, size.cy)});
  RECT placed;
  ::GetWindowRect(hwnd, &placed);
  EXPECT_EQ(Describe(placed), Describe(suggested));
}

}  // namespace
}  // namespace morvane::testing
