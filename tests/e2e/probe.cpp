// Answers the end-to-end tests' questions about top-level windows, from inside
// Wine, where the window system's own coordinates are known exactly:
//
//   probe origin TITLE   screen position of the client area's top-left: "x y"
//   probe rect TITLE     the whole window on screen: "x y width height"
//   probe state TITLE    "visible", "hidden" or "absent"
//   probe topmost TITLE  "topmost" when the window is kept above others, else "not topmost"
//   probe menu-item TITLE LETTER  "checked" or "not checked": the item of the
//                        window's system menu that LETTER chooses
//   probe foreground     the foreground window's title
//   probe dpi            the screen's dots per inch
//   probe focus-name TITLE  the name a screen reader reads for the control
//                           that has the focus in that window
//   probe text TITLE X Y  the text of the control at that point of the client area
//
// origin, rect, topmost, menu-item and text exit with 1 when no window has
// that title (or no control is at the point, or no item takes the letter);
// bad usage exits with 2.

#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "tests/e2e/menu_state_hook.h"

namespace {

struct LocalFreeDeleter {
  void operator()(void* memory) const { LocalFree(memory); }
};

std::string to_utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
  return result;
}

std::wstring title_of(HWND window) {
  std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

int print_origin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("%ld %ld\n", origin.x, origin.y);
  return 0;
}

int print_rect(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  return 0;
}

int print_state(HWND window) {
  std::puts(window == nullptr ? "absent" : IsWindowVisible(window) ? "visible" : "hidden");
  return 0;
}

int print_topmost(HWND window) {
  std::puts((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 ? "topmost" : "not topmost");
  return 0;
}

// Asked inside the program, by the hook its window's thread borrows from
// menu_state_hook.dll.
int print_menu_item(HWND window, wchar_t letter) {
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &AnswerMenuState,
                                       GetModuleHandleW(L"menu_state_hook.dll"),
                                       GetWindowThreadProcessId(window, nullptr));
  DWORD_PTR state = 0;
  const bool answered =
      hook != nullptr && SendMessageTimeoutW(window, RegisterWindowMessageW(kMenuStateQuestion), letter,
                                             0, SMTO_ABORTIFHUNG, 2000, &state) != 0;
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  if (!answered || static_cast<LRESULT>(state) == -1) {
    std::fputs("probe: no item of the system menu takes that letter\n", stderr);
    return 1;
  }
  std::puts((state & MF_CHECKED) != 0 ? "checked" : "not checked");
  return 0;
}

int print_foreground() {
  const HWND window = GetForegroundWindow();
  std::puts(window == nullptr ? "" : to_utf8(title_of(window)).c_str());
  return 0;
}

// Through the accessibility interface, from another process, as a screen
// reader asks.
int print_focus_name(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ||
      thread.hwndFocus == nullptr) {
    std::fputs("probe: nothing has the focus\n", stderr);
    return 1;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  BSTR name = nullptr;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  if (SUCCEEDED(AccessibleObjectFromWindow(thread.hwndFocus, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&object)))) {
    object->get_accName(self, &name);
    object->Release();
  }
  std::puts(name == nullptr ? "" : to_utf8(std::wstring_view(name, SysStringLen(name))).c_str());
  SysFreeString(name);
  CoUninitialize();
  return 0;
}

// Asked of the control itself: an edit box keeps its text to itself. The
// timeout keeps a program that does not answer from hanging the test.
int print_text(HWND window, POINT at) {
  const HWND control = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
  if (control == nullptr || control == window) {
    std::fprintf(stderr, "probe: no control at %ld,%ld\n", at.x, at.y);
    return 1;
  }
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           2000, &length)) {
    std::fputs("probe: the control did not answer\n", stderr);
    return 1;
  }
  std::puts(to_utf8(std::wstring_view(text, length)).c_str());
  return 0;
}

int print_dpi() {
  HDC screen = GetDC(nullptr);
  std::printf("%d\n", GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return 0;
}

int usage() {
  std::fputs("usage: probe origin|rect|state|topmost|focus-name TITLE | probe text TITLE X Y |"
             " probe menu-item TITLE LETTER | probe foreground|dpi\n",
             stderr);
  return 2;
}

}  // namespace

int main() {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments{CommandLineToArgvW(GetCommandLineW(), &count)};
  if (!arguments || count < 2) return usage();
  const std::wstring_view command = arguments.get()[1];

  if (command == L"foreground" && count == 2) return print_foreground();
  if (command == L"dpi" && count == 2) return print_dpi();
  const bool text = command == L"text";
  const bool menu_item = command == L"menu-item";
  if (count != (text ? 5 : menu_item ? 4 : 3)) return usage();

  const HWND window = FindWindowW(nullptr, arguments.get()[2]);
  if (command == L"state") return print_state(window);
  if (command != L"origin" && command != L"rect" && command != L"topmost" &&
      command != L"focus-name" && !text && !menu_item) {
    return usage();
  }
  if (window == nullptr) {
    std::fprintf(stderr, "probe: no window titled \"%s\"\n", to_utf8(arguments.get()[2]).c_str());
    return 1;
  }
  if (command == L"focus-name") return print_focus_name(window);
  if (command == L"topmost") return print_topmost(window);
  if (menu_item) return print_menu_item(window, arguments.get()[3][0]);
  if (text) return print_text(window, POINT{_wtol(arguments.get()[3]), _wtol(arguments.get()[4])});
  return command == L"origin" ? print_origin(window) : print_rect(window);
}
