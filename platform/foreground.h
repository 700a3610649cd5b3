// Bringing a window to the user from the background, as an alarm must: to the
// front when Windows allows it, and flashing until the user comes otherwise.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <utility>

namespace morvane::platform {

// What bringing a window forward asks of the window system. Windows may
// refuse the foreground to a program in the background, and reports when the
// user is in a full-screen program; tests put in requests that refuse it or
// report a state, and record the flash.
struct ForegroundRequests {
  std::function<void(HWND)> set_foreground;  // a request: Windows may refuse it
  std::function<void(const FLASHWINFO&)> flash;
  // Whether the user may be interrupted now, as Windows tells notifiers.
  std::function<QUERY_USER_NOTIFICATION_STATE()> notification_state;
};

ForegroundRequests SystemForegroundRequests();

// One window's way to the user, and the flash of its taskbar button while
// Windows keeps it behind.
class WindowAttention {
 public:
  explicit WindowAttention(ForegroundRequests requests) : requests_(std::move(requests)) {}

  // Makes the window visible, restoring it when minimised, and asks for the
  // window that can take the keyboard to come forward: the window itself, or,
  // while a modal window of the program (a message box) disables it, that
  // modal window. If it does not come forward, the window's taskbar button
  // flashes until the program is activated.
  void BringForward(HWND window);
  // The same for an alarm, except while the user is in a full-screen program
  // or a presentation: then the window is only shown (restored when
  // minimised), behind, and its taskbar button flashes.
  void Alert(HWND window);
  // The program was activated, by whichever of its windows: the flash has
  // done its work. Every top-level window of the program hears of it.
  void ProgramActivated(HWND window);

 private:
  void Show(HWND window, bool activate);
  void Flash(HWND window, DWORD flags);

  ForegroundRequests requests_;
  bool flashing_ = false;
};

}  // namespace morvane::platform
