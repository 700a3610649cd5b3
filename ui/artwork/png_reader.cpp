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
// The rows inflated at a time, about a page's worth: all of a picture's rows
// at once (159 KB for the 96-dpi background) would leave the heap that much
// larger for good. zlib takes some 0.1 ms longer over that background so.
constexpr std::size_t kBandBytes = 4 * 1024;
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

// Whether a chunk of this type makes the reader refuse the picture, which
// cannot be read right without it: a critical one (its type's first letter
// upper case) other than the four read, or the transparency of a palette or of
// one colour, which the pixels would not show.
bool RefusedChunk(std::span<const std::uint8_t> type) {
  constexpr std::uint8_t kAncillaryBit = 0x20;  // a lower-case letter's
  if ((type[0] & kAncillaryBit) == 0) {
    return !Named(type, "IHDR") && !Named(type, "PLTE") && !Named(type, "IDAT") &&
           !Named(type, "IEND");
  }
  return Named(type, "tRNS");
}

// Ancillary chunks other than tRNS are passed over, once their checksum has
// been checked as well.
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
    if (first != Named(type, "IHDR") || RefusedChunk(type)) {
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

// The packed rows, split over chunks, inflated a band at a time. zlib checks
// the Adler-32 at the stream's end.
class Inflater {
 public:
  explicit Inflater(const std::vector<std::span<const std::uint8_t>>& chunks)
      : next_(chunks.begin()), end_(chunks.end()), status_(inflateInit(&stream_)) {}
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Fills `out` with the next bytes; false if the data is damaged or ends
  // before.
  bool Fill(std::span<std::uint8_t> out) {
    stream_.next_out = out.data();
    stream_.avail_out = static_cast<uInt>(out.size());
    while (stream_.avail_out > 0 && status_ == Z_OK && HasInput()) {
      status_ = inflate(&stream_, Z_NO_FLUSH);
    }
    return stream_.avail_out == 0 && (status_ == Z_OK || status_ == Z_STREAM_END);
  }

  // Whether all that is left is the stream's end, its checksum right: with
  // no room for another byte, zlib reads on only that far.
  bool Ended() {
    stream_.avail_out = 0;
    while (status_ == Z_OK && HasInput()) {
      status_ = inflate(&stream_, Z_NO_FLUSH);
    }
    return status_ == Z_STREAM_END;
  }

 private:
  // What is left of the chunk, or else the next chunk that holds anything.
  bool HasInput() {
    for (; stream_.avail_in == 0 && next_ != end_; ++next_) {
      stream_.next_in = next_->data();
      stream_.avail_in = static_cast<uInt>(next_->size());
    }
    return stream_.avail_in > 0;
  }

  using Chunk = std::vector<std::span<const std::uint8_t>>::const_iterator;
  Chunk next_;
  Chunk end_;
  z_stream stream_{};
  int status_;
};

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
// samples to `take(y, samples)`, which answers false to refuse them. The
// rows are inflated a band at a time, so that the picture is never held
// twice; what was handed out means nothing if the checksum at the end is
// wrong.
template <typename TakeRow>
bool ReadRows(const Contents& contents, TakeRow take) {
  const auto width = static_cast<std::size_t>(contents.size.width);
  const auto height = static_cast<std::size_t>(contents.size.height);
  // Each row is its filter's byte and then its samples. Before the band goes
  // the row above it: at the top, a row of zeros.
  const auto step = static_cast<std::size_t>(contents.bytes_per_pixel);
  const std::size_t stride = 1 + width * step;
  const std::size_t band = std::max<std::size_t>(1, kBandBytes / stride);
  std::vector<std::uint8_t> rows(stride * (band + 1));
  Inflater inflater(contents.packed);
  for (std::size_t top = 0; top < height; top += band) {
    const std::size_t count = std::min(band, height - top);
    if (!inflater.Fill(std::span(rows).subspan(stride, count * stride))) {
      return false;
    }
    for (std::size_t i = 1; i <= count; ++i) {
      const std::span<const std::uint8_t> above = std::span(rows).subspan((i - 1) * stride + 1, stride - 1);
      const std::span<std::uint8_t> row = std::span(rows).subspan(i * stride, stride);
      if (!Unfilter(row[0], row.subspan(1), above, step) || !take(top + i - 1, row.subspan(1))) {
        return false;
      }
    }
    std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(count * stride), stride, rows.begin());
  }
  return inflater.Ended();
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
  const auto height = static_cast<std::size_t>(contents->size.height);
  // Divided, not multiplied: a stride whose product with the height wraps
  // around would pass for the size of far fewer bytes.
  if (stride < width || indices.size() % height != 0 || indices.size() / height != stride) {
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
