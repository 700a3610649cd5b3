// The order in which the voice says the program's sentences, kept by the
// voice's own thread between the requests of the window and the engine that
// speaks: the engine is handed one sentence at a time, and the next once it
// has said it, so that what is not yet said can still be dropped or put
// behind an answer. Portable: the native tests check the order.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "platform/voice.h"

namespace morvane::platform {

class SpeechQueue {
 public:
  // What the engine is to do now.
  struct Step {
    bool cut = false;  // stop what it says, and drop what it was given
    Sentence say;      // then start saying this, where there is one
  };

  // `about`: what a notice tells of, for Withdraw.
  void Add(SentenceKind kind, Sentence sentence, Subjects about = 0);
  // Drops the expiries and reminders that wait, and cuts one being said.
  void SilenceTheNames();
  // Drops the notices that wait and tell of any of `about`; returns all that
  // they told of.
  Subjects Withdraw(Subjects about);
  // The engine has said what it was handed.
  void Said();
  // The engine's next step; a sentence handed to it counts as being said
  // until Said.
  Step Next();
  bool Speaking() const { return speaking_.has_value(); }

 private:
  struct Waiting {
    SentenceKind kind;
    Sentence sentence;
    Subjects about;
  };
  // A voice that cannot keep up loses its oldest sentences rather than the
  // program's memory.
  static constexpr std::ptrdiff_t kMostInTurn = 8;

  std::deque<Waiting> waiting_;
  std::optional<SentenceKind> speaking_;
  // The last sentence handed over: an engine that cannot tell when it is
  // done may still be saying it after Said.
  std::optional<SentenceKind> handed_;
  bool cut_ = false;
};

}  // namespace morvane::platform
