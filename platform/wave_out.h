// Plays a sound through the multimedia library's wave output from the
// calling thread, with no thread of its own: the system's PlaySound plays
// each sound on a new thread, and under Wine every thread's first 960 KiB of
// stack are cleared when it starts and kept after it ends.
#pragma once

#include <cstddef>
#include <span>

namespace morvane::platform {

// Cuts short the sound playing, if any, and starts `samples` in `format` (a
// WAVEFORMAT, PCMWAVEFORMAT or WAVEFORMATEX and what follows it); returns at
// once. No samples only cut short. Nothing plays where the library, a device
// or the format is missing. Call it from the thread whose messages are
// dispatched: a thread timer there closes the device once the sound is over.
void PlayWave(std::span<const std::byte> format, std::span<const std::byte> samples);

}  // namespace morvane::platform
