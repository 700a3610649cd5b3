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

}  // namespace

// A window on the desktop, even maximised, leaves the taskbar uncovered.
bool ForegroundFillsItsMonitor() {
  const HWND foreground = ::GetForegroundWindow();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT window{};
  if (foreground == nullptr ||
      !::GetMonitorInfoW(::MonitorFromWindow(foreground, MONITOR_DEFAULTTONEAREST), &monitor) ||
      !::GetWindowRect(foreground, &window)) {
    return false;
  }
  RECT covered{};
  ::IntersectRect(&covered, &window, &monitor.rcMonitor);
  return ::EqualRect(&covered, &monitor.rcMonitor) != FALSE;
}

ForegroundRequests SystemForegroundRequests() {
  return ForegroundRequests{
      [](HWND window) { ::SetForegroundWindow(window); },
      [](const FLASHWINFO& flash) {
        FLASHWINFO copy = flash;  // FlashWindowEx takes a non-const pointer but only reads it
        ::FlashWindowEx(&copy);
      },
      &SystemNotificationState};
}

}  // namespace morvane::platform
