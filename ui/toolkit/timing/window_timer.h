// An interval timer on a Win32 window timer, kept on real time by a
// TickSchedule: a timer message that came too far from its due time re-arms
// the window timer with the delay that is left until the next tick is due,
// and each tick tells how many intervals it stands for.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

#include "base/control_interfaces.h"
#include "platform/clock.h"
#include "ui/toolkit/timing/tick_schedule.h"

namespace morvane::toolkit {

class WindowTimer final : public IntervalTimer {
 public:
  WindowTimer(HWND owner, UINT_PTR id, std::chrono::milliseconds interval, platform::Clock clock);
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer();

  bool Enabled() const override { return enabled_; }
  // Enabling a running timer changes nothing; its ticks stay where they were.
  void SetEnabled(bool enabled) override;
  std::int64_t TicksDue() const override { return ticks_due_; }
  std::int64_t TakeTicksDueNow() override;

  UINT_PTR id() const { return id_; }
  void SetTickHandler(std::function<void()> handler) { on_tick_ = std::move(handler); }
  // The owner window received WM_TIMER for this timer.
  void Elapsed();

 private:
  void Arm(std::chrono::milliseconds wait) const;

  HWND owner_;
  UINT_PTR id_;
  platform::Clock clock_;
  TickSchedule schedule_;
  bool enabled_ = false;
  std::int64_t ticks_due_ = 0;
  std::function<void()> on_tick_;
};

}  // namespace morvane::toolkit
