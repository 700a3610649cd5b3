#include "platform/speech_queue.h"

#include <algorithm>
#include <utility>

namespace morvane::platform {

void SpeechQueue::Add(SentenceKind kind, std::string sentence) {
  switch (kind) {
    case SentenceKind::Expiry: {
      // An answer or a reminder waits at the front, at most one of each.
      const auto oldest = std::find_if(waiting_.begin(), waiting_.end(), [](const Sentence& s) {
        return s.kind == SentenceKind::Expiry;
      });
      if (waiting_.end() - oldest == kMostExpiries) {
        waiting_.erase(oldest);
      }
      waiting_.push_back(Sentence{kind, std::move(sentence)});
      break;
    }
    case SentenceKind::Reminder:
      if (!speaking_ && waiting_.empty()) {
        waiting_.push_back(Sentence{kind, std::move(sentence)});
      }
      break;
    case SentenceKind::Answer:
      std::erase_if(waiting_, [](const Sentence& s) { return s.kind == SentenceKind::Answer; });
      waiting_.push_front(Sentence{kind, std::move(sentence)});
      cut_ = cut_ || speaking_ == SentenceKind::Answer;
      break;
  }
}

// The engine may be saying something the queue does not know of: one that
// cannot tell when it is done counts every sentence said once handed over.
void SpeechQueue::Silence() {
  waiting_.clear();
  cut_ = true;
}

void SpeechQueue::Said() { speaking_.reset(); }

SpeechQueue::Step SpeechQueue::Next() {
  Step step{std::exchange(cut_, false)};
  if (step.cut) {
    speaking_.reset();
  }
  if (!speaking_ && !waiting_.empty()) {
    step.say = std::move(waiting_.front().text);
    speaking_ = waiting_.front().kind;
    waiting_.pop_front();
  }
  return step;
}

}  // namespace morvane::platform
