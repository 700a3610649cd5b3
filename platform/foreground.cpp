#include "platform/foreground.h"

namespace morvane::platform {

namespace {

// A modal window disables its owner, and stays the owner's last active popup
// while it is open.
HWND ModalWindowOf(HWND owner) {
  HWND popup = ::GetLastActivePopup(owner);
  return popup != nullptr && ::IsWindowEnabled(popup) && ::IsWindowVisible(popup) ? popup : owner;
}

// A window that a modal window disables is only shown: activating it would
// take the keyboard from the modal window, where it cannot go back by itself.
int ShowCommand(HWND window, bool activate) {
  if (::IsIconic(window)) {
    return activate ? SW_RESTORE : SW_SHOWNOACTIVATE;
  }
  return activate ? SW_SHOW : SW_SHOWNA;
}

}  // namespace

ForegroundRequests SystemForegroundRequests() {
  return ForegroundRequests{
      [](HWND window) { return ::SetForegroundWindow(window) != FALSE; },
      [](const FLASHWINFO& flash) {
        FLASHWINFO copy = flash;  // FlashWindowEx takes a non-const pointer but only reads it
        ::FlashWindowEx(&copy);
      }};
}

void BringForward(HWND window, const ForegroundRequests& requests) {
  const bool takes_input = ::IsWindowEnabled(window) != FALSE;
  ::ShowWindow(window, ShowCommand(window, takes_input));
  // Asked after showing: a minimised owner's popups reappear with it.
  const HWND target = takes_input ? window : ModalWindowOf(window);
  if (requests.set_foreground(target)) {
    return;
  }
  // Windows flashes a refused window a few times on its own and then stops;
  // an alarm missed by ear must still be there to see when the user looks.
  FLASHWINFO flash{};
  flash.cbSize = sizeof flash;
  flash.hwnd = window;
  flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
  requests.flash(flash);
}

}  // namespace morvane::platform
