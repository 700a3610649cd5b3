#include "ui/toolkit/timing/tick_schedule.h"

namespace morvane::toolkit {

TickSchedule::Millis TickSchedule::Start(Millis now) {
  start_ = now;
  ticks_ = 0;
  period_ = interval_;
  return interval_;
}

TickSchedule::Decision TickSchedule::OnTimer(Millis now) {
  // The system can only deliver a message on one of its clock ticks. Within
  // the tolerance of a due time this message is the nearest one to it; waiting
  // for the next would land the tick later and cost another message.
  const std::int64_t delivered = DeliverDueBy(now + early_tolerance_);
  // Past the tolerance before the next due time, so the wait is positive.
  const Millis wait = start_ + interval_ * (ticks_ + 1) - now;
  // Left alone, the system timer fires again one period after this message.
  // Within the tolerance of the next due time that message is the tick, just
  // as one set for the exact wait would be; setting the timer again would
  // only cost a call to the window system on every tick.
  const Millis off = wait > period_ ? wait - period_ : period_ - wait;
  const bool rearm = off > early_tolerance_;
  if (rearm) {
    period_ = wait;
  }
  return {delivered, wait, rearm};
}

std::int64_t TickSchedule::TakeDue(Millis now) { return DeliverDueBy(now); }

std::int64_t TickSchedule::DeliverDueBy(Millis moment) {
  const std::int64_t due_by_then = (moment - start_) / interval_;
  const std::int64_t delivered = due_by_then > ticks_ ? due_by_then - ticks_ : 0;
  ticks_ += delivered;
  return delivered;
}

}  // namespace morvane::toolkit
