// The system's voice, which says a sentence aloud while the program goes on.
#pragma once

#include <functional>
#include <string_view>

namespace morvane::platform {

// How a sentence takes its turn with the voice.
enum class SentenceKind {
  // Said once everything asked before it is said.
  Told,
  // Said only if the voice has nothing left to say: a sentence that comes
  // again and again must not pile up behind a voice that cannot keep up.
  Reminder,
  // Said next: in place of an answer still being said or waiting, or else
  // once the sentence being said is said.
  Answer,
};

// The system's, or a test's that records what it is asked.
struct Voice {
  // Hands `sentence` (UTF-8, plain text) over and returns at once.
  std::function<void(SentenceKind kind, std::string_view sentence)> say;
  // Drops what waits to be said and stops what is being said.
  std::function<void()> silence;
};

// Through the speech API's voice, made and spoken to on a thread of its own
// (SpeechThread), from the first sentence on, not at start: most runs never
// speak, and making the voice loads COM, the speech engine and the audio.
// Each voice made speaks English where an English voice is installed
// (ChooseEnglishVoice).
// Where there is no voice, or it fails, nothing is said and nothing fails,
// and the next sentence tries again.
Voice SystemVoice();

}  // namespace morvane::platform
