#include "ui/toolkit/window_services/window_attention.h"

#include <utility>

namespace morvane::toolkit {

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

// Windows interrupts the user in two states (quiet time, the first hours after
// a new user first signs in, holds back only its own news). It reports a Store
// program running alike whether the program is full screen or in a window on
// the desktop, and while the Start menu is open: the alarm holds back only
// when the window in front shows full screen. In every other state, a game
// or another program full screen, a presentation or the user away, Windows
// holds its notifications back, and so does the alarm: a state added later
// falls on the quiet side.
bool MayInterrupt(const platform::ForegroundRequests& requests) {
  const QUERY_USER_NOTIFICATION_STATE state = requests.notification_state();
  if (state == platform::kStoreAppRunning) {
    return !requests.full_screen_in_front();
  }
  return state == QUNS_ACCEPTS_NOTIFICATIONS || state == QUNS_QUIET_TIME;
}

}  // namespace

void WindowAttention::BringForward(HWND window) {
  const bool takes_input = ::IsWindowEnabled(window) != FALSE;
  ::ShowWindow(window, ShowCommand(window, takes_input));
  // Asked after showing: a minimised owner's popups reappear with it.
  const HWND target = takes_input ? window : ModalWindowOf(window);
  requests_.set_foreground(target);
  // Windows' answer to the request does not promise that the window is in
  // front; the foreground window does.
  if (::GetForegroundWindow() != target) {
    FlashUntilSeen(window);
  }
}

// Even shown without activation, a window is raised above the others, and a
// minimised one restored in the band of windows kept on top would cover the
// game: the window stays exactly where it is.
void WindowAttention::Alert(HWND window) {
  if (MayInterrupt(requests_)) {
    BringForward(window);
    return;
  }
  restore_when_seen_ = true;
  FlashUntilSeen(window);
}

void WindowAttention::ProgramActivated(HWND window) {
  // Not activated by the restore: the user chose the window that comes
  // forward, and the activation is under way.
  if (std::exchange(restore_when_seen_, false) && ::IsIconic(window)) {
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
  }
  // Windows stops a flash by itself only when the flashing window comes to
  // the front, not when a message box it owns does.
  if (std::exchange(flashing_, false)) {
    Flash(window, FLASHW_STOP);
  }
}

// Windows flashes a refused window a few times on its own and then stops; an
// alarm missed by ear must still be there to see when the user looks.
void WindowAttention::FlashUntilSeen(HWND window) {
  Flash(window, FLASHW_ALL | FLASHW_TIMERNOFG);
  flashing_ = true;
}

void WindowAttention::Flash(HWND window, DWORD flags) {
  FLASHWINFO flash{};
  flash.cbSize = sizeof flash;
  flash.hwnd = window;
  flash.dwFlags = flags;
  requests_.flash(flash);
}

}  // namespace morvane::toolkit
