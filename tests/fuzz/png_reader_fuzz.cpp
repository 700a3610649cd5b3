// Feeds arbitrary bytes to the PNG reader: as they come, and repaired so
// that a change also reaches what lies behind the checksums (the rows'
// filters, the palette). Besides the sanitizers' findings, it stops on any
// file where
//   - ReadPng reads a picture that PngSizeOf refuses,
//   - ReadPng reads into pixels of another size,
//   - a picture without alpha reads to pixels that are not all opaque.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "tests/native/png_chunks.h"
#include "ui/artwork/png_reader.h"

namespace {

using morvane::testing::Bytes;

// The colour type in the header: 6 is red-green-blue with alpha.
constexpr std::size_t kColourType = 25;
// Larger pictures are passed over: each would cost the fuzzer its memory.
constexpr std::size_t kMostPixels = 1 << 22;
// More than the largest rendering's rows take unpacked.
constexpr std::size_t kMostRowBytes = 1 << 21;

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "PNG reader property broken: %s\n", what);
    std::abort();
  }
}

// The packed rows inflated as far as they go, their Adler-32 unread.
Bytes Inflated(const Bytes& packed) {
  Bytes rows(kMostRowBytes);
  z_stream stream{};
  if (packed.size() < 2 || inflateInit2(&stream, -MAX_WBITS) != Z_OK) return {};
  stream.next_in = const_cast<std::uint8_t*>(packed.data() + 2);  // past the zlib header
  stream.avail_in = static_cast<uInt>(packed.size() - 2);
  stream.next_out = rows.data();
  stream.avail_out = static_cast<uInt>(rows.size());
  inflate(&stream, Z_FINISH);
  rows.resize(stream.total_out);
  inflateEnd(&stream);
  return rows;
}

// The file's chunks with their CRC-32 right, and its rows packed again whole
// in place of its first IDAT chunk.
Bytes Repaired(std::span<const std::uint8_t> file) {
  std::vector<std::span<const std::uint8_t>> chunks;  // each its type and data
  Bytes packed;
  const auto length = [&](std::size_t at) {
    return std::size_t{file[at]} << 24 | std::size_t{file[at + 1]} << 16 |
           std::size_t{file[at + 2]} << 8 | file[at + 3];
  };
  for (std::size_t at = 8; at + 12 <= file.size() && length(at) <= file.size() - at - 12;
       at += 12 + length(at)) {
    const std::span<const std::uint8_t> chunk = file.subspan(at + 4, 4 + length(at));
    const bool packed_rows = std::equal(chunk.begin(), chunk.begin() + 4, "IDAT");
    if (!packed_rows || packed.empty()) chunks.push_back(chunk);
    if (packed_rows) packed.insert(packed.end(), chunk.begin() + 4, chunk.end());
  }
  Bytes repaired(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(8, file.size())));
  const Bytes repacked = morvane::testing::Packed(Inflated(packed));
  for (const auto chunk : chunks) {
    const std::string_view type(reinterpret_cast<const char*>(chunk.data()), 4);
    morvane::testing::AppendChunk(repaired, type, type == "IDAT" ? repacked : chunk.subspan(4));
  }
  return repaired;
}

void Read(std::span<const std::uint8_t> file) {
  const auto picture = morvane::artwork::PngSizeOf(file);
  if (!picture) {
    std::vector<std::uint32_t> pixels(1);
    Require(!morvane::artwork::ReadPng(file, pixels), "ReadPng reads what PngSizeOf refuses");
    return;
  }
  const auto count = static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height);
  if (count > kMostPixels) return;
  std::vector<std::uint32_t> pixels(count + 1);
  Require(!morvane::artwork::ReadPng(file, pixels), "ReadPng reads into pixels of another size");
  pixels.pop_back();
  if (morvane::artwork::ReadPng(file, pixels) && file[kColourType] != 6) {
    for (const std::uint32_t pixel : pixels) {
      Require(pixel >> 24 == 0xFF, "a picture without alpha reads to opaque pixels");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  Read(file);
  Read(Repaired(file));
  return 0;
}
