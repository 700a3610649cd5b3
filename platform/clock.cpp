#include "platform/clock.h"

#include <windows.h>

namespace morvane::platform {

// "The elapsed time retrieved by GetTickCount or GetTickCount64 includes time
// the system spends in sleep or hibernation" (Win32 documentation, System
// Information, "Windows Time"). The interrupt-time functions of Windows 7
// leave that time out (QueryUnbiasedInterruptTime), the one that keeps it is
// newer (QueryInterruptTime, Windows 10), and std::chrono::steady_clock
// promises nothing about sleep and, with some MinGW runtimes, follows the
// adjustable time of day. The resolution, one system clock tick, is the one
// window timers are delivered at anyway.
Clock UptimeClock() {
  return [] { return std::chrono::milliseconds{::GetTickCount64()}; };
}

}  // namespace morvane::platform
