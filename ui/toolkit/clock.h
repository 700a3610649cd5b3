// The time source of the interval timers; tests put in a clock they move by hand.
#pragma once

#include <chrono>
#include <functional>

namespace morvane::toolkit {

using Clock = std::function<std::chrono::milliseconds()>;

inline Clock SteadyClock() {
  return [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
  };
}

}  // namespace morvane::toolkit
