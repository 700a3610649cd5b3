// Feeds arbitrary bytes to the PNG reader: as they come, and with every
// chunk's CRC-32 and the Adler-32 of all IDAT data made right, so that a change
// reaches what lies behind them too (the rows' filters, the palette). Besides
// the sanitizers' findings, it stops where ReadPng reads a file whose size
// PngSizeOf does not give, or where a palette picture's indices, read into
// padded rows, and its palette do not give the pixels ReadPng reads.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/native/png_chunks.h"
#include "ui/artwork/png_reader.h"

namespace {

using morvane::testing::Bytes;

// Larger pictures are passed over: each would cost the fuzzer its memory.
constexpr std::size_t kMostPixels = 1 << 22;

// The packed rows inflated as far as they go, their Adler-32 unread, into a
// buffer that grows with them up to what the largest picture read needs.
Bytes Inflated(std::span<const std::uint8_t> packed) {
  constexpr std::size_t kMostRowBytes = 5 * kMostPixels;  // 4 bytes a pixel, 1 a row at most
  Bytes rows;
  z_stream stream{};
  if (packed.size() < 2 || inflateInit2(&stream, -MAX_WBITS) != Z_OK) return {};
  stream.next_in = const_cast<std::uint8_t*>(packed.data() + 2);  // past the zlib header
  stream.avail_in = static_cast<uInt>(packed.size() - 2);
  for (int status = Z_OK; status == Z_OK && stream.avail_out == 0 && rows.size() < kMostRowBytes;) {
    rows.resize(std::min(kMostRowBytes, std::max<std::size_t>(4096, 2 * rows.size())));
    stream.next_out = rows.data() + stream.total_out;
    stream.avail_out = static_cast<uInt>(rows.size() - stream.total_out);
    status = inflate(&stream, Z_NO_FLUSH);
  }
  rows.resize(stream.total_out);
  inflateEnd(&stream);
  return rows;
}

// The chunks with their checksums made right. The IDAT chunks' data is one
// zlib stream however it is split: it is inflated whole, packed again and
// split over as many chunks, in their places.
Bytes Repaired(std::span<const std::uint8_t> file) {
  std::vector<std::pair<std::string_view, std::span<const std::uint8_t>>> chunks;
  Bytes packed;
  std::size_t pieces = 0;
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::size_t length = std::size_t{file[at]} << 24 | std::size_t{file[at + 1]} << 16 |
                               std::size_t{file[at + 2]} << 8 | file[at + 3];
    if (length > file.size() - at - 12) break;
    const std::string_view type(reinterpret_cast<const char*>(&file[at + 4]), 4);
    const std::span<const std::uint8_t> data = file.subspan(at + 8, length);
    chunks.emplace_back(type, data);
    if (type == "IDAT") {
      packed.insert(packed.end(), data.begin(), data.end());
      ++pieces;
    }
    at += 12 + length;
  }
  const Bytes repacked = morvane::testing::Packed(Inflated(packed));
  Bytes repaired(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(8, file.size())));
  std::size_t piece = 0;
  for (auto [type, data] : chunks) {
    if (type == "IDAT") {
      const std::size_t from = piece++ * repacked.size() / pieces;
      data = std::span(repacked).subspan(from, piece * repacked.size() / pieces - from);
    }
    morvane::testing::AppendChunk(repaired, type, data);
  }
  return repaired;
}

void Read(std::span<const std::uint8_t> file) {
  const auto picture = morvane::artwork::PngSizeOf(file);
  const std::size_t count = picture ? static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height) : 1;
  if (count > kMostPixels) return;
  std::vector<std::uint32_t> pixels(count);
  const bool read = morvane::artwork::ReadPng(file, pixels);
  if (read && !picture) {
    std::fprintf(stderr, "PNG reader property broken: ReadPng reads what PngSizeOf refuses\n");
    std::abort();
  }
  const std::vector<std::uint32_t> palette = morvane::artwork::PngPalette(file);
  if (!picture || palette.empty()) return;
  const auto width = static_cast<std::size_t>(picture->width);
  const std::size_t stride = width + 1;
  std::vector<std::uint8_t> indices(stride * static_cast<std::size_t>(picture->height));
  bool same = morvane::artwork::ReadPngIndices(file, indices, stride) == read;
  for (std::size_t at = 0; same && read && at < pixels.size(); ++at) {
    same = palette[indices[at / width * stride + at % width]] == pixels[at];
  }
  if (!same) {
    std::fprintf(stderr, "PNG reader property broken: indices and pixels disagree\n");
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  Read(file);
  Read(Repaired(file));
  return 0;
}
