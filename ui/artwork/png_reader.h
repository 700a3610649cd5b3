// Reading the program's PNG renderings without the Windows Imaging Component.
// Pure: it builds and is tested anywhere.
//
// It reads the forms the renderings are stored in, which the artwork checks
// hold them to: 8 bits a sample, a palette or red-green-blue, not interlaced.
// Any other PNG is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace morvane::artwork {

struct PngSize {
  int width;
  int height;
};

// The size of the picture in `file`, or nothing if it is not a PNG of those
// forms.
std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> file);

// The picture's pixels, row after row from the top, into `pixels`, which
// holds exactly its width times its height: each 0x00RRGGBB, in memory blue,
// green, red and a zero byte, as a 32-bit device-independent bitmap has them.
// False if the file is not a PNG of those forms, is damaged, or `pixels` is
// not of its size.
bool ReadPng(std::span<const std::uint8_t> file, std::span<std::uint32_t> pixels);

}  // namespace morvane::artwork
