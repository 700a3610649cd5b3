// The speech API's installed voices, for a voice just made.
#pragma once

#include <windows.h>

#include <sapi.h>

#include "platform/voice.h"

namespace morvane::platform {

// Gives `voice` the installed voice that ChooseVoice takes, or leaves it the
// default voice, also where the system cannot tell its voices or their
// languages, or refuses the one taken; returns the language the sentences
// are to be made in. The voices looked at are the speech API's own, then
// those that Windows' Settings add, which its voice category does not list.
// Nothing is written to the system.
Language SetChosenVoice(ISpVoice& voice, const SpokenLanguages& spoken);

}  // namespace morvane::platform
