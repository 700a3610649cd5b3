#include "platform/dpi.h"

#include "platform/system_library.h"

namespace morvane::platform {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Windows 10's: a function missing from this Windows is nullptr.
template <typename Function>
Function User32Function(const char* name) {
  return FunctionIn<Function>(SystemLibrary(L"user32.dll"), name);
}

}  // namespace

int SystemDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int DpiOfWindow(HWND hwnd) {
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi_for_window != nullptr) {
    if (const UINT dpi = get_dpi_for_window(hwnd)) {
      return static_cast<int>(dpi);
    }
  }
  return SystemDpi();
}

int SystemMetricAt(int index, int dpi) {
  static const auto metric_for_dpi =
      User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (metric_for_dpi != nullptr) {
    return metric_for_dpi(index, static_cast<UINT>(dpi));
  }
  return ::GetSystemMetrics(index);
}

SIZE OuterSizeAt(SIZE client, DWORD style, DWORD ex_style, int dpi) {
  static const auto adjust_for_dpi =
      User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  if (adjust_for_dpi != nullptr) {
    adjust_for_dpi(&outer, style, FALSE, ex_style, static_cast<UINT>(dpi));
  } else {
    ::AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  }
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace morvane::platform
