#include "ui/toolkit/control_hook.h"

#include <utility>

namespace morvane::toolkit {

ControlHook::ControlHook(HWND control, Handler handler)
    : control_(control),
      own_procedure_(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC))),
      handler_(std::move(handler)) {
  ::SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

ControlHook::~ControlHook() {
  if (control_ != nullptr) {
    ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_procedure_));
    ::SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
  }
}

LRESULT ControlHook::CallControl(UINT message, WPARAM wparam, LPARAM lparam) const {
  return ::CallWindowProcW(own_procedure_, control_, message, wparam, lparam);
}

LRESULT CALLBACK ControlHook::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<ControlHook*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (const auto answer = self->handler_(message, wparam, lparam)) {
    return *answer;
  }
  const LRESULT result = self->CallControl(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // The window is gone: there is nothing left to give its procedure back to.
    self->control_ = nullptr;
  }
  return result;
}

}  // namespace morvane::toolkit
