// The Windows Imaging Component, for resampling a picture to a size that has
// no drawing of its own: present on every Windows from 7 on, and implemented
// by Wine. The pictures are read by the program itself (png_reader.h); only
// resampling starts the imaging component, and COM with it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace morvane::artwork {

// What the fourth byte of a 32-bit pixel (0xAARRGGBB) holds.
enum class FourthByte { kUnused, kPremultipliedAlpha };

// The pixels `from`, of `from_size`, resampled to `to_size` with a
// high-quality filter (Fant) into `to`, which holds exactly that many; row
// after row from the top, both. False while COM or the imaging component is
// not available, which a later call tries again.
bool Resample(std::span<const std::uint32_t> from, SIZE from_size, std::span<std::uint32_t> to,
              SIZE to_size, FourthByte fourth);

}  // namespace morvane::artwork
