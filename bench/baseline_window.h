// What the start-up and memory baselines share: a top-level window with a
// fixed frame around a client area the size of Morvane's main window, and a
// message loop that runs until it is closed.
#pragma once

#include <windows.h>

namespace morvane::bench {

inline constexpr SIZE kBaselineClientSize{388, 408};

// Registers the class and creates the window, hidden; nullptr on failure.
inline HWND CreateBaselineWindow(HINSTANCE instance, const wchar_t* class_name,
                                 const wchar_t* title, WNDPROC procedure, DWORD frame_style,
                                 HBRUSH background) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = class_name;
  ::RegisterClassW(&window_class);

  RECT outer{0, 0, kBaselineClientSize.cx, kBaselineClientSize.cy};
  ::AdjustWindowRect(&outer, frame_style, FALSE);
  return ::CreateWindowW(class_name, title, frame_style, CW_USEDEFAULT, CW_USEDEFAULT,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                         instance, nullptr);
}

inline int RunMessages() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace morvane::bench
