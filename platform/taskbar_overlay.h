// The small picture the taskbar draws over a window's button, such as a
// badge that something waits for the user.
#pragma once

#include <windows.h>

#include <functional>

namespace morvane::platform {

// Puts `icon` over the window's taskbar button, with `description` for
// screen readers; a null icon takes it off. The taskbar keeps a copy of the
// icon. The system's, or a test's that records the requests.
using TaskbarOverlay = std::function<void(HWND window, HICON icon, const wchar_t* description)>;

// Through the taskbar's COM interface, made when first asked for; where
// there is none, nothing shows and nothing fails.
void SetSystemTaskbarOverlay(HWND window, HICON icon, const wchar_t* description);

}  // namespace morvane::platform
