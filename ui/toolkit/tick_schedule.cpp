#include "ui/toolkit/tick_schedule.h"

namespace morvane::toolkit {

TickSchedule::Millis TickSchedule::Start(Millis now) {
  start_ = now;
  ticks_ = 0;
  return interval_;
}

TickSchedule::Decision TickSchedule::OnTimer(Millis now) {
  const Millis due = start_ + interval_ * (ticks_ + 1);
  if (now < due) {
    return {false, due - now};
  }
  // Every tick due by now is delivered as this one.
  ticks_ = (now - start_) / interval_;
  const Millis next = start_ + interval_ * (ticks_ + 1);
  return {true, next - now};
}

}  // namespace morvane::toolkit
