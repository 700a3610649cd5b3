#include "ui/toolkit/timing/window_timer.h"

namespace morvane::toolkit {

namespace {

// A timer message can come up to one system clock tick before its due time;
// within half a tick it is the message nearest to that time.
constexpr auto kEarlyTolerance =
    std::chrono::floor<std::chrono::milliseconds>(kSystemClockTick / 2);

}  // namespace

WindowTimer::WindowTimer(HWND owner, UINT_PTR id, std::chrono::milliseconds interval,
                         platform::Clock clock)
    : owner_(owner), id_(id), clock_(std::move(clock)), schedule_(interval, kEarlyTolerance) {}

WindowTimer::~WindowTimer() {
  if (enabled_ && ::IsWindow(owner_)) {
    ::KillTimer(owner_, id_);
  }
}

void WindowTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) {
    return;
  }
  enabled_ = enabled;
  if (enabled) {
    Arm(schedule_.Start(clock_()));
  } else {
    ::KillTimer(owner_, id_);
  }
}

void WindowTimer::Elapsed() {
  // A WM_TIMER already queued when the timer was disabled must not tick.
  if (!enabled_) {
    return;
  }
  const auto decision = schedule_.OnTimer(clock_());
  if (decision.rearm) {
    Arm(decision.wait);
  }
  ticks_due_ = decision.ticks;
  // The handler runs last: it may disable this timer, and that must stick.
  if (decision.ticks > 0 && on_tick_) {
    on_tick_();
  }
}

std::int64_t WindowTimer::TakeTicksDueNow() {
  return enabled_ ? schedule_.TakeDue(clock_()) : 0;
}

void WindowTimer::Arm(std::chrono::milliseconds wait) const {
  // Same id: SetTimer replaces the pending timer rather than adding one.
  ::SetTimer(owner_, id_, static_cast<UINT>(wait.count()), nullptr);
}

}  // namespace morvane::toolkit
