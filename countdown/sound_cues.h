// Plays the cues from the "Sounds" folder beside the executable.
#pragma once

#include <string>

#include "countdown/cue.h"

namespace morvane {

// The folder that holds the running executable, for a path of any length.
std::wstring ProgramFolder();

// Starts the cue and returns at once. A cue still playing is cut short; a
// missing, unplayable or oversized (16 MiB) file plays nothing, not even the
// default sound. Called on the window's thread, whose messages close the
// sound's device once it is over.
void PlayCue(Cue cue);

}  // namespace morvane
