// The start-up baseline: everything Morvane's main window shows, put up with
// no logic behind it. The same frame with the same title-bar icons around the
// same 388 x 408 client area, the 28 child controls of the seven rows with
// their texts in the same font and colours, the focus in the first box, and
// the same pictures painted (the background, the two column captions and the
// three picture buttons), read from their PNG files as Morvane reads them;
// no layout table, no rows, no timers, no cues. Fixed at 96 dpi, where the
// benchmarks run.
#include <windows.h>

#include <optional>
#include <utility>

#include "assets/resource_ids.h"
#include "bench/baseline_window.h"
#include "ui/artwork/artwork_bitmap.h"

namespace {

constexpr wchar_t kClassName[] = L"LayoutBaseline";
constexpr wchar_t kTitle[] = L"Layout baseline";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kRowTops[] = {115, 148, 181, 213, 247, 280, 312};
constexpr int kPictureTop = 376;
constexpr int kDpi = 96;
constexpr COLORREF kBack = RGB(0x40, 0x40, 0x40);  // the window's, in the background's key column

// The pictures' sizes as designed, in twips: 15 to a pixel at 96 dpi.
constexpr SIZE kBackgroundDesign = {5820, 6120};
constexpr int kPictureHeightDesign = 330;
struct Picture {
  int id;
  int left;
  int width_design;
};
constexpr Picture kPictures[] = {
    {IDB_HELP_PICTURE, 64, 1110}, {IDB_EXIT_PICTURE, 160, 1140}, {IDB_ABOUT_PICTURE, 256, 1095}};

struct Caption {
  const wchar_t* text;
  RECT bounds;
};
constexpr Caption kCaptions[] = {{L"Time", {224, 102, 249, 119}}, {L"Gold", {288, 102, 313, 119}}};

HFONT font = nullptr;
HBRUSH box_brush = nullptr;
std::optional<morvane::artwork::ArtworkBitmap> background;
std::optional<morvane::artwork::ArtworkBitmap> pictures[3];

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  background->Draw(dc, 0, 0);
  for (int i = 0; i < 3; ++i) {
    pictures[i]->Draw(dc, kPictures[i].left, kPictureTop);
  }
  ::SelectObject(dc, font);
  ::SetBkColor(dc, RGB(0, 0, 0));
  ::SetTextColor(dc, RGB(255, 255, 0));
  for (const Caption& caption : kCaptions) {
    ::ExtTextOutW(dc, caption.bounds.left, caption.bounds.top, ETO_OPAQUE | ETO_CLIPPED,
                  &caption.bounds, caption.text, 4, nullptr);
  }
  ::EndPaint(window, &paint);
}

// The title-bar and taskbar icons, scaled down from the icon's one image as
// Morvane scales them.
void SetIcons(HWND window, HINSTANCE instance) {
  using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  const auto load_scaled_down = reinterpret_cast<LoadIconWithScaleDownFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"comctl32.dll"),
                                               "LoadIconWithScaleDown")));
  for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
    const int size = ::GetSystemMetrics(metric);
    HICON icon = nullptr;
    if (load_scaled_down != nullptr) {
      load_scaled_down(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), size, size, &icon);
    }
    ::SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_CTLCOLOREDIT: {  // grey boxes with white text
      HDC dc = reinterpret_cast<HDC>(wparam);
      ::SetTextColor(dc, RGB(255, 255, 255));
      ::SetBkColor(dc, RGB(128, 128, 128));
      return reinterpret_cast<LRESULT>(box_brush);
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND AddChild(HWND parent, const wchar_t* window_class, DWORD ex_style, const wchar_t* text, int x,
              int y, int width, int height) {
  HWND child = ::CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                 x, y, width, height, parent, nullptr, nullptr, nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  LOGFONTW description{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  font = ::CreateFontIndirectW(&description);
  box_brush = ::CreateSolidBrush(RGB(128, 128, 128));
  background.emplace(instance, IDB_BACKGROUND, kBackgroundDesign, kDpi, kBack);
  for (int i = 0; i < 3; ++i) {
    pictures[i].emplace(instance, kPictures[i].id,
                        SIZE{kPictures[i].width_design, kPictureHeightDesign}, kDpi);
  }

  HWND window = morvane::bench::CreateBaselineWindow(instance, kClassName, kTitle, WindowProc,
                                                     kFrameStyle, nullptr);
  if (window == nullptr) {
    return 1;
  }
  SetIcons(window, instance);
  HWND first_box = nullptr;
  for (int row = 0; row < 7; ++row) {
    wchar_t name[] = L"Character 0";
    name[10] = static_cast<wchar_t>(L'1' + row);
    const int top = kRowTops[row];
    HWND name_box = AddChild(window, L"EDIT", WS_EX_CLIENTEDGE, name, 56, top, 137, 19);
    if (first_box == nullptr) {
      first_box = name_box;
    }
    AddChild(window, L"EDIT", WS_EX_CLIENTEDGE, L"00:00:00", 216, top, 57, 19);
    AddChild(window, L"EDIT", WS_EX_CLIENTEDGE, L"00 k", 280, top, 41, 19);
    AddChild(window, L"BUTTON", 0, L"Start", 328, top, 41, 17);
  }
  ::ShowWindow(window, show);
  ::SetFocus(first_box);
  return morvane::bench::RunMessages();
}
