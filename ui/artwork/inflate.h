// Unpacking a zlib stream (RFC 1950, its data deflated as RFC 1951 says), the
// form a PNG file's pixel rows are packed in. Pure: it builds and is tested
// anywhere.
//
// It is here so that the program can show its renderings without the Windows
// Imaging Component, whose start (COM, its library and the codecs it lists)
// costs a window shown at 150 % more than decoding the pictures does.
#pragma once

#include <cstdint>
#include <span>

namespace morvane::artwork {

// Unpacks `stream` into `unpacked`, which it must fill exactly. False for a
// stream that is damaged, ends early, or unpacks to another length; then
// `unpacked` holds nothing useful. The checksum at the stream's end is not
// read: the streams unpacked here are linked into the program.
bool Inflate(std::span<const std::uint8_t> stream, std::span<std::uint8_t> unpacked);

}  // namespace morvane::artwork
