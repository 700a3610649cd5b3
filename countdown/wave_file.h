// Where a RIFF WAVE file keeps its sound: the format chunk and the samples,
// found as the system's own player finds them, so that a cue file plays
// (or does not) just as it would there.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace morvane {

struct WaveParts {
  std::span<const std::byte> format;   // the "fmt " chunk's body: a WAVEFORMAT and what follows
  std::span<const std::byte> samples;  // the "data" chunk's body, cut where the file ends
};

// Nothing unless the file is RIFF WAVE with a format of 16 bytes at least
// (a PCMWAVEFORMAT) and, after it, the samples. Other chunks are passed over.
std::optional<WaveParts> FindWaveParts(std::span<const std::byte> file);

}  // namespace morvane
