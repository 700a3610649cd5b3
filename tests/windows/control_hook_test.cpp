// A control's hook as the window sees it: the control always sees its own
// destruction, and a later hook on it outlives ours.
#include <windows.h>

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "ui/toolkit/controls/control_hook.h"

namespace morvane::testing {
namespace {

using toolkit::ControlHook;

// A window class standing in for a system control: its own procedure
// records the messages that reach it.
std::vector<UINT> seen_by_control;

LRESULT CALLBACK RecordingProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  seen_by_control.push_back(message);
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

HWND CreateRecordingControl() {
  WNDCLASSW recording{};
  recording.lpfnWndProc = &RecordingProcedure;
  recording.hInstance = ::GetModuleHandleW(nullptr);
  recording.lpszClassName = L"MorvaneRecordingControl";
  ::RegisterClassW(&recording);  // fails harmlessly once it is registered
  seen_by_control.clear();
  return ::CreateWindowExW(0, recording.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, recording.hInstance, nullptr);
}

TEST(ControlHookTest, TheControlSeesItsDestructionWhateverTheHandlerAnswers) {
  HWND control = CreateRecordingControl();
  std::optional<ControlHook> hook(std::in_place, control, [](UINT message, WPARAM, LPARAM) {
    return message == WM_NCDESTROY ? std::optional<LRESULT>(0) : std::nullopt;
  });
  ::DestroyWindow(control);
  EXPECT_EQ(seen_by_control.back(), static_cast<UINT>(WM_NCDESTROY));

  ::SetLastError(ERROR_SUCCESS);
  hook.reset();
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SUCCESS))
      << "the hook wrote to the handle of a window that is gone";
}

WNDPROC before_later_hook = nullptr;

LRESULT CALLBACK LaterHook(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::CallWindowProcW(before_later_hook, hwnd, message, wparam, lparam);
}

TEST(ControlHookTest, AHookMadeLaterStaysWhenOursGoesAndStillReachesTheControl) {
  HWND control = CreateRecordingControl();
  {
    const ControlHook hook(control, [](UINT, WPARAM, LPARAM) { return std::optional<LRESULT>(); });
    before_later_hook = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterHook)));
  }
  EXPECT_EQ(::GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterHook));
  ::SendMessageW(control, WM_APP, 0, 0);
  EXPECT_EQ(seen_by_control.back(), static_cast<UINT>(WM_APP));
  ::DestroyWindow(control);
}

}  // namespace
}  // namespace morvane::testing
