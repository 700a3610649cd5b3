// Messages a form receives about one of its child controls, handed back to
// that control so that each control answers for itself. They are moved into
// the application's private range so that they can never be mistaken for a
// message the control's own class defines.
#pragma once

#include <windows.h>

namespace morvane::toolkit {

constexpr UINT Reflected(UINT message) { return WM_APP + 0x1C00 + message; }

// Hands `message` to `control`. A control that does not answer leaves the
// result 0, and the caller falls back to the default handling.
inline LRESULT ReflectToControl(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::SendMessageW(control, Reflected(message), wparam, lparam);
}

}  // namespace morvane::toolkit
