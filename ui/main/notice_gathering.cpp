#include "ui/main/notice_gathering.h"

#include <algorithm>
#include <utility>

#include "countdown/minute_notice.h"

namespace morvane::main_window {

namespace {

platform::Subjects RowBit(std::size_t row) { return platform::Subjects{1} << row; }

}  // namespace

NoticeGathering::NoticeGathering(const std::vector<const toolkit::EditBox*>& names,
                                 toolkit::WindowTimer& gather, platform::Voice voice)
    : names_(names), gather_(gather), voice_(std::move(voice)) {
  gather_.SetTickHandler([this] { Say(); });
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
    gathered_[row] = left;
    gather_.SetEnabled(true);  // a running gathering goes on
  }
}

void NoticeGathering::StartedOrStopped(std::size_t row) { Drop(row); }

void NoticeGathering::Say() {
  gather_.SetEnabled(false);
  Tell(std::exchange(gathered_, {}));
}

void NoticeGathering::Tell(const Seconds& rows) {
  std::vector<NoticedRow> noticed;
  platform::Subjects about = 0;
  for (std::size_t row = 0; row < kRowCount; ++row) {
    if (rows[row]) {
      // Read only while the option is on, as the names said aloud are.
      noticed.push_back(NoticedRow{static_cast<int>(row) + 1, names_[row]->Text(), *rows[row]});
      about |= RowBit(row);
      handed_[row] = rows[row];
    }
  }
  if (!noticed.empty()) {
    voice_.say(platform::SentenceKind::Notice, MinuteNoticeSentence(noticed), about);
  }
}

// A notice that waits in the voice's turn may tell of other rows too: they
// are told again without this one.
void NoticeGathering::Drop(std::size_t row) {
  gathered_[row].reset();
  if (std::none_of(gathered_.begin(), gathered_.end(),
                   [](const auto& seconds) { return seconds.has_value(); })) {
    gather_.SetEnabled(false);
  }
  if (!std::exchange(handed_[row], std::nullopt)) {
    return;
  }
  const platform::Subjects withdrawn = voice_.withdraw(RowBit(row));
  Seconds again;
  for (std::size_t other = 0; other < kRowCount; ++other) {
    if ((withdrawn & RowBit(other)) != 0) {
      again[other] = handed_[other];
    }
  }
  if (on_) {
    Tell(again);
  }
}

}  // namespace morvane::main_window
