#include "platform/speech_queue.h"

#include <algorithm>
#include <utility>

namespace morvane::platform {

namespace {

bool TakesItsTurn(SentenceKind kind) {
  return kind == SentenceKind::Expiry || kind == SentenceKind::Notice;
}

bool OfTheNames(SentenceKind kind) {
  return kind == SentenceKind::Expiry || kind == SentenceKind::Reminder;
}

}  // namespace

void SpeechQueue::Add(SentenceKind kind, Sentence sentence, Subjects about) {
  switch (kind) {
    case SentenceKind::Expiry:
    case SentenceKind::Notice: {
      // An answer or a reminder waits at the front, at most one of each.
      const auto oldest = std::find_if(waiting_.begin(), waiting_.end(),
                                       [](const Waiting& s) { return TakesItsTurn(s.kind); });
      if (waiting_.end() - oldest == kMostInTurn) {
        waiting_.erase(oldest);
      }
      waiting_.push_back(Waiting{kind, std::move(sentence), about});
      break;
    }
    case SentenceKind::Reminder:
      if (!speaking_ && waiting_.empty()) {
        waiting_.push_back(Waiting{kind, std::move(sentence), about});
      }
      break;
    case SentenceKind::Answer:
      std::erase_if(waiting_, [](const Waiting& s) { return s.kind == SentenceKind::Answer; });
      waiting_.push_front(Waiting{kind, std::move(sentence), about});
      cut_ = cut_ || speaking_ == SentenceKind::Answer;
      break;
  }
}

void SpeechQueue::SilenceTheNames() {
  std::erase_if(waiting_, [](const Waiting& s) { return OfTheNames(s.kind); });
  cut_ = cut_ || (handed_ && OfTheNames(*handed_));
}

Subjects SpeechQueue::Withdraw(Subjects about) {
  Subjects withdrawn = 0;
  std::erase_if(waiting_, [&](const Waiting& s) {
    const bool drop = s.kind == SentenceKind::Notice && (s.about & about) != 0;
    withdrawn |= drop ? s.about : 0;
    return drop;
  });
  return withdrawn;
}

void SpeechQueue::Said() { speaking_.reset(); }

SpeechQueue::Step SpeechQueue::Next() {
  Step step{std::exchange(cut_, false)};
  if (step.cut) {
    speaking_.reset();
    handed_.reset();
  }
  if (!speaking_ && !waiting_.empty()) {
    step.say = std::move(waiting_.front().sentence);
    speaking_ = handed_ = waiting_.front().kind;
    waiting_.pop_front();
  }
  return step;
}

}  // namespace morvane::platform
