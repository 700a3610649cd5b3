#include "ui/main/notice_gathering.h"

#include <algorithm>
#include <utility>

#include "countdown/minute_notice.h"
#include "countdown/phrase_book.h"

namespace morvane::main_window {

namespace {

platform::Subjects RowBit(std::size_t row) { return platform::Subjects{1} << row; }

}  // namespace

NoticeGathering::NoticeGathering(const std::vector<CountdownRow>& rows,
                                 const std::vector<const toolkit::EditBox*>& names,
                                 toolkit::WindowTimer& gather, toolkit::WindowTimer& alarm,
                                 platform::Voice voice)
    : rows_(rows), names_(names), gather_(gather), alarm_(alarm), voice_(std::move(voice)) {
  gather_.SetTickHandler([this] { GatheringEnded(); });
  alarm_.SetTickHandler([this] { AlarmEnded(); });
}

void NoticeGathering::SetOn(bool on) {
  on_ = on;
  if (!on) {
    for (std::size_t row = 0; row < kRowCount; ++row) {
      Drop(row);
    }
  }
}

void NoticeGathering::Ticked(std::size_t row, const RowStanding& before,
                             const RowStanding& after) {
  using State = RowStanding::State;
  if (after.state != State::Counting) {
    Drop(row);  // it ran out, or its time box could no longer be read
    return;
  }
  if (!before.seconds || !after.seconds) {
    return;
  }
  if (const auto left = MinuteNoticeAt(*before.seconds, *after.seconds)) {
    crossed_[row] = left;
    gather_.SetEnabled(true);  // a running gathering goes on
  }
}

void NoticeGathering::StartedOrStopped(std::size_t row) { Drop(row); }

// Each alarm cuts the one before short: the wait starts again.
void NoticeGathering::AlarmRang() {
  if (on_) {
    alarm_.SetEnabled(false);
    alarm_.SetEnabled(true);
  }
}

void NoticeGathering::GatheringEnded() {
  gather_.SetEnabled(false);
  TellWhatWaits();
}

void NoticeGathering::AlarmEnded() {
  alarm_.SetEnabled(false);
  TellWhatWaits();
}

void NoticeGathering::TellWhatWaits() {
  if (!on_ || gather_.Enabled() || alarm_.Enabled()) {
    return;
  }
  std::vector<NoticedRow> noticed;
  platform::Subjects about = 0;
  for (std::size_t row = 0; row < kRowCount; ++row) {
    const auto seconds = again_[row] ? rows_[row].Standing().seconds : crossed_[row];
    if (seconds) {
      // Read only while the option is on, as the names said aloud are.
      noticed.push_back(NoticedRow{static_cast<int>(row) + 1, names_[row]->Text(), *seconds});
      about |= RowBit(row);
      handed_[row] = true;
    }
  }
  crossed_ = {};
  again_.reset();
  if (!noticed.empty()) {
    voice_.say(
        platform::SentenceKind::Notice,
        [noticed](platform::Language language) {
          return MinuteNoticeSentence(PhrasesIn(language), noticed);
        },
        about);
  }
}

// A notice that waits in the voice's turn may tell of other rows too: they
// are told again without this one.
void NoticeGathering::Drop(std::size_t row) {
  crossed_[row].reset();
  again_[row] = false;
  if (std::none_of(crossed_.begin(), crossed_.end(),
                   [](const auto& seconds) { return seconds.has_value(); })) {
    gather_.SetEnabled(false);
  }
  if (handed_[row]) {
    handed_[row] = false;
    Rows withdrawn(voice_.withdraw(RowBit(row)));
    withdrawn[row] = false;
    if (on_) {
      again_ |= withdrawn;
    }
  }
  TellWhatWaits();
}

}  // namespace morvane::main_window
