// The main window as the user first sees it: frame, every control's place,
// texts, limits, tab order and the painted background.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "platform/text_encoding.h"
#include "tests/windows/app_fixture.h"
#include "ui/artwork/png_reader.h"
#include "ui/artwork/rendering_choice.h"
#include "ui/artwork/resource_bytes.h"

namespace morvane::testing {
namespace {

using MainWindowLayoutTest = AppFixture;

// Pixels at 96 dpi, independent of the twips the layout is written in.
constexpr std::array<int, 7> kRowTops = {115, 148, 181, 213, 247, 280, 312};

// A picture as drawn for 96 dpi: its rendering at 100 %, which the artwork
// tests read against the Windows Imaging Component.
struct DrawnPicture {
  explicit DrawnPicture(int id)
      : file(artwork::FindBytes(nullptr, artwork::RenderingName(id, artwork::kDesignPercent).c_str(), RT_RCDATA)),
        size(artwork::PngSizeOf(file).value_or(artwork::PngSize{})),
        pixels(static_cast<size_t>(size.width * size.height)) {
    EXPECT_TRUE(artwork::ReadPng(file, pixels)) << "picture " << id;
  }
  Colour At(int x, int y) const { return pixels[static_cast<size_t>(y * size.width + x)] & 0xFFFFFF; }

