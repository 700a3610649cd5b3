// The voice's own thread. Making the system's voice loads the speech engine
// and the audio, and the engine may be slow to answer after: the window's
// thread only leaves its sentences here and goes on, never waiting for the
// engine. The thread starts with the first sentence, makes the engine then,
// hands it the sentences one at a time in the order SpeechQueue keeps, and
// is asked to end with the last copy of the Voice made here, and waited for
// a moment at most.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/voice.h"

namespace morvane::platform {

// What says the sentences: the speech API's voice, or a test's stand-in.
// Made and called on the voice's thread only.
class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  // Starts saying `text`, or nothing (nullptr), and returns at once; `cut`
  // first stops what it says and drops what it was given. False when it
  // failed: the engine is let go, and made again for the next sentence.
  virtual bool Speak(const wchar_t* text, bool cut) = 0;
  // Set when the engine may have said all it was given, and SaidAll then
  // tells; nullptr where it cannot tell, and a sentence then counts as said
  // once handed over.
  virtual HANDLE SaidEvent() = 0;
  // Whether the engine has said all it was given: for an engine whose
  // event is also set by other news.
  virtual bool SaidAll() { return true; }
  // The language the sentences are made in for it.
  virtual Language Speaks() const { return kEnglish; }
};

// Makes the engine; nullptr where there is none.
using SpeechEngineMaker = std::function<std::unique_ptr<SpeechEngine>()>;

Voice VoiceOnItsOwnThread(SpeechEngineMaker make);

}  // namespace morvane::platform
