#include "countdown/countdown_row.h"

#include <cstdint>
#include <string>
#include <utility>

namespace morvane {

void CountdownRow::cmdStart_Click() {
  // The caption is the row's only state flag, compared exactly.
  if (c_.cmdStart.Caption() == kStartCaption) {
    Start();
  } else {
    Stop();
  }
}

void CountdownRow::Start() {
  if (!IsValidTime(c_.txtTime.Text(), host_.UserDateOrder())) {
    host_.ShowMessage(kInvalidTimeMessage);
    c_.txtTime.Focus();
    return;
  }
  // A resume goes on with the countdown that was stopped: its key would
  // start it again from its first time, not from where it was stopped.
  if (c_.txtTime.Text() != std::exchange(left_by_stop_, {})) {
    started_with_ = c_.txtTime.Text();
  }
  StartCounting();
}

void CountdownRow::StartCounting() {
  host_.PlayCue(Cue::Start);
  c_.Text.SetLocked(true);
  c_.Gold.SetLocked(true);
  c_.txtTime.SetLocked(true);
  c_.cmdStart.SetCaption(kStopCaption);
  c_.Text.SetTextColour(kWhite);
  c_.Gold.SetTextColour(kWhite);
  // The text stays as typed; the first tick rewrites it in canonical form.
  c_.tmrCrono.SetEnabled(true);
}

// A click queued during a stall is handled before the timer message of the
// seconds that passed meanwhile, which stopping the timer would throw away:
// they are taken off first, and a row that ran out meanwhile expires instead.
void CountdownRow::Stop() {
  const std::int64_t seconds = c_.tmrCrono.TakeTicksDueNow();
  if (seconds > 0 && !CountDown(seconds)) {
    return;
  }
  Halt();
  left_by_stop_ = c_.txtTime.Text();
}

void CountdownRow::Halt() {
  c_.cmdStart.SetCaption(kStartCaption);
  c_.tmrCrono.SetEnabled(false);
  c_.Text.SetLocked(false);
  c_.Gold.SetLocked(false);
  c_.txtTime.SetLocked(false);
}

void CountdownRow::tmrCrono_Timer() { CountDown(c_.tmrCrono.TicksDue()); }

// One second per tick on time. A tick that stands for more (the program
// could not run, or the machine slept) takes off every second that passed,
// one at a time, down to zero at most: a row that ran out meanwhile expires
// now, once.
bool CountdownRow::CountDown(std::int64_t seconds) {
  const DateOrder order = host_.UserDateOrder();
  std::string time = c_.txtTime.Text();
  for (std::int64_t second = 0; second < seconds; ++second) {
    auto next = StepDown(time, order);
    if (!next) {
      // Something outside the program wrote an unreadable text into the
      // locked box: there is no time left to count, so the row stops as Stop
      // does.
      Halt();
      return false;
    }
    time = std::move(*next);
    if (IsExpired(time)) {
      break;
    }
  }
  c_.txtTime.SetText(time);
  if (IsExpired(c_.txtTime.Text())) {
    Expire();
    return false;
  }
  return true;
}

void CountdownRow::Expire() {
  c_.cmdStart.SetCaption(kStartCaption);
  c_.tmrCrono.SetEnabled(false);
  c_.txtTime.SetLocked(false);
  c_.Text.SetLocked(false);
  c_.Gold.SetLocked(false);
  c_.Text.SetTextColour(kRed);
  c_.Gold.SetTextColour(kGreen);
  host_.PlayCue(Cue::Alarm);
  host_.ShowMainWindow();
}

void CountdownRow::Text_Click() { c_.Text.SetTextColour(kWhite); }

RowStanding CountdownRow::StartAgainIfRanOut() {
  const RowStanding standing = Standing();
  if (standing.state != RowStanding::State::RanOut) {
    return standing;
  }
  const auto seconds = SecondsToCount(started_with_, host_.UserDateOrder());
  if (!seconds) {
    return RowStanding{RowStanding::State::CannotStart};
  }
  c_.txtTime.SetText(started_with_);
  StartCounting();
  return RowStanding{RowStanding::State::StartedAgain, seconds};
}

// Only an expiry turns the gold green, and only a Start white again.
RowStanding CountdownRow::Standing() const {
  using State = RowStanding::State;
  const std::string time = c_.txtTime.Text();
  if (c_.cmdStart.Caption() != kStartCaption) {
    return RowStanding{State::Counting, SecondsToCount(time, host_.UserDateOrder())};
  }
  if (started_with_.empty()) {
    return RowStanding{State::NotStarted};
  }
  if (IsExpired(time) && c_.Gold.TextColour() == kGreen) {
    return RowStanding{State::RanOut, std::nullopt, c_.Text.TextColour() == kRed};
  }
  return RowStanding{State::Stopped, SecondsToCount(time, host_.UserDateOrder())};
}

}  // namespace morvane