  std::span<const std::uint8_t> file;
  artwork::PngSize size;
  std::vector<std::uint32_t> pixels;
};

TEST_F(MainWindowLayoutTest, HasAFixedFrameAroundA388By408ClientArea) {
  HWND hwnd = Main().hwnd();
  RECT client;
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 388);
  EXPECT_EQ(client.bottom, 408);
  const auto style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
  EXPECT_TRUE(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(WindowText(hwnd), L"Morvane v1.0");
  EXPECT_NE(::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowLayoutTest, EveryRowControlIsAtItsPlaceWithItsTextAndLimit) {
  struct Column {
    const char* prefix;
    int left, width, height, limit;
  };
  const Column columns[] = {
      {"Text", 56, 137, 19, 12}, {"txtTime", 216, 57, 19, 8}, {"Gold", 280, 41, 19, 8}};
  for (int row = 1; row <= 7; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    const int top = kRowTops[static_cast<size_t>(row - 1)];
    for (const auto& column : columns) {
      const auto& box = Main().TextBoxNamed(column.prefix + std::to_string(row));
      const RECT rect = ClientRectOf(box.hwnd());
      EXPECT_EQ(rect.left, column.left) << column.prefix;
      EXPECT_EQ(rect.top, top) << column.prefix;
      EXPECT_EQ(rect.right - rect.left, column.width) << column.prefix;
      EXPECT_EQ(rect.bottom - rect.top, column.height) << column.prefix;
      EXPECT_EQ(::SendMessageW(box.hwnd(), EM_GETLIMITTEXT, 0, 0), column.limit) << column.prefix;
      EXPECT_FALSE(box.Locked());
      EXPECT_EQ(box.TextColour(), kWhite);
    }
    std::string name = "Character ";
    name += std::to_string(row);
    EXPECT_EQ(NameBox(row).Text(), name);
    EXPECT_EQ(TimeBox(row).Text(), "00:00:00");
    EXPECT_EQ(GoldBox(row).Text(), "00 k");
    const RECT button = ClientRectOf(Button(row).hwnd());
    EXPECT_EQ(button.left, 328);
    EXPECT_EQ(button.top, top);
    EXPECT_EQ(button.right - button.left, 41);
    EXPECT_EQ(button.bottom - button.top, 17);
    EXPECT_EQ(Button(row).Caption(), "Start");
    EXPECT_FALSE(Timer(row).Enabled());
  }
}

// Text copied in another program.
void PutOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(::OpenClipboard(owner));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
}

TEST_F(MainWindowLayoutTest, TypingOrPastingPastALimitIsRefused) {
  struct Case {
    toolkit::EditBox* box;
    size_t limit;
  };
  for (const Case& c : {Case{&NameBox(2), 12}, Case{&TimeBox(2), 8}, Case{&GoldBox(2), 8}}) {
    c.box->SetText("");
    for (wchar_t typed = L'a'; typed < L'a' + 20; ++typed) {
      ::SendMessageW(c.box->hwnd(), WM_CHAR, typed, 1);
    }
    EXPECT_EQ(c.box->Text().size(), c.limit);

    c.box->SetText("");
    PutOnClipboard(Main().hwnd(), std::wstring(30, L'x'));
    ::SendMessageW(c.box->hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(c.box->Text(), std::string(c.limit, 'x'));
  }
}

// The limits count UTF-16 units, and a character outside the basic plane is
// two of them: one that straddles a limit is left out whole, never halved.
TEST_F(MainWindowLayoutTest, APasteOrAKeystrokeAtTheLimitNeverLeavesHalfACharacter) {
  const std::wstring emoji = {wchar_t{0xD83D}, wchar_t{0xDE00}};
  const std::pair<toolkit::EditBox*, size_t> boxes[] = {{&NameBox(3), 12}, {&GoldBox(3), 8}};
  for (const auto& [box, limit] : boxes) {
    SCOPED_TRACE(limit);
    const std::wstring one_short(limit - 1, L'a');
    const std::wstring two_short(limit - 2, L'a');
    box->SetText("");
    PutOnClipboard(Main().hwnd(), one_short + emoji + L"b");
    ::SendMessageW(box->hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(box->hwnd()), one_short) << "pasted";

    box->SetText("");
    PutOnClipboard(Main().hwnd(), two_short + emoji + L"b");
    ::SendMessageW(box->hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(box->hwnd()), two_short + emoji) << "a pair that fits is pasted whole";

    // A one-line box takes a paste up to its first line break, '\r' as '\n'.
    box->SetText("");
    PutOnClipboard(Main().hwnd(), L"ab\r" + std::wstring(limit - 4, L'c') + emoji + L"d");
    ::SendMessageW(box->hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(box->hwnd()), L"ab") << "the first line";

    box->SetText(std::string(limit - 1, 'a'));
    ::SendMessageW(box->hwnd(), EM_SETSEL, limit - 1, static_cast<LPARAM>(limit - 1));
    for (const wchar_t half : emoji) {
      ::SendMessageW(box->hwnd(), WM_CHAR, half, 1);
    }
    EXPECT_EQ(WindowText(box->hwnd()), one_short) << "typed";
  }
}

TEST_F(MainWindowLayoutTest, FocusStartsInTheFirstNameAndTabWalksTheWholeOrder) {
  Main().Show();
  PumpMessages(windows_);
  ASSERT_EQ(::GetFocus(), NameBox(1).hwnd());
  std::vector<HWND> order;
  for (int row = 1; row <= 7; ++row) order.push_back(NameBox(row).hwnd());
  order.push_back(TimeBox(1).hwnd());
  order.push_back(Button(1).hwnd());
  order.push_back(TimeBox(2).hwnd());
  order.push_back(GoldBox(1).hwnd());
  for (int row = 3; row <= 7; ++row) order.push_back(TimeBox(row).hwnd());
  for (int row = 2; row <= 7; ++row) order.push_back(GoldBox(row).hwnd());
  for (int row = 2; row <= 7; ++row) order.push_back(Button(row).hwnd());
  order.push_back(NameBox(1).hwnd());  // and round again
  for (size_t step = 1; step < order.size(); ++step) {
    PressKey(windows_, VK_TAB);
    EXPECT_EQ(::GetFocus(), order[step]) << "after " << step << " tabs";
  }
}

TEST_F(MainWindowLayoutTest, TheBackgroundFillsTheClientAreaButItsLeftColumn) {
  const ClientPixels pixels(Main().hwnd());
  for (int y = 0; y < pixels.Height(); ++y) {
    ASSERT_EQ(pixels.At(0, y), 0x404040u) << "y " << y;
  }
  // Away from the labels and pictures, every pixel is the picture's own.
  const DrawnPicture picture(IDB_BACKGROUND);
  ASSERT_EQ(picture.size.width, pixels.Width());
  int differing = 0;
  for (int y = 0; y < 100; y += 3) {
    for (int x = 1; x < pixels.Width(); x += 3) {
      if (pixels.At(x, y) != picture.At(x, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(MainWindowLayoutTest, TheColumnCaptionsAreYellowOnBlack) {
  const ClientPixels pixels(Main().hwnd());
  for (const int left : {224, 288}) {
    int yellow = 0;
    int black = 0;
    int other = 0;
    for (int y = 102; y < 115; ++y) {  // the part above the boxes
      for (int x = left; x < left + 25; ++x) {
        const auto colour = pixels.At(x, y);
        colour == 0xFFFF00u ? ++yellow : colour == 0 ? ++black : ++other;
      }
    }
    EXPECT_GT(yellow, 10) << "caption at x " << left;
    EXPECT_GT(black, 100) << "caption at x " << left;
  }
}

TEST_F(MainWindowLayoutTest, ThePicturesShowTheirBitmapsAlongTheBottom) {
  const ClientPixels pixels(Main().hwnd());
  struct Case {
    int left, width, bitmap;
  };
  for (const Case& c : {Case{64, 74, IDB_HELP_PICTURE}, Case{160, 76, IDB_EXIT_PICTURE},
                        Case{256, 73, IDB_ABOUT_PICTURE}}) {
    const DrawnPicture picture(c.bitmap);
    ASSERT_EQ(picture.size.width, c.width);
    EXPECT_EQ(picture.size.height, 22);
    for (const POINT at : {POINT{0, 0}, POINT{c.width - 1, 21}, POINT{c.width / 2, 11}}) {
      EXPECT_EQ(pixels.At(c.left + at.x, 376 + at.y), picture.At(at.x, at.y));
    }
  }
}

}  // namespace
}  // namespace morvane::testing
