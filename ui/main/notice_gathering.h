// "A minute's notice", while the user has it on: each row that comes to its
// last minute is told aloud, once, whether or not the names are said. The
// rows' timers tick apart, so rows started together reach their minute a
// moment apart: a notice waits a second for the others, and those that come
// meanwhile are told in the same sentence. A notice not yet said when its
// row stops counting is dropped. Sound only: nothing comes forward.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "countdown/row_standing.h"
#include "platform/voice.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/controls/edit_box.h"
#include "ui/toolkit/timing/window_timer.h"

namespace morvane::main_window {

class NoticeGathering {
 public:
  // `names` are the rows' name boxes, top to bottom; `gather` is an interval
  // timer of a second, off, whose ticks are this object's.
  NoticeGathering(const std::vector<const toolkit::EditBox*>& names,
                  toolkit::WindowTimer& gather, platform::Voice voice);
  NoticeGathering(const NoticeGathering&) = delete;
  NoticeGathering& operator=(const NoticeGathering&) = delete;

  // Off drops the notices not yet said.
  void SetOn(bool on);
  bool On() const { return on_; }
  // Row `row`'s timer ticked: where it stood before and after.
  void Ticked(std::size_t row, const RowStanding& before, const RowStanding& after);
  // Row `row` was started, resumed or stopped.
  void StartedOrStopped(std::size_t row);

 private:
  using Seconds = std::array<std::optional<std::int64_t>, kRowCount>;
  void Say();
  // Hands the voice a notice of `rows`, told as the time left they crossed at.
  void Tell(const Seconds& rows);
  void Drop(std::size_t row);

  const std::vector<const toolkit::EditBox*>& names_;
  toolkit::WindowTimer& gather_;
  platform::Voice voice_;
  bool on_ = false;
  Seconds gathered_;  // waiting for the gathering's second to end
  Seconds handed_;    // to the voice, said or not, until the row stops counting
};

}  // namespace morvane::main_window
