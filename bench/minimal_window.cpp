// The baseline the benchmarks hold Morvane.exe against: the least a Win32
// program does to show a window like Morvane's main window. One fixed frame
// around a client area of the same size (388 x 408), one edit box, a message
// loop; no pictures, no fonts, no timers.
//
// Given a sound file as its command line, it plays it once when its window
// shows, through the same call and the same library, looked up on first use,
// as Morvane's cues: what the system's sound costs is then on both sides.
//
// Usage: minimal_window [SOUND_FILE]
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "bench/baseline_window.h"
#include "platform/system_library.h"

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

// The command line's one argument, with the quotes around it taken off.
std::wstring Unquoted(const wchar_t* argument) {
  std::wstring text(argument);
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

void PlayOnce(const std::wstring& sound_file) {
  using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, UINT flags);
  const auto play = morvane::platform::FunctionIn<PlaySoundFunction>(
      morvane::platform::SystemLibrary(L"winmm.dll"), "sndPlaySoundW");
  if (play != nullptr) {
    play(sound_file.c_str(), SND_ASYNC | SND_NODEFAULT);
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
  ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 56, 115,
                    137, 19, window, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  if (*command_line != L'\0') {
    PlayOnce(Unquoted(command_line));
  }
  return morvane::bench::RunMessages();
}
