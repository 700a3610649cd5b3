// The system's voice, which says a sentence aloud while the program goes on.
#pragma once

#include <functional>
#include <string_view>

namespace morvane::platform {

// The system's, or a test's that records what it is asked.
struct Voice {
  // Starts saying `sentence` (UTF-8, plain text) once what it is saying is
  // said, and returns at once.
  std::function<void(std::string_view sentence)> say;
  // Drops what waits to be said and stops what is being said.
  std::function<void()> silence;
};

// Through the speech API's voice, made at the first sentence, not at start:
// most runs never speak, and the voice brings COM and its engine with it.
// The voice is kept for as long as a copy of these functions, and released
// with the last one; where there is none, or it fails, nothing is said and
// nothing fails, and the next sentence tries again.
Voice SystemVoice();

}  // namespace morvane::platform
