// Morvane: seven countdown timers side by side in one window.
#include <windows.h>

#include "app/message_loop.h"
#include "app/window_registry.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  morvane::WindowRegistry windows(instance, morvane::RealSystemServices());
  windows.Show(morvane::toolkit::FormName::Form1);
  return morvane::RunMessageLoop(windows);
}
