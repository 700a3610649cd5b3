// "Say the names aloud", while the user has it on in the system menu: each
// expiry is told by the system's voice once the alarm has had time to sound.
// The rows that run out while a sentence waits are told in it too, in row
// order, and a name the user acknowledges before then is left out; once the
// last red name is acknowledged, the voice stops saying any of them.
#pragma once

#include <bitset>
#include <vector>

#include "platform/voice.h"
#include "ui/main/form1_layout.h"
#include "ui/toolkit/controls/edit_box.h"
#include "ui/toolkit/timing/window_timer.h"

namespace morvane::main_window {

class NamesAloud {
 public:
  // `names` are the rows' name boxes, top to bottom, all there by the time a
  // name first turns red; `wait` is an interval timer of the alarm's length,
  // off, whose ticks are this object's.
  NamesAloud(const std::vector<const toolkit::EditBox*>& names, toolkit::WindowTimer& wait,
             platform::Voice voice);
  NamesAloud(const NamesAloud&) = delete;
  NamesAloud& operator=(const NamesAloud&) = delete;

  // Off drops the sentence that waits and silences the one being said.
  void SetOn(bool on);
  // Follows every handler that may turn a name red or white: a name that
  // has turned red since is an expiry.
  void NameColoursChanged();
  // The alarm rang again: the names still red are told after it, unless the
  // voice has not yet said what it had.
  void AlarmRangAgain();

 private:
  using Rows = std::bitset<kRowCount>;
  Rows RedNames() const;
  void TellAfterTheAlarm(Rows rows, platform::SentenceKind kind);
  void Say();

  const std::vector<const toolkit::EditBox*>& names_;
  toolkit::WindowTimer& wait_;
  platform::Voice voice_;
  bool on_ = false;
  Rows red_;      // at the last look
  Rows waiting_;  // to be told when the wait ends
  // An expiry among them is told in its turn; the ringing only reminds.
  platform::SentenceKind kind_ = platform::SentenceKind::Reminder;
};

}  // namespace morvane::main_window
