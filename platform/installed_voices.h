// The speech API's installed voices, for a voice just made.
#pragma once

#include <windows.h>

#include <sapi.h>

namespace morvane::platform {

// Gives `voice` the installed voice that EnglishVoiceChoice takes, or leaves
// it the default voice, also where the system cannot tell its voices or
// their languages. Nothing is written to the system.
void ChooseEnglishVoice(ISpVoice& voice);

}  // namespace morvane::platform
