// A long session of everything the windows do again and again (ticks,
// expiries, colour changes, repaints, the About window coming and going)
// must leave the process holding exactly the GDI and USER objects it held
// before: a handle lost per tick or per paint would, over hours of
// countdowns, exhaust the process's quota and stop the windows drawing.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "platform/gdi.h"
#include "tests/windows/app_fixture.h"
#include "ui/main/form1_layout.h"

namespace morvane::testing {
namespace {

using toolkit::FormName;
using main_window::kRowCount;

// How many objects of each kind the process holds, by kind.
using GuiCensus = std::map<std::string, int>;

// Wine keeps GDI and USER objects in tables of at most 2^16 entries; the
// lower half of a handle is its index there, the upper half a reuse counter.
// Wine accepts the index alone as the handle (a counter of zero matches any),
// which lets every entry be asked what it holds in a few milliseconds.
constexpr UINT_PTR kHandleTableSize = 0x10000;

const char* GdiKindName(DWORD type) {
  switch (type) {
    case OBJ_PEN: return "pens";
    case OBJ_EXTPEN: return "extended pens";
    case OBJ_BRUSH: return "brushes";
    case OBJ_DC: return "device contexts";
    case OBJ_MEMDC: return "memory device contexts";
    case OBJ_PAL: return "palettes";
    case OBJ_FONT: return "fonts";
    case OBJ_BITMAP: return "bitmaps";
    case OBJ_REGION: return "regions";
    default: return "other GDI objects";
  }
}

// The GDI table belongs to this process alone.
void CountGdiObjects(GuiCensus& census) {
  for (UINT_PTR index = 0; index < kHandleTableSize; ++index) {
    if (const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(index))) {
      ++census[GdiKindName(type)];
    }
  }
}

// The USER table is shared by every process on the desktop. Asking a window
// for its procedure succeeds only for the windows of this process; menus and
// icons are only ever looked up among this process's own.
void CountUserObjects(GuiCensus& census) {
  for (UINT_PTR index = 1; index < kHandleTableSize; ++index) {
    const auto window = reinterpret_cast<HWND>(index);
    if (::GetWindowLongPtrW(window, GWLP_WNDPROC) != 0) {
      ++census["windows"];
    } else if (::IsMenu(reinterpret_cast<HMENU>(index))) {
      ++census["menus"];
    } else if (ICONINFO icon; ::GetIconInfo(reinterpret_cast<HICON>(index), &icon)) {
      // The copies of its bitmaps are made for the caller: they must not
      // show up as GDI objects of their own.
      ::DeleteObject(icon.hbmColor);
      ::DeleteObject(icon.hbmMask);
      ++census["icons and cursors"];
    }
  }
}

// Windows counts a process's objects itself; Wine 8 answers 0 to that, so
// there the census walks the handle tables.
GuiCensus TakeGuiCensus() {
  HANDLE process = ::GetCurrentProcess();
  const DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
  if (gdi != 0) {
    return {{"GDI objects", static_cast<int>(gdi)},
            {"USER objects", static_cast<int>(::GetGuiResources(process, GR_USEROBJECTS))}};
  }
  GuiCensus census;
  CountGdiObjects(census);
  CountUserObjects(census);
  return census;
}

int Total(const GuiCensus& census) {
  int total = 0;
  for (const auto& [kind, count] : census) total += count;
  return total;
}

// The census must see one object come and go, or a pass would prove nothing.
TEST(GuiCensusTest, SeesAGdiOrUserObjectMadeAndDestroyed) {
  // Each case makes its object and returns what destroys it.
  using Make = std::function<std::function<void()>()>;
  const std::pair<const char*, Make> cases[] = {
      {"brush",
       [] {
         HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
         return [brush] { ::DeleteObject(brush); };
       }},
      {"memory DC",
       [] {
         HDC dc = ::CreateCompatibleDC(nullptr);
         return [dc] { ::DeleteDC(dc); };
       }},
      {"window",
       [] {
         HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                         nullptr, nullptr, nullptr);
         return [window] { ::DestroyWindow(window); };
       }},
      {"menu",
       [] {
         HMENU menu = ::CreatePopupMenu();
         return [menu] { ::DestroyMenu(menu); };
       }},
  };
  // A process's first device context and first window bring objects that
  // stay (the display driver's, the input method's windows): made once first.
  for (const auto& [kind, make] : cases) {
    make()();
  }
  for (const auto& [kind, make] : cases) {
    const int before = Total(TakeGuiCensus());
    const auto destroy = make();
    EXPECT_GT(Total(TakeGuiCensus()), before) << kind;
    destroy();
    EXPECT_EQ(Total(TakeGuiCensus()), before) << kind;
  }
}

// The middle of the About picture on the main window, in client pixels.
constexpr POINT kAboutPicture{256 + 36, 376 + 11};
constexpr POINT kInsideABox{5, 5};

