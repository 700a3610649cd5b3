// The baseline the counting cost of Morvane.exe is held against: the least a
// Win32 program does to count down seven times at once. Seven edit boxes in a
// window of the main window's size, seven one-second window timers, and on
// each timer message the box's time, a second less, written into it; no
// fonts, colours, pictures or schedule. Given a sound file, it plays it once
// when its window shows, as Morvane plays its Start cue.
//
// Usage: counting_baseline [SOUND_FILE]
#include <windows.h>

#include <cwchar>

#include "bench/baseline_window.h"
#include "bench/sound_once.h"

namespace {

constexpr wchar_t kClassName[] = L"CountingBaseline";
constexpr wchar_t kTitle[] = L"Counting baseline";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kRows = 7;
constexpr int kOneHour = 3600;

HWND boxes[kRows];
int seconds_left[kRows];

void Show(int row) {
  const int left = seconds_left[row];
  wchar_t text[16];
  std::swprintf(text, 16, L"%02d:%02d:%02d", left / 3600, left / 60 % 60, left % 60);
  ::SetWindowTextW(boxes[row], text);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER: {
      const auto row = static_cast<int>(wparam) - 1;  // timer ids start at 1
      if (row >= 0 && row < kRows && seconds_left[row] > 0) {
        --seconds_left[row];
        Show(row);
      }
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
  HWND window = morvane::bench::CreateBaselineWindow(
      instance, kClassName, kTitle, WindowProc, kFrameStyle,
      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (window == nullptr) {
    return 1;
  }
  for (int row = 0; row < kRows; ++row) {
    boxes[row] = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 150,
                                   40 + 48 * row, 80, 19, window, nullptr, instance, nullptr);
    seconds_left[row] = kOneHour;
    Show(row);
    ::SetTimer(window, static_cast<UINT_PTR>(row + 1), 1000, nullptr);
  }
  ::ShowWindow(window, show);
  morvane::bench::PlaySoundNamedBy(command_line);
  return morvane::bench::RunMessages();
}
