// The badge over the taskbar button while a name is red, and its icon.
#include <windows.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "platform/dpi.h"
#include "tests/windows/reminders_fixture.h"
#include "ui/artwork/icon_data.h"
#include "ui/toolkit/window_services/taskbar_badge.h"

namespace morvane::testing {
namespace {

class TaskbarBadgeTest : public RemindersFixture {};

// Once the taskbar has announced the button, and again when it announces it
// anew (Explorer restarted), while any name is red. The announcement reaches
// the window however the program runs: the main window asks to hear it, and
// the About window, which has no button, does not.
TEST_F(TaskbarBadgeTest, TheTaskbarBadgeShowsWhileANameIsRed) {
  Main().Show();
  About().Show();
  const UINT button_created = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
  EXPECT_EQ(let_through_, (std::vector<std::pair<HWND, UINT>>{{Main().hwnd(), button_created}}));
  const Badge badge{Main().hwnd(), platform::SystemMetricAt(SM_CXSMICON, Main().Dpi()),
                    L"Time is up"};
  const Badge none{Main().hwnd(), 0, L""};
  const auto announce = [&] { ::SendMessageW(Main().hwnd(), button_created, 0, 0); };
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

// How many pixels the icon's mask, as GDI reads it back, gets wrong: Windows
// draws with the mask where it cannot blend the alpha, and it must be set
// exactly where the picture is transparent.
int WronglyMasked(HICON icon, int size) {
  ICONINFO parts{};
  ::GetIconInfo(icon, &parts);
  const platform::unique_hbitmap colour(parts.hbmColor);
  const platform::unique_hbitmap mask(parts.hbmMask);
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  BITMAPINFO format = platform::TopDown32(SIZE{size, size});
  std::vector<std::uint32_t> pixels(static_cast<size_t>(size * size));
  std::vector<std::uint32_t> masked(pixels.size());
  const auto rows = static_cast<UINT>(size);
  ::GetDIBits(dc.get(), colour.get(), 0, rows, pixels.data(), &format, DIB_RGB_COLORS);
  ::GetDIBits(dc.get(), mask.get(), 0, rows, masked.data(), &format, DIB_RGB_COLORS);
  int wrong = 0;
  for (size_t i = 0; i < pixels.size(); ++i) {
    wrong += (masked[i] != 0) != (pixels[i] >> 24 == 0);
  }
  return wrong;
}

// At each size it was drawn at (a small icon's at 100 to 300 %), the badge is
// that drawing, as Windows reads it from an icon group: the tests' own copy of
// the file. Between them, and above, it is made at the size asked. At every
// size its mask is right, whether its rows fill whole bytes, 16-bit words or
// neither.
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
    EXPECT_EQ(WronglyMasked(made.get(), size), 0);
    if (drawn) {
      const platform::unique_hicon as_drawn(static_cast<HICON>(
          ::LoadImageW(instance, MAKEINTRESOURCEW(kBadgeAsDrawn), IMAGE_ICON, size, size, 0)));
      EXPECT_EQ(Differences(Drawn(made.get(), size), Drawn(as_drawn.get(), size)), "");
    }
  }
}

// Put back at each announcement, the badge is the icon made for its size
// before; another size makes another.
TEST(TaskbarBadgeIconTest, IsMadeOnceForEachSize) {
  std::vector<HICON> put;
  toolkit::TaskbarBadge badge(nullptr, ::GetModuleHandleW(nullptr), 96,
                              {[&](HWND, HICON icon, const wchar_t*) { put.push_back(icon); },
                               [](HWND, UINT) {}});
  badge.Show(MAKEINTRESOURCEW(IDR_TIME_IS_UP_BADGE), L"Time is up");
  badge.ButtonCreated();
  badge.ButtonCreated();
  badge.ScaleTo(144);
  badge.ButtonCreated();
  ASSERT_EQ(put.size(), 4u);
  EXPECT_EQ(put[1], put[0]);
  EXPECT_NE(put[2], put[1]);
  EXPECT_EQ(put[3], put[2]);
}

}  // namespace
}  // namespace morvane::testing
