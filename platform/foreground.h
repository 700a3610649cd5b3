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
// that refuse it or report a state, and record the flash.
struct ForegroundRequests {
  std::function<void(HWND)> set_foreground;  // a request: Windows may refuse it
  std::function<void(const FLASHWINFO&)> flash;
  // Whether the user may be interrupted now, as Windows tells notifiers.
  std::function<QUERY_USER_NOTIFICATION_STATE()> notification_state;
};

ForegroundRequests SystemForegroundRequests();

// Whether the window in front covers its whole monitor, as a program full
// screen does; false when there is none.
bool ForegroundFillsItsMonitor();

// QUNS_APP, "a Store app is running", which the headers declare only for
// Windows 8 and later.
inline constexpr auto kStoreAppRunning = static_cast<QUERY_USER_NOTIFICATION_STATE>(7);

}  // namespace morvane::platform
