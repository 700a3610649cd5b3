#include "ui/toolkit/form/dpi_frame.h"

#include <utility>

#include "platform/dpi.h"
#include "ui/scale/design_scale.h"

namespace morvane::toolkit {

namespace {

DWORD ExStyleFor(const FormDesign& design) {
  DWORD ex_style = 0;
  if (design.frame == FrameStyle::FixedDialog) {
    ex_style |= WS_EX_DLGMODALFRAME;
  }
  if (design.taskbar_button) {
    ex_style |= WS_EX_APPWINDOW;
  }
  return ex_style;
}

}  // namespace

DpiFrame::DpiFrame(const FormDesign& design, std::function<void(int dpi)> lay_out)
    : style_(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN),
      ex_style_(ExStyleFor(design)),
      client_width_(design.client_width),
      client_height_(design.client_height),
      placement_(design.placement),
      lay_out_(std::move(lay_out)) {}

DpiFrame::FirstPlace DpiFrame::FirstPlaceAt(int dpi) const {
  const SIZE outer = OuterSizeAt(dpi);
  POINT at{CW_USEDEFAULT, CW_USEDEFAULT};
  if (placement_ == FirstPlacement::CentredOnScreen) {
    at = POINT{(::GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
               (::GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2};
  }
  return FirstPlace{at, outer};
}

// A new window is first placed on the primary screen, at the system's dpi;
// should it land on another monitor, it is laid out again for that one.
void DpiFrame::FitMonitor(HWND window, int dpi) const {
  const int monitor_dpi = platform::DpiOfWindow(window);
  if (monitor_dpi == dpi) {
    return;
  }
  RECT placed;
  ::GetWindowRect(window, &placed);
  lay_out_(monitor_dpi);
  const SIZE scaled = OuterSizeAt(monitor_dpi);
  Place(window, RECT{placed.left, placed.top, placed.left + scaled.cx, placed.top + scaled.cy},
        monitor_dpi);
}

LRESULT DpiFrame::OnDpiMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) const {
  if (message == platform::kGetDpiScaledSizeMessage) {
    // Asked before a move to a monitor of another dpi. Scaled linearly, the
    // frame and the twips' rounding would give another size than the window
    // takes there, and the rectangle Windows then suggests, fitted to that,
    // could leave most of the window on the monitor it left.
    *reinterpret_cast<SIZE*>(lparam) = OuterSizeAt(static_cast<int>(wparam));
    return TRUE;
  }
  // WM_DPICHANGED: the suggested rectangle, of the size given in answer to
  // the question, keeps the window where the user is dragging it.
  const int dpi = LOWORD(wparam);
  lay_out_(dpi);
  Place(window, *reinterpret_cast<const RECT*>(lparam), dpi);
  return 0;
}

SIZE DpiFrame::OuterSizeAt(int dpi) const {
  return platform::OuterSizeAt(ClientSizeAt(dpi), style_, ex_style_, dpi);
}

// The client area as designed, in pixels at `dpi`.
SIZE DpiFrame::ClientSizeAt(int dpi) const {
  return SIZE{scale::TwipsToPixels(client_width_, dpi),
              scale::TwipsToPixels(client_height_, dpi)};
}

// The window at `outer`, in screen coordinates. Should the client area not
// come out as designed, the system draws the frame at another dpi than asked
// (Wine draws every frame at its one dpi): the frame is measured as placed,
// and the window sized again around the designed client area.
void DpiFrame::Place(HWND window, const RECT& outer, int dpi) const {
  constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
  const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
  ::SetWindowPos(window, nullptr, outer.left, outer.top, size.cx, size.cy, kFlags);
  const SIZE client = ClientSizeAt(dpi);
  RECT placed;
  ::GetClientRect(window, &placed);
  if (placed.right != client.cx || placed.bottom != client.cy) {
    ::SetWindowPos(window, nullptr, 0, 0, size.cx + client.cx - placed.right,
                   size.cy + client.cy - placed.bottom, kFlags | SWP_NOMOVE);
  }
}

}  // namespace morvane::toolkit
