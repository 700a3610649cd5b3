#include "platform/foreground.h"

#include <utility>

#include "platform/system_library.h"

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

// The states in which Windows holds its own notifications back: a game or
// another program full screen, or a presentation.
bool UserIsBusy(QUERY_USER_NOTIFICATION_STATE state) {
  return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
         state == QUNS_PRESENTATION_MODE;
}

using NotificationStateFunction = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);

// Looked up when an alarm first asks, not linked: the shell library is large,
// and loading it at every start would slow the start for a question that most
// runs never ask.
QUERY_USER_NOTIFICATION_STATE SystemNotificationState() {
  static const auto query = FunctionIn<NotificationStateFunction>(
      SystemLibrary(L"shell32.dll"), "SHQueryUserNotificationState");
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  if (query == nullptr || FAILED(query(&state))) {
    return QUNS_ACCEPTS_NOTIFICATIONS;
  }
  return state;
}

}  // namespace

ForegroundRequests SystemForegroundRequests() {
  return ForegroundRequests{
      [](HWND window) { ::SetForegroundWindow(window); },
      [](const FLASHWINFO& flash) {
        FLASHWINFO copy = flash;  // FlashWindowEx takes a non-const pointer but only reads it
        ::FlashWindowEx(&copy);
      },
      &SystemNotificationState};
}

void WindowAttention::BringForward(HWND window) { Show(window, true); }

void WindowAttention::Alert(HWND window) {
  Show(window, !UserIsBusy(requests_.notification_state()));
}

void WindowAttention::ProgramActivated(HWND window) {
  // Windows stops a flash by itself only when the flashing window comes to
  // the front, not when a message box it owns does.
  if (std::exchange(flashing_, false)) {
    Flash(window, FLASHW_STOP);
  }
}

void WindowAttention::Show(HWND window, bool activate) {
  const bool takes_input = ::IsWindowEnabled(window) != FALSE;
  ::ShowWindow(window, ShowCommand(window, activate && takes_input));
  if (activate) {
    // Asked after showing: a minimised owner's popups reappear with it.
    const HWND target = takes_input ? window : ModalWindowOf(window);
    requests_.set_foreground(target);
    // Windows' answer to the request does not promise that the window is in
    // front; the foreground window does.
    if (::GetForegroundWindow() == target) {
      return;
    }
  }
  // Windows flashes a refused window a few times on its own and then stops;
  // an alarm missed by ear must still be there to see when the user looks.
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

}  // namespace morvane::platform
