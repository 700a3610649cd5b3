// Feeds arbitrary bytes to the PNG reader. Besides the sanitizers' findings,
// it stops on any file where
//   - ReadPng reads a picture whose size PngSizeOf does not give,
//   - ReadPng reads into pixels of another size,
//   - a picture without alpha reads to pixels that are not all opaque.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "ui/artwork/png_reader.h"

namespace {

// The colour type in the header: 6 is red-green-blue with alpha.
constexpr std::size_t kColourType = 25;
// Larger pictures are passed over: each would cost the fuzzer its memory.
constexpr std::size_t kMostPixels = 1 << 22;

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "PNG reader property broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const auto picture = morvane::artwork::PngSizeOf(file);
  if (!picture) {
    std::vector<std::uint32_t> pixels(1);
    Require(!morvane::artwork::ReadPng(file, pixels), "ReadPng reads what PngSizeOf refuses");
    return 0;
  }
  const auto count = static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height);
  if (count > kMostPixels) {
    return 0;
  }
  std::vector<std::uint32_t> pixels(count + 1);
  Require(!morvane::artwork::ReadPng(file, pixels), "ReadPng reads into pixels of another size");
  pixels.pop_back();
  if (morvane::artwork::ReadPng(file, pixels) && file[kColourType] != 6) {
    for (const std::uint32_t pixel : pixels) {
      Require(pixel >> 24 == 0xFF, "a picture without alpha reads to opaque pixels");
    }
  }
  return 0;
}
