#include "app/message_loop.h"

namespace morvane {

namespace {

HWND ActiveFormWindow(const WindowRegistry& windows) {
  HWND active = ::GetActiveWindow();
  for (const auto form : {toolkit::FormName::Form1, toolkit::FormName::Form2}) {
    const toolkit::Form* instance = windows.Existing(form);
    if (instance != nullptr && instance->hwnd() == active) {
      return active;
    }
  }
  return nullptr;
}

}  // namespace

// The dialog manager acts on keys only (Tab, arrows, Enter, Escape,
// mnemonics), and anything else it would only dispatch: those messages, the
// timers' and the paints' above all, skip asking which window is active,
// a round trip to the window server under Wine.
void DeliverMessage(const WindowRegistry& windows, const MSG& message) {
  // IsDialogMessage takes a non-const MSG but only reads it.
  MSG copy = message;
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    HWND form = ActiveFormWindow(windows);
    if (form != nullptr && ::IsDialogMessageW(form, &copy)) {
      return;
    }
  }
  ::TranslateMessage(&copy);
  ::DispatchMessageW(&copy);
}

int RunMessageLoop(const WindowRegistry& windows) {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    DeliverMessage(windows, message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace morvane
