#include "platform/foreground.h"

#include "platform/system_library.h"

namespace morvane::platform {

namespace {

using NotificationStateFunction = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);

// Looked up when an alarm first asks, not linked: the shell library is large,
// and loading it at every start would slow the start for a question that most
// runs never ask.
QUERY_USER_NOTIFICATION_STATE SystemNotificationState() {
  static const auto query = FunctionIn<NotificationStateFunction>(
      SystemLibrary(L"shell32.dll"), "SHQueryUserNotificationState");
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  if (query == nullptr || FAILED(query(&state))) {
    return QUNS_ACCEPTS_NOTIFICATIONS;
  }
  return state;
}

bool FullScreenInFront() {
  const HWND front = ::GetForegroundWindow();
  MONITORINFO monitor{};
  return front != nullptr && MonitorOf(front, monitor) && ShowsFullScreen(front, monitor);
}

}  // namespace

bool MonitorOf(HWND window, MONITORINFO& monitor) {
  monitor.cbSize = sizeof monitor;
  return ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) !=
         FALSE;
}

bool ShowsFullScreen(HWND window, const MONITORINFO& monitor) {
  RECT covered{};
  RECT bounds{};
  const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
  if (::IsZoomed(window) || (style & WS_CAPTION) == WS_CAPTION ||
      !::GetWindowRect(window, &bounds)) {
    return false;
  }
  ::IntersectRect(&covered, &bounds, &monitor.rcMonitor);
  return ::EqualRect(&covered, &monitor.rcMonitor) != FALSE;
}

ForegroundRequests SystemForegroundRequests() {
  return ForegroundRequests{
      [](HWND window) { ::SetForegroundWindow(window); },
      [](const FLASHWINFO& flash) {
        FLASHWINFO copy = flash;  // FlashWindowEx takes a non-const pointer but only reads it
        ::FlashWindowEx(&copy);
      },
      &SystemNotificationState, &FullScreenInFront};
}

}  // namespace morvane::platform
