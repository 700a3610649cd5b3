#include "ui/toolkit/controls/control_hook.h"

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
  if (control_ == nullptr) {
    return;
  }
  // A later hook calls ours next: taking ours out of its chain would cut the
  // control off from it.
  if (::GetWindowLongPtrW(control_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure)) {
    ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_procedure_));
  }
  ::SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
}

LRESULT ControlHook::CallControl(UINT message, WPARAM wparam, LPARAM lparam) const {
  return ::CallWindowProcW(own_procedure_, control_, message, wparam, lparam);
}

// The handler hears of the destruction first, as of every message, but its
// answer cannot keep the control from cleaning up.
LRESULT ControlHook::OnDestroyed(WPARAM wparam, LPARAM lparam) {
  handler_(WM_NCDESTROY, wparam, lparam);
  const LRESULT result = CallControl(WM_NCDESTROY, wparam, lparam);
  // The window is gone: there is nothing left to give its procedure back to.
  control_ = nullptr;
  return result;
}

LRESULT CALLBACK ControlHook::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<ControlHook*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) {  // our object went while a later hook kept us in its chain
    return ::CallWindowProcW(reinterpret_cast<WNDPROC>(::GetClassLongPtrW(hwnd, GCLP_WNDPROC)),
                             hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    return self->OnDestroyed(wparam, lparam);
  }
  if (const auto answer = self->handler_(message, wparam, lparam)) {
    return *answer;
  }
  return self->CallControl(message, wparam, lparam);
}

}  // namespace morvane::toolkit
