// A child control's messages, shown to its C++ object before the control's
// own window procedure sees them.
//
// This is classic subclassing: the control's procedure is replaced by one
// that finds the object through the window's user data, which the system's
// controls leave to the program. The common controls' SetWindowSubclass
// would do the same job, but it keeps its chain in a window property that it
// reads on every message, and under Wine each such read is a round trip to
// the server: with 28 controls that made the window measurably slower to
// start.
//
// The hook is made with the control, so the control's own procedure is its
// class's. Whatever the handler answers, WM_NCDESTROY reaches that procedure
// and ends the hook. Someone who hooks the control after us keeps our
// procedure as the one to call on: when this object goes first, the hook
// stays in that chain and passes every message on to the class's procedure.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace morvane::toolkit {

class ControlHook {
 public:
  // Answers a message, or leaves it (nullopt) to the control's own procedure.
  using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

  ControlHook(HWND control, Handler handler);
  ControlHook(const ControlHook&) = delete;
  ControlHook& operator=(const ControlHook&) = delete;
  // Gives the control its own procedure back, if the window is still there
  // and nobody has hooked it since.
  ~ControlHook();

  // The control's own procedure, for a handler that wants the control's
  // answer first.
  LRESULT CallControl(UINT message, WPARAM wparam, LPARAM lparam) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnDestroyed(WPARAM wparam, LPARAM lparam);

  HWND control_;
  WNDPROC own_procedure_;
  Handler handler_;
};

}  // namespace morvane::toolkit
