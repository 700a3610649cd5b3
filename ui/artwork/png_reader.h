// Reading the program's PNG pictures, the renderings and the badge's images,
// without the Windows Imaging Component. Pure: it builds and is tested
// anywhere.
//
// It reads the forms the pictures are stored in, which the artwork checks
// hold them to: 8 bits a sample; a palette, red-green-blue, or red-green-blue
// with alpha; not interlaced; no transparency but an alpha channel's (no
// tRNS chunk). Any other PNG is refused, and so is one with a critical chunk
// (its type's first letter upper case) other than IHDR, PLTE, IDAT and IEND,
// and a damaged one: every chunk's CRC-32 and the pixel data's Adler-32 are
// checked, and every palette index must name a colour of the palette.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace morvane::artwork {

struct PngSize {
  int width;
  int height;
};

// The size of the picture in `file`, or nothing if it is not a PNG of those
// forms or a chunk of it is damaged.
std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> file);

// The picture's pixels, row after row from the top, into `pixels`, which
// holds exactly its width times its height: each 0xAARRGGBB, in memory blue,
// green, red and alpha, as a 32-bit device-independent bitmap has them; the
// alpha is 0xFF in a picture that has none. False if the file is not a PNG of
// those forms, is damaged, or `pixels` is not of its size; what it wrote of
// them then is no picture.
bool ReadPng(std::span<const std::uint8_t> file, std::span<std::uint32_t> pixels);

// A palette picture's colours, each 0xFFRRGGBB, in the order its indices name
// them; none if the picture has no palette or the file is refused.
std::vector<std::uint32_t> PngPalette(std::span<const std::uint8_t> file);

// A palette picture's indices, a byte a pixel, row after row from the top,
// into `indices`, each row `stride` bytes after the one above it (a bitmap
// pads its rows): so a picture of 256 colours is kept at a quarter of the
// memory its pixels would take. False if the picture has no palette, is
// refused as ReadPng refuses it, or `indices` does not hold `stride` bytes
// for each of its rows, at least its width.
bool ReadPngIndices(std::span<const std::uint8_t> file, std::span<std::uint8_t> indices,
                    std::size_t stride);

}  // namespace morvane::artwork
