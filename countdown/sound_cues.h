// Plays the cues from the "Sounds" folder beside the executable.
#pragma once

#include <string>

#include "countdown/cue.h"

namespace morvane {

// The folder that holds the running executable, for a path of any length.
std::wstring ProgramFolder();

// Starts the cue and returns at once. A cue still playing is cut short; a
// missing or unplayable file plays nothing, not even the default sound.
void PlayCue(Cue cue);

}  // namespace morvane
