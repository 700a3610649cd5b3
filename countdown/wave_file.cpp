#include "countdown/wave_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace morvane {

namespace {

constexpr size_t kChunkHeader = 8;  // a four-letter name and a 32-bit size
constexpr size_t kWaveHeader = 12;  // "RIFF", its size, "WAVE"
constexpr size_t kSmallestFormat = 16;

bool NamedAt(std::span<const std::byte> file, size_t at, std::string_view name) {
  return std::equal(name.begin(), name.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                    [](char letter, std::byte b) { return static_cast<std::byte>(letter) == b; });
}

size_t SizeAt(std::span<const std::byte> file, size_t at) {
  uint32_t size = 0;
  for (size_t i = 4; i-- > 0;) {
    size = size << 8 | std::to_integer<uint32_t>(file[at + i]);
  }
  return size;
}

struct Chunk {
  size_t body;
  size_t size;  // cut at the end of the file
  size_t next;  // past its padding: a chunk of an odd size is followed by a byte
};

// The first chunk named `name` from `at` on, before `end`. A declared size
// is compared with what is left rather than added to a position, which could
// overflow a 32-bit size_t.
std::optional<Chunk> FindChunk(std::span<const std::byte> file, size_t at, size_t end,
                               std::string_view name) {
  while (end - at >= kChunkHeader) {
    const size_t body = at + kChunkHeader;
    const size_t declared = SizeAt(file, at + 4);
    const size_t left = end - body;
    if (NamedAt(file, at, name)) {
      const size_t size = std::min(declared, left);
      return Chunk{body, size, std::min(body + size + (size & 1), end)};
    }
    if (declared >= left) {
      return std::nullopt;
    }
    at = body + declared + (declared & 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<WaveParts> FindWaveParts(std::span<const std::byte> file) {
  if (file.size() < kWaveHeader || !NamedAt(file, 0, "RIFF") || !NamedAt(file, 8, "WAVE")) {
    return std::nullopt;
  }
  // The RIFF chunk's own size bounds the search, as far as the file goes.
  const size_t end = std::min(SizeAt(file, 4), file.size() - kChunkHeader) + kChunkHeader;
  if (end < kWaveHeader) {
    return std::nullopt;
  }
  const auto format = FindChunk(file, kWaveHeader, end, "fmt ");
  if (!format || format->size < kSmallestFormat) {
    return std::nullopt;
  }
  const auto samples = FindChunk(file, format->next, end, "data");
  if (!samples) {
    return std::nullopt;
  }
  return WaveParts{file.subspan(format->body, format->size),
                   file.subspan(samples->body, samples->size)};
}

}  // namespace morvane
