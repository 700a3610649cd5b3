// The baseline the benchmarks hold Morvane.exe against: the least a Win32
// program does to show a window like Morvane's main window. One fixed frame
// around a client area of the same size (388 x 408), one edit box, a message
// loop; no pictures, no fonts, no timers.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"MinimalWindow";
constexpr wchar_t kTitle[] = L"Minimal window";
constexpr SIZE kClientSize{388, 408};
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  ::RegisterClassW(&window_class);

  RECT outer{0, 0, kClientSize.cx, kClientSize.cy};
  ::AdjustWindowRect(&outer, kFrameStyle, FALSE);
  HWND window = ::CreateWindowW(kClassName, kTitle, kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, instance, nullptr);
  if (window == nullptr) {
    return 1;
  }
  ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 56, 115,
                    137, 19, window, nullptr, instance, nullptr);
  ::ShowWindow(window, show);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
