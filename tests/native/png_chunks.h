// Writing PNG files for the tests that make them: chunks with their CRC-32
// right, and rows packed by zlib (stored as they are, the quickest).
#pragma once

#include <zlib.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace morvane::testing {

using Bytes = std::vector<std::uint8_t>;

inline void AppendBigEndian(Bytes& to, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) to.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void AppendChunk(Bytes& file, std::string_view type, std::span<const std::uint8_t> data) {
  AppendBigEndian(file, static_cast<std::uint32_t>(data.size()));
  const std::size_t summed = file.size();
  file.insert(file.end(), type.begin(), type.end());
  file.insert(file.end(), data.begin(), data.end());
  AppendBigEndian(file, static_cast<std::uint32_t>(
                            crc32(0, &file[summed], static_cast<uInt>(file.size() - summed))));
}

inline Bytes Packed(const Bytes& rows) {
  Bytes packed(compressBound(static_cast<uLong>(rows.size())));
  uLongf size = packed.size();
  compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), Z_NO_COMPRESSION);
  packed.resize(size);
  return packed;
}

}  // namespace morvane::testing
