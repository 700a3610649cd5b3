#include "ui/artwork/png_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <vector>

// The input zlib reads is const.
#define ZLIB_CONST
#include <zlib.h>

namespace morvane::artwork {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kTrueColour = 2;
constexpr std::uint8_t kPaletteColour = 3;
constexpr std::uint8_t kTrueColourWithAlpha = 6;
constexpr std::uint32_t kOpaque = 0xFF000000;
// Far beyond any rendering, and far from overflowing the sizes computed.
constexpr std::uint32_t kLongestSide = 1 << 14;

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

bool Named(std::span<const std::uint8_t> type, const char (&name)[5]) {
  return std::equal(type.begin(), type.end(), name);
}

// What the file's chunks say: the picture's size and form, its palette and
// its packed rows, which may be split over several chunks.
struct Contents {
  PngSize size{};
  int bytes_per_pixel = 0;  // a palette index; red, green and blue; or those and alpha
  std::array<std::uint32_t, 256> palette{};  // 0xAARRGGBB
  std::size_t palette_size = 0;
  std::vector<std::span<const std::uint8_t>> packed;
};

bool ReadHeader(std::span<const std::uint8_t> header, Contents& contents) {
  if (header.size() != 13) {
    return false;
  }
  const std::uint32_t width = BigEndian(header);
  const std::uint32_t height = BigEndian(header.subspan(4));
  const std::uint8_t depth = header[8];
  const std::uint8_t colour = header[9];
  const bool compression_filter_interlace_plain =
      header[10] == 0 && header[11] == 0 && header[12] == 0;
  const int bytes_per_pixel = colour == kPaletteColour         ? 1
                              : colour == kTrueColour          ? 3
                              : colour == kTrueColourWithAlpha ? 4
                                                               : 0;
  if (width == 0 || width > kLongestSide || height == 0 || height > kLongestSide || depth != 8 ||
      bytes_per_pixel == 0 || !compression_filter_interlace_plain) {
    return false;
  }
  contents.size = PngSize{static_cast<int>(width), static_cast<int>(height)};
  contents.bytes_per_pixel = bytes_per_pixel;
  return true;
}

bool ReadPalette(std::span<const std::uint8_t> colours, Contents& contents) {
  if (colours.size() % 3 != 0 || colours.size() > 3 * contents.palette.size()) {
    return false;
  }
  contents.palette_size = colours.size() / 3;
  for (std::size_t i = 0; i < contents.palette_size; ++i) {
    contents.palette[i] = kOpaque | static_cast<std::uint32_t>(colours[3 * i]) << 16 |
                          static_cast<std::uint32_t>(colours[3 * i + 1]) << 8 | colours[3 * i + 2];
  }
  return true;
}

// Chunks other than these four are ancillary and passed over, once their
// checksum has been checked as well.
std::optional<Contents> ReadChunks(std::span<const std::uint8_t> file) {
  if (file.size() < kSignature.size() ||
      !std::equal(kSignature.begin(), kSignature.end(), file.begin())) {
    return std::nullopt;
  }
  Contents contents;
  for (std::size_t at = kSignature.size();;) {
    // Its length, its type, its data and its checksum.
    if (file.size() - at < 12 || BigEndian(file.subspan(at)) > file.size() - at - 12) {
      return std::nullopt;
    }
    const std::uint32_t length = BigEndian(file.subspan(at));
    const std::span<const std::uint8_t> type = file.subspan(at + 4, 4);
    const std::span<const std::uint8_t> data = file.subspan(at + 8, length);
    const std::span<const std::uint8_t> type_and_data = file.subspan(at + 4, 4 + length);
    const bool first = at == kSignature.size();
    at += 12 + length;
    if (crc32(0, type_and_data.data(), static_cast<uInt>(type_and_data.size())) !=
        BigEndian(file.subspan(at - 4))) {
      return std::nullopt;
    }
    if (first != Named(type, "IHDR")) {
      return std::nullopt;
    }
    if (first && !ReadHeader(data, contents)) {
      return std::nullopt;
    }
    if (Named(type, "PLTE") && !ReadPalette(data, contents)) {
      return std::nullopt;
    }
    if (Named(type, "IDAT")) {
      contents.packed.push_back(data);
    }
    if (Named(type, "IEND")) {
      break;
    }
  }
  if (contents.packed.empty() || (contents.bytes_per_pixel == 1 && contents.palette_size == 0)) {
    return std::nullopt;
  }
  return contents;
}

std::uint8_t Paeth(int left, int above, int above_left) {
  const int estimate = left + above - above_left;
  const int to_left = std::abs(estimate - left);
  const int to_above = std::abs(estimate - above);
  const int to_above_left = std::abs(estimate - above_left);
  if (to_left <= to_above && to_left <= to_above_left) {
    return static_cast<std::uint8_t>(left);
  }
  return static_cast<std::uint8_t>(to_above <= to_above_left ? above : above_left);
}

// Undoes the row's filter in place, against the row above it as it was
// before filtering. `step` is the bytes of a pixel.
bool Unfilter(std::uint8_t filter, std::span<std::uint8_t> row, std::span<const std::uint8_t> above,
              std::size_t step) {
  const auto add = [](std::uint8_t& byte, int predicted) {
    byte = static_cast<std::uint8_t>(byte + predicted);
  };
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (std::size_t i = step; i < row.size(); ++i) {
        add(row[i], row[i - step]);
      }
      return true;
    case 2:
      for (std::size_t i = 0; i < row.size(); ++i) {
        add(row[i], above[i]);
      }
      return true;
    case 3:
      for (std::size_t i = 0; i < row.size(); ++i) {
        add(row[i], ((i >= step ? row[i - step] : 0) + above[i]) / 2);
      }
      return true;
    case 4:
      for (std::size_t i = 0; i < row.size(); ++i) {
        add(row[i],
            i >= step ? Paeth(row[i - step], above[i], above[i - step]) : Paeth(0, above[i], 0));
      }
      return true;
    default:
      return false;
  }
}

