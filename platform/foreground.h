// What the window system offers a program that brings a window to the user
// from the background: the request for the foreground, the taskbar button's
// flash, and whether the user may be interrupted now.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>

namespace morvane::platform {

// Windows may refuse the foreground to a program in the background, and
// reports when the user is in a full-screen program; tests put in requests
// that refuse it or report a state or a monitor, and record the flash.
struct ForegroundRequests {
  std::function<void(HWND)> set_foreground;  // a request: Windows may refuse it
  std::function<void(const FLASHWINFO&)> flash;
  // Whether the user may be interrupted now, as Windows tells notifiers.
  std::function<QUERY_USER_NOTIFICATION_STATE()> notification_state;
  // Whether the window in front shows full screen; false when there is none.
  std::function<bool()> full_screen_in_front;
};

ForegroundRequests SystemForegroundRequests();

// The monitor that most of `window` is on; false when Windows cannot tell.
bool MonitorOf(HWND window, MONITORINFO& monitor);

// Whether `window` shows full screen on `monitor`, as a game does: it covers
// the whole monitor, not only its work area, with neither a caption nor a
// maximised frame. A maximised window overhangs its work area by its
// invisible borders, which covers the monitor wherever no taskbar takes room.
bool ShowsFullScreen(HWND window, const MONITORINFO& monitor);

// QUNS_APP, "a Store app is running", which the headers declare only for
// Windows 8 and later.
inline constexpr auto kStoreAppRunning = static_cast<QUERY_USER_NOTIFICATION_STATE>(7);

}  // namespace morvane::platform
