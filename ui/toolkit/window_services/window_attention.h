// Bringing a window to the user from the background, as an alarm must: to the
// front when Windows allows it, flashing until the user comes otherwise, and
// never over a full-screen program.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/foreground.h"

namespace morvane::toolkit {

// One window's way to the user, and the flash of its taskbar button while
// Windows keeps it behind.
class WindowAttention {
 public:
  explicit WindowAttention(platform::ForegroundRequests requests)
      : requests_(std::move(requests)) {}

  // Makes the window visible, restoring it when minimised, and asks for the
  // window that can take the keyboard to come forward: the window itself, or,
  // while a modal window of the program (a message box) disables it, that
  // modal window. If it does not come forward, the window's taskbar button
  // flashes until the program is activated.
  void BringForward(HWND window);
  // The same for an alarm, except while Windows holds notifications back (the
  // user in a full-screen program or a presentation, or away): then the
  // window is neither shown, raised nor restored, and only its taskbar button
  // flashes; a minimised window is restored when the user comes to the program.
  void Alert(HWND window);
  // The program was activated, by whichever of its windows: the flash has
  // done its work. Every top-level window of the program hears of it.
  void ProgramActivated(HWND window);

 private:
  void FlashUntilSeen(HWND window);
  void Flash(HWND window, DWORD flags);

  platform::ForegroundRequests requests_;
  bool flashing_ = false;
  bool restore_when_seen_ = false;  // an alarm left the window as it was
};

}  // namespace morvane::toolkit