// Inflates the packed rows, split over `chunks`, into `rows`, which they must
// fill exactly. zlib checks the Adler-32 at the stream's end.
bool Inflate(const std::vector<std::span<const std::uint8_t>>& chunks, std::span<std::uint8_t> rows) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) {
    return false;
  }
  stream.next_out = rows.data();
  stream.avail_out = static_cast<uInt>(rows.size());
  int status = Z_OK;
  // Z_BUF_ERROR: a chunk with nothing to take from it, which is no damage.
  for (auto chunk = chunks.begin(); chunk != chunks.end() && (status == Z_OK || status == Z_BUF_ERROR);
       ++chunk) {
    stream.next_in = chunk->data();
    stream.avail_in = static_cast<uInt>(chunk->size());
    status = inflate(&stream, Z_NO_FLUSH);
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END && stream.avail_out == 0;
}

bool InPalette(std::span<const std::uint8_t> indices, const Contents& contents) {
  return std::all_of(indices.begin(), indices.end(),
                     [&](std::uint8_t index) { return index < contents.palette_size; });
}

// The row's samples as pixels, each palette index naming one of its colours.
bool ToPixels(std::span<const std::uint8_t> samples, const Contents& contents,
              std::span<std::uint32_t> out) {
  const auto byte = [&](std::size_t at) { return static_cast<std::uint32_t>(samples[at]); };
  switch (contents.bytes_per_pixel) {
    case 1:
      if (!InPalette(samples, contents)) {
        return false;
      }
      std::transform(samples.begin(), samples.end(), out.begin(),
                     [&](std::uint8_t index) { return contents.palette[index]; });
      return true;
    case 3:
      for (std::size_t x = 0; x < out.size(); ++x) {
        out[x] = kOpaque | byte(3 * x) << 16 | byte(3 * x + 1) << 8 | byte(3 * x + 2);
      }
      return true;
    default:
      for (std::size_t x = 0; x < out.size(); ++x) {
        out[x] = byte(4 * x + 3) << 24 | byte(4 * x) << 16 | byte(4 * x + 1) << 8 | byte(4 * x + 2);
      }
      return true;
  }
}

// Inflates the picture's rows and undoes their filters, handing each row's
// samples to `take(y, samples)`, which answers false to refuse them.
template <typename TakeRow>
bool ReadRows(const Contents& contents, TakeRow take) {
  const auto width = static_cast<std::size_t>(contents.size.width);
  const auto height = static_cast<std::size_t>(contents.size.height);
  // Each row is its filter's byte and then its samples. A row of zeros goes
  // first, the row above the top one.
  const auto step = static_cast<std::size_t>(contents.bytes_per_pixel);
  const std::size_t stride = 1 + width * step;
  std::vector<std::uint8_t> rows(stride * (height + 1));
  if (!Inflate(contents.packed, std::span(rows).subspan(stride))) {
    return false;
  }
  for (std::size_t y = 0; y < height; ++y) {
    const std::span<const std::uint8_t> above = std::span(rows).subspan(y * stride + 1, stride - 1);
    const std::span<std::uint8_t> row = std::span(rows).subspan((y + 1) * stride, stride);
    if (!Unfilter(row[0], row.subspan(1), above, step) || !take(y, row.subspan(1))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> file) {
  const std::optional<Contents> contents = ReadChunks(file);
  if (!contents) {
    return std::nullopt;
  }
  return contents->size;
}

bool ReadPng(std::span<const std::uint8_t> file, std::span<std::uint32_t> pixels) {
  const std::optional<Contents> contents = ReadChunks(file);
  if (!contents) {
    return false;
  }
  const auto width = static_cast<std::size_t>(contents->size.width);
  if (pixels.size() != width * static_cast<std::size_t>(contents->size.height)) {
    return false;
  }
  return ReadRows(*contents, [&](std::size_t y, std::span<const std::uint8_t> samples) {
    return ToPixels(samples, *contents, pixels.subspan(y * width, width));
  });
}

std::vector<std::uint32_t> PngPalette(std::span<const std::uint8_t> file) {
  const std::optional<Contents> contents = ReadChunks(file);
  if (!contents || contents->bytes_per_pixel != 1) {
    return {};
  }
  return {contents->palette.begin(),
          contents->palette.begin() + static_cast<std::ptrdiff_t>(contents->palette_size)};
}

bool ReadPngIndices(std::span<const std::uint8_t> file, std::span<std::uint8_t> indices,
                    std::size_t stride) {
  const std::optional<Contents> contents = ReadChunks(file);
  if (!contents || contents->bytes_per_pixel != 1) {
    return false;
  }
  const auto width = static_cast<std::size_t>(contents->size.width);
  if (stride < width || indices.size() != stride * static_cast<std::size_t>(contents->size.height)) {
    return false;
  }
  return ReadRows(*contents, [&](std::size_t y, std::span<const std::uint8_t> samples) {
    if (!InPalette(samples, *contents)) {
      return false;
    }
    std::copy(samples.begin(), samples.end(), indices.begin() + static_cast<std::ptrdiff_t>(y * stride));
    return true;
  });
}

}  // namespace morvane::artwork
