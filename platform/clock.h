// The time source of the interval timers; tests put in a clock they move by hand.
#pragma once

#include <chrono>
#include <functional>

namespace morvane::platform {

using Clock = std::function<std::chrono::milliseconds()>;

// Milliseconds since Windows started, time asleep or hibernating included, so
// that a countdown takes off the time the machine slept.
Clock UptimeClock();

}  // namespace morvane::platform
