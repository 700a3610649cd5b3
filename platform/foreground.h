// Bringing a window to the user from the background, as an alarm must: to the
// front when Windows allows it, and flashing until the user comes otherwise.
#pragma once

#include <windows.h>

#include <functional>

namespace morvane::platform {

// The two requests bringing a window forward makes of the window system.
// Windows may refuse the foreground to a program in the background; tests put
// in requests that refuse it, and record the flash.
struct ForegroundRequests {
  std::function<bool(HWND)> set_foreground;  // true when the window came forward
  std::function<void(const FLASHWINFO&)> flash;
};

ForegroundRequests SystemForegroundRequests();

// Makes the window visible, restoring it when minimised, and asks for the
// window that can take the keyboard to come forward: the window itself, or,
// while a modal window of the program (a message box) disables it, that modal
// window. If Windows refuses, the window's taskbar button flashes until the
// user activates it.
void BringForward(HWND window, const ForegroundRequests& requests);

}  // namespace morvane::platform
