// The dots per inch a window is shown at, and the system metrics that go
// with them. The per-monitor functions exist from Windows 10 on; before that
// (and under Wine, which has one dpi for the whole desktop) every window is at
// the system's dpi, which is what these fall back to.
#pragma once

#include <windows.h>

namespace morvane::platform {

// WM_GETDPISCALEDSIZE, Windows 10's question to a window about to move to a
// monitor of another dpi, which headers for older Windows leave out.
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The dpi of the primary screen, which new windows are first placed on.
int SystemDpi();

// The dpi of the monitor the window is on.
int DpiOfWindow(HWND hwnd);

// A system metric (GetSystemMetrics) as it is at `dpi`.
int SystemMetricAt(int index, int dpi);

// The outer size of a window with these styles around a client area of
// `client` pixels, its frame drawn at `dpi`.
SIZE OuterSizeAt(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace morvane::platform
