// The small picture the taskbar draws over a window's button, such as a
// badge that something waits for the user.
#pragma once

#include <windows.h>

#include <functional>

namespace morvane::platform {

// The system's, or a test's that records the requests.
struct TaskbarOverlay {
  // Puts `icon` over the window's taskbar button, with `description` for
  // screen readers; a null icon takes it off. The taskbar keeps a copy of
  // the icon.
  std::function<void(HWND window, HICON icon, const wchar_t* description)> put;
  // Lets `message`, with which the taskbar announces the window's button,
  // through to the window when the program runs as administrator, where
  // Windows drops messages from less trusted programs such as Explorer unless
  // the window asks for them.
  std::function<void(HWND window, UINT message)> let_through;
};

// Through the taskbar's COM interface, made when first asked for; where
// there is none, nothing shows and nothing fails.
TaskbarOverlay SystemTaskbarOverlay();

}  // namespace morvane::platform