class ResourceLeakTest : public AppFixture {
 protected:
  static constexpr int kCountdownSeconds = 30;
  static constexpr int kRunningSeconds = 5;
  static constexpr int kAboutWindowLife = 10;  // rounds

  // All seven rows count down together to their alarms, asking for their
  // colours every second; the red names are acknowledged; the rows run again
  // and are stopped; the window repaints; the About window opens and closes
  // (and is destroyed every few rounds, to be made anew the next). About
  // 1,800 messages a round.
  void PlayRound(int round) {
    if (round % 4 == 0) {
      Main().Hide();  // the alarms bring it back
    }
    ForEachRow([this](int row) { StartRow(row, "0:0:30"); });
    RunSeconds(kCountdownSeconds);
    ForEachRow([this](int row) { ClickAt(NameBox(row).hwnd(), kInsideABox); });
    ForEachRow([this](int row) { StartRow(row, "1:00:00"); });
    RunSeconds(kRunningSeconds);
    ForEachRow([this](int row) { ClickButton(Button(row)); });

    Repaint(Main().hwnd());
    ClientPixels{Main().hwnd()};  // a copy of its drawing, through WM_PRINTCLIENT
    ClickAt(Main().hwnd(), kAboutPicture);
    Repaint(About().hwnd());
    ClickButton(About().ButtonNamed("Command1"));
    if (round % kAboutWindowLife == 0) {
      windows_.Unload(FormName::Form2);
    }
    PumpMessages(windows_);
  }

  int CuesOf(Cue cue) const { return static_cast<int>(std::count(cues_.begin(), cues_.end(), cue)); }

 private:
  static void ForEachRow(const std::function<void(int)>& action) {
    for (int row = 1; row <= kRowCount; ++row) {
      action(row);
    }
  }

  void RunSeconds(int seconds) {
    for (int second = 1; second <= seconds; ++second) {
      PassOneSecond();
      ForEachRow([this](int row) {
        DeliverTimerMessage(row);
        AskColours(row);
      });
      if (second % 10 == 0) {
        PumpMessages(windows_);  // the boxes repaint, asking for their colours too
      }
    }
  }

  // What an edit box asks its parent before it paints: editable, and locked.
  void AskColours(int row) {
    const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
    const auto as_wparam = reinterpret_cast<WPARAM>(dc.get());
    for (auto* box : {&NameBox(row), &TimeBox(row), &GoldBox(row)}) {
      const auto as_lparam = reinterpret_cast<LPARAM>(box->hwnd());
      ::SendMessageW(Main().hwnd(), WM_CTLCOLOREDIT, as_wparam, as_lparam);
      ::SendMessageW(Main().hwnd(), WM_CTLCOLORSTATIC, as_wparam, as_lparam);
    }
  }

  static void Repaint(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
};

TEST_F(ResourceLeakTest, ALongSessionHoldsNoMoreGdiOrUserObjectsThanItsFirstRound) {
  // The last round ends as the first does: without an About window.
  constexpr int kRounds = 4 * kAboutWindowLife;
  Main().Show();
  // The first round makes what is made once and kept: the brushes of the
  // colours in use, the window classes, the system's caches.
  PlayRound(0);
  PumpMessages(windows_);
  cues_.clear();
  const GuiCensus before = TakeGuiCensus();

  for (int round = 1; round <= kRounds; ++round) {
    PlayRound(round);
    // Proof that the round did what it says: each row started twice and
    // sounded its alarm once.
    ASSERT_EQ(CuesOf(Cue::Alarm), kRowCount) << "round " << round;
    ASSERT_EQ(CuesOf(Cue::Start), 2 * kRowCount) << "round " << round;
    cues_.clear();
  }

  EXPECT_EQ(TakeGuiCensus(), before);
}

// Moving between monitors of different dpi makes fonts, pictures and icons
// for the new one: the fonts are kept, one per dpi, and the rest must go
// with the dpi they were made for.
TEST_F(ResourceLeakTest, MovingBetweenMonitorsHoldsNoMoreObjectsThanTheFirstMove) {
  constexpr int kMoves = 10;
  windows_.Show(FormName::Form2);
  const auto move_both_to = [this](int dpi) {
    for (HWND window : {Main().hwnd(), About().hwnd()}) {
      RECT suggested;
      ::GetWindowRect(window, &suggested);
      ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
      ClientPixels{window};  // painted at that dpi
    }
  };
  const int dpi = Main().Dpi();
  const int other = dpi == 144 ? 192 : 144;
  move_both_to(other);
  move_both_to(dpi);
  PumpMessages(windows_);
  const GuiCensus before = TakeGuiCensus();

  for (int move = 0; move < kMoves; ++move) {
    move_both_to(other);
    move_both_to(dpi);
  }
  PumpMessages(windows_);
  EXPECT_EQ(TakeGuiCensus(), before);
}

}  // namespace
}  // namespace morvane::testing
