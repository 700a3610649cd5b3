#include "ui/main/names_aloud.h"

#include <cstddef>
#include <utility>

#include "base/colour.h"
#include "countdown/phrase_book.h"
#include "countdown/time_is_up_sentence.h"

namespace morvane::main_window {

NamesAloud::NamesAloud(const std::vector<const toolkit::EditBox*>& names,
                       toolkit::WindowTimer& wait, platform::Voice voice)
    : names_(names), wait_(wait), voice_(std::move(voice)) {
  wait_.SetTickHandler([this] { Say(); });
}

void NamesAloud::SetOn(bool on) {
  on_ = on;
  if (!on) {
    wait_.SetEnabled(false);
    waiting_.reset();
    voice_.silence_names();
  }
}

void NamesAloud::NameColoursChanged() {
  const Rows red = RedNames();
  const Rows turned_red = red & ~red_;
  const bool last_acknowledged = red_.any() && red.none();
  red_ = red;
  if (on_ && last_acknowledged) {
    voice_.silence_names();
  }
  TellAfterTheAlarm(turned_red, platform::SentenceKind::Expiry);
}

void NamesAloud::AlarmRangAgain() {
  TellAfterTheAlarm(RedNames(), platform::SentenceKind::Reminder);
}

NamesAloud::Rows NamesAloud::RedNames() const {
  Rows red;
  for (std::size_t row = 0; row < names_.size(); ++row) {
    red[row] = names_[row]->TextColour() == kRed;
  }
  return red;
}

// A sentence already waiting takes these rows in. Each of them rang an alarm
// of its own, which cuts the one before short: the wait starts again, so the
// voice never talks over the alarm that rang last.
void NamesAloud::TellAfterTheAlarm(Rows rows, platform::SentenceKind kind) {
  if (!on_ || rows.none()) {
    return;
  }
  if (waiting_.none() || kind == platform::SentenceKind::Expiry) {
    kind_ = kind;
  }
  waiting_ |= rows;
  wait_.SetEnabled(false);
  wait_.SetEnabled(true);
}

void NamesAloud::Say() {
  wait_.SetEnabled(false);
  const Rows told = waiting_ & RedNames();
  waiting_.reset();
  std::vector<ExpiredRow> rows;
  for (std::size_t row = 0; row < names_.size(); ++row) {
    if (told[row]) {
      // The one place the program reads the name the user typed, and only
      // while this option is on.
      rows.push_back(ExpiredRow{static_cast<int>(row) + 1, names_[row]->Text()});
    }
  }
  if (!rows.empty()) {
    voice_.say(
        kind_,
        [rows](platform::Language language) { return TimeIsUpSentence(PhrasesIn(language), rows); },
        0);
  }
}

}  // namespace morvane::main_window
