// The baseline the benchmarks hold Morvane.exe against: the least a Win32
// program does to show a window like Morvane's main window. One fixed frame
// around a client area of the same size (388 x 408), one edit box, a message
// loop; no pictures, no fonts, no timers.
//
// Given a sound file, it plays it once when its window shows, as Morvane
// plays its Start cue.
//
// Usage: minimal_window [SOUND_FILE]
#include <windows.h>

#include "bench/baseline_window.h"
#include "bench/sound_once.h"

namespace {

constexpr wchar_t kClassName[] = L"MinimalWindow";
constexpr wchar_t kTitle[] = L"Minimal window";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
  HWND window = morvane::bench::CreateBaselineWindow(
      instance, kClassName, kTitle, WindowProc, kFrameStyle,
      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (window == nullptr) {
    return 1;
  }
  ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 56, 115,
                    137, 19, window, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  morvane::bench::PlaySoundNamedBy(command_line);
  return morvane::bench::RunMessages();
}
