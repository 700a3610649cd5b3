// "A minute's notice", while the user has it on: each row that comes to its
// last minute is told aloud, once, whether or not the names are said. The
// rows' timers tick apart, so rows started together reach their minute a
// moment apart: a notice waits a second for the others, and those that come
// meanwhile are told in the same sentence. A notice never talks over an
// alarm: one due while the alarm sounds waits for its end, as the names do.
// A notice not yet said when its row stops counting is dropped. Sound only:
// nothing comes forward.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "countdown/countdown_row.h"
#include "countdown/row_standing.h"
#include "platform/voice.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/controls/edit_box.h"
#include "ui/toolkit/timing/window_timer.h"

namespace morvane::main_window {

class NoticeGathering {
 public:
  // `rows` and `names` are the rows and their name boxes, top to bottom;
  // `gather` is an interval timer of a second and `alarm` one of the alarm's
  // length, both off, whose ticks are this object's.
  NoticeGathering(const std::vector<CountdownRow>& rows,
                  const std::vector<const toolkit::EditBox*>& names,
                  toolkit::WindowTimer& gather, toolkit::WindowTimer& alarm,
                  platform::Voice voice);
  NoticeGathering(const NoticeGathering&) = delete;
  NoticeGathering& operator=(const NoticeGathering&) = delete;

  // Off drops the notices not yet said.
  void SetOn(bool on);
  bool On() const { return on_; }
  // Row `row`'s timer ticked: where it stood before and after.
  void Ticked(std::size_t row, const RowStanding& before, const RowStanding& after);
  // Row `row` was started, resumed or stopped.
  void StartedOrStopped(std::size_t row);
  // An alarm started to sound.
  void AlarmRang();

 private:
  using Rows = std::bitset<kRowCount>;
  void GatheringEnded();
  void AlarmEnded();
  // Hands the voice what waits, unless the option is off or the gathering
  // or the alarm goes on.
  void TellWhatWaits();
  void Drop(std::size_t row);

  const std::vector<CountdownRow>& rows_;
  const std::vector<const toolkit::EditBox*>& names_;
  toolkit::WindowTimer& gather_;
  toolkit::WindowTimer& alarm_;
  platform::Voice voice_;
  bool on_ = false;
  // The rows that crossed their minute, with the time left at the crossing.
  std::array<std::optional<std::int64_t>, kRowCount> crossed_;
  // The rows whose notice was withdrawn with another row's, told again with
  // the time they have left then.
  Rows again_;
  Rows handed_;  // to the voice, said or not, until the row stops counting
};

}  // namespace morvane::main_window
