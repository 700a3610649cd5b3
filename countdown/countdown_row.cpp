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

void CountdownRow::Stop() {
  c_.cmdStart.SetCaption(kStartCaption);
  c_.tmrCrono.SetEnabled(false);
  c_.Text.SetLocked(false);
  c_.Gold.SetLocked(false);
  c_.txtTime.SetLocked(false);
}

void CountdownRow::tmrCrono_Timer() {
  // One second per tick on time. A tick that stands for more (the program
  // could not run, or the machine slept) takes off every second that passed,
  // one at a time, down to zero at most: a row that ran out meanwhile expires
  // now, once.
  const DateOrder order = host_.UserDateOrder();
  const std::int64_t seconds = c_.tmrCrono.TicksDue();
  std::string time = c_.txtTime.Text();
  for (std::int64_t second = 0; second < seconds; ++second) {
    auto next = StepDown(time, order);
    if (!next) {
      // Something outside the program wrote an unreadable text into the
      // locked box: there is no time left to count, so the row stops as Stop
      // does.
      Stop();
      return;
    }
    time = std::move(*next);
    if (IsExpired(time)) {
      break;
    }
  }
  c_.txtTime.SetText(time);
  if (IsExpired(c_.txtTime.Text())) {
    Expire();
  }
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

}  // namespace morvane
