// The system's voice, which says a sentence aloud while the program goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace morvane::platform {

// How a sentence takes its turn with the voice.
enum class SentenceKind {
  // Said once everything asked before it is said.
  Expiry,
  // Said in its turn, as an expiry is, unless it is withdrawn first: it
  // tells of something that may change before its turn comes.
  Notice,
  // Said only if the voice has nothing left to say: a sentence that comes
  // again and again must not pile up behind a voice that cannot keep up.
  Reminder,
  // Said next: in place of an answer still being said or waiting, or else
  // once the sentence being said is said.
  Answer,
};

// What a notice tells of, one bit for each thing (a row, for the program).
using Subjects = std::uint32_t;

// A language as Windows numbers it: a language identifier's low ten bits,
// the same in every country (English's 409, 809 and c09 are all 0x09).
using Language = std::uint16_t;
inline constexpr Language kEnglish = 0x09;

// A sentence, made in the language of the voice that says it once that voice
// is made: plain text, UTF-8.
using Sentence = std::function<std::string(Language language)>;

// Whether the program's sentences can be made in a language.
using SpokenLanguages = std::function<bool(Language language)>;

// The system's, or a test's that records what it is asked.
struct Voice {
  // Hands `sentence` over and returns at once; `about` only matters to a
  // notice.
  std::function<void(SentenceKind kind, Sentence sentence, Subjects about)> say;
  // Drops the notices not yet said that tell of any of `about`, and returns
  // all that they told of, for the rest to be told again.
  std::function<Subjects(Subjects about)> withdraw;
  // Drops the expiries and reminders not yet said, and stops one being said:
  // the user has seen the names. Answers and notices go on.
  std::function<void()> silence_names;
};

// Through the speech API's voice, made and spoken to on a thread of its own
// (SpeechThread), from the first sentence on, not at start: most runs never
// speak, and making the voice loads COM, the speech engine and the audio.
// Each voice made speaks the default voice's language where `spoken` has it,
// and otherwise English, with an English voice where one is installed
// (SetChosenVoice). Where there is no voice, or it fails, nothing is said and
// nothing fails, and the next sentence tries again.
Voice SystemVoice(SpokenLanguages spoken);

}  // namespace morvane::platform
