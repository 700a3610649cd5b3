// Reads the program's next message box from inside its modal loop, and
// answers it, for the tests of what shows one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/windows/app_fixture.h"

namespace morvane::testing {

// What the message box showed, read while it was open.
struct MessageBoxSeen {
  bool shown = false;
  std::wstring title;
  std::vector<std::wstring> texts;    // static texts
  std::vector<std::wstring> buttons;  // push buttons' captions
  bool icon = false;
};

// Reads the next message box from inside its modal loop, once `ready` says so
// (or after a few seconds), and answers it: with OK unless told otherwise. An
// answer that leaves the box open is followed by OK after two seconds, so that
// the test goes on to report it. Thread timers run in that loop.
class MessageBoxWatcher {
 public:
  using Answer = std::function<void(HWND box)>;
  explicit MessageBoxWatcher(std::function<bool()> ready, Answer answer = &PressOk)
      : ready_(std::move(ready)), answer_(std::move(answer)) {
    current_ = this;
    started_ = ::GetTickCount();
    timer_ = ::SetTimer(nullptr, 0, 50, &MessageBoxWatcher::OnTimer);
  }
  ~MessageBoxWatcher() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  const MessageBoxSeen& seen() const { return seen_; }
  bool answered_in_time() const { return !forced_; }

 private:
  static void PressOk(HWND box) { ::PostMessageW(box, WM_COMMAND, IDOK, 0); }

  static BOOL CALLBACK FindMessageBox(HWND hwnd, LPARAM found) {
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(hwnd)) {
      *reinterpret_cast<HWND*>(found) = hwnd;
      return FALSE;
    }
    return TRUE;
  }

  static BOOL CALLBACK ReadChild(HWND child, LPARAM seen_param) {
    auto& seen = *reinterpret_cast<MessageBoxSeen*>(seen_param);
    if (!::IsWindowVisible(child)) return TRUE;
    wchar_t name[16] = {};
    ::GetClassNameW(child, name, 16);
    const auto style = ::GetWindowLongW(child, GWL_STYLE);
    if (std::wstring(name) == L"Button") {
      seen.buttons.push_back(WindowText(child));
    } else if (std::wstring(name) == L"Static") {
      if ((style & SS_TYPEMASK) == SS_ICON && ::SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        seen.icon = true;
      } else if (!WindowText(child).empty()) {
        seen.texts.push_back(WindowText(child));
      }
    }
    return TRUE;
  }

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ != nullptr) current_->Poll();
  }

  void Poll() {
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    if (seen_.shown) {
      if (::GetTickCount() - answered_ > 2000) {
        forced_ = true;
        PressOk(box);
      }
      return;
    }
    if (!ready_() && ::GetTickCount() - started_ < 5000) return;
    seen_.shown = true;
    seen_.title = WindowText(box);
    ::EnumChildWindows(box, &ReadChild, reinterpret_cast<LPARAM>(&seen_));
    answered_ = ::GetTickCount();
    answer_(box);
  }

  static inline MessageBoxWatcher* current_ = nullptr;
  std::function<bool()> ready_;
  Answer answer_;
  DWORD started_ = 0;
  DWORD answered_ = 0;
  bool forced_ = false;
  UINT_PTR timer_ = 0;
  MessageBoxSeen seen_;
};

}  // namespace morvane::testing
