// The program's own PNG reader on small pictures made for it: every row
// filter, a palette (as colours, and as indices), alpha, data split over two
// chunks; and files it must refuse, damaged, cut short or with a chunk it cannot read. (The linked
// pictures themselves are read against the Windows Imaging Component in the window tests.)
#include "ui/artwork/png_reader.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "tests/native/png_chunks.h"

namespace morvane::artwork {
namespace {

using testing::AppendChunk;
using testing::Bytes;
using testing::Packed;

// 4 x 5, red-green-blue; row N filtered with filter N, packed with the fixed codes.
const Bytes kFullColour = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x05, 0x08, 0x02, 0x00, 0x00, 0x00, 0xED, 0xCF, 0xDA,
    0x8C, 0x00, 0x00, 0x00, 0x45, 0x49, 0x44, 0x41, 0x54, 0x78, 0x01, 0x63, 0x38, 0x21, 0xA7, 0x21,
    0x72, 0x27, 0xEA, 0x3F, 0xC3, 0x7F, 0x76, 0x0E, 0x4E, 0x46, 0x20, 0xEB, 0xB3, 0xCE, 0x7A, 0xDE,
    0x2B, 0x81, 0x40, 0x92, 0xE9, 0xB5, 0xCA, 0x52, 0x20, 0x6B, 0x8B, 0xD3, 0x39, 0x06, 0x06, 0x06,
    0xE6, 0x0E, 0x8E, 0xAE, 0x5F, 0xD3, 0x6E, 0x2C, 0xF8, 0xFA, 0x11, 0xC8, 0x61, 0x39, 0x28, 0x26,
    0xEF, 0xB3, 0xCF, 0x08, 0x28, 0xCF, 0xC1, 0xC1, 0x05, 0x00, 0x52, 0xB5, 0x19, 0x43, 0x28, 0xF1,
    0x98, 0x9C, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
const std::vector<std::uint32_t> kFullColourPixels = {
    0xC81E28, 0x14DC5A, 0xFF00FF, 0x070809, 0x14DC5A, 0x070809, 0x14DC5A,
    0x070809, 0xFF00FF, 0x14DC5A, 0xC81E28, 0x070809, 0x070809, 0x070809,
    0x070809, 0x070809, 0xC81E28, 0x14DC5A, 0xFF00FF, 0x070809};

// 4 x 2, three palette colours; stored unpacked, split over two chunks.
const Bytes kPaletted = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x02, 0x08, 0x03, 0x00, 0x00, 0x00, 0x48, 0x76, 0x8D,
    0x51, 0x00, 0x00, 0x00, 0x09, 0x50, 0x4C, 0x54, 0x45, 0xFF, 0x00, 0xFF, 0x0A, 0x14, 0x1E, 0xC8,
    0x64, 0x32, 0x8A, 0xDD, 0xA5, 0xE8, 0x00, 0x00, 0x00, 0x0A, 0x49, 0x44, 0x41, 0x54, 0x78, 0x01,
    0x01, 0x0A, 0x00, 0xF5, 0xFF, 0x00, 0x00, 0x01, 0x93, 0x28, 0xB8, 0xC7, 0x00, 0x00, 0x00, 0x0B,
    0x49, 0x44, 0x41, 0x54, 0x02, 0x01, 0x00, 0x02, 0x02, 0x00, 0x01, 0x00, 0x35, 0x00, 0x0A, 0xF1,
    0x28, 0x1D, 0x3C, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
const std::vector<std::uint32_t> kPalettedPixels = {0xFF00FF, 0x0A141E, 0xC86432, 0x0A141E,
                                                    0xC86432, 0xC86432, 0xFF00FF, 0x0A141E};

// Where the header's fields lie in both files.
constexpr size_t kDepth = 24;
constexpr size_t kColourType = 25;
constexpr size_t kInterlace = 28;

std::vector<std::uint32_t> Read(const Bytes& file, size_t pixels) {
  std::vector<std::uint32_t> read(pixels);
  EXPECT_TRUE(ReadPng(file, read));
  return read;
}

std::vector<std::uint32_t> Opaque(std::vector<std::uint32_t> pixels) {
  for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000;
  return pixels;
}

// A PNG of `width` pixels a row, of colour type `colour`, with its chunks'
// checksums right.
Bytes Png(int width, std::uint8_t colour, const Bytes& packed, const Bytes& palette = {},
          int height = 1) {
  Bytes header;
  testing::AppendBigEndian(header, static_cast<std::uint32_t>(width));
  testing::AppendBigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, colour, 0, 0, 0});
  Bytes file(kFullColour.begin(), kFullColour.begin() + 8);
  AppendChunk(file, "IHDR", header);
  if (!palette.empty()) AppendChunk(file, "PLTE", palette);
  AppendChunk(file, "IDAT", packed);
  AppendChunk(file, "IEND", {});
  return file;
}

// The file with a one-byte chunk of `type` before its end.
Bytes WithChunk(Bytes file, std::string_view type) {
  Bytes chunk;
  AppendChunk(chunk, type, Bytes{0});
  file.insert(file.end() - 12, chunk.begin(), chunk.end());
  return file;
}

TEST(PngReaderTest, ReadsEveryRowFilterPaletteAndAlphaToThePixelsDrawn) {
  ASSERT_TRUE(PngSizeOf(kFullColour).has_value());
  EXPECT_EQ(PngSizeOf(kFullColour)->width, 4);
  EXPECT_EQ(PngSizeOf(kFullColour)->height, 5);
  EXPECT_EQ(Read(kFullColour, 20), Opaque(kFullColourPixels));
  EXPECT_EQ(Read(kPaletted, 8), Opaque(kPalettedPixels));
  EXPECT_EQ(Read(Png(2, 6, Packed({0, 10, 20, 30, 0, 40, 50, 60, 255})), 2),
            (std::vector<std::uint32_t>{0x000A141E, 0xFF28323C}));
  // Rows longer than the reader inflates at a time: the second, filtered
  // against the first, is read on its own.
  Bytes wide(2 * (1 + 3 * 1400));
  wide[1] = 7;             // the first pixel's red
  wide[1 + 3 * 1400] = 2;  // the second row adds the row above
  EXPECT_EQ(Read(Png(1400, 2, Packed(wide), {}, 2), 2800)[1400], 0xFF070000u);
  // A side past 8,192 pixels, read in whole bands and a last, shorter one.
  Bytes tall(2 * 10000);
  tall.back() = 1;
  std::vector<std::uint32_t> tall_pixels(10000, 0x010203);
  tall_pixels.back() = 0x040506;
  EXPECT_EQ(Read(Png(1, 3, Packed(tall), {1, 2, 3, 4, 5, 6}, 10000), 10000), Opaque(tall_pixels));
}

TEST(PngReaderTest, HandsOutAPalettePicturesColoursAndIndicesInPaddedRows) {
  EXPECT_EQ(PngPalette(kPaletted), Opaque({0xFF00FF, 0x0A141E, 0xC86432}));
  EXPECT_TRUE(PngPalette(kFullColour).empty());
  std::vector<std::uint8_t> indices(10, 9);
  ASSERT_TRUE(ReadPngIndices(kPaletted, indices, 5));
  EXPECT_EQ(indices, (std::vector<std::uint8_t>{0, 1, 2, 1, 9, 2, 2, 0, 1, 9}));
  EXPECT_FALSE(ReadPngIndices(kPaletted, std::span(indices).first(6), 3)) << "rows too short";
  EXPECT_FALSE(ReadPngIndices(kPaletted, std::span(indices).first(4), SIZE_MAX / 2 + 3))
      << "rows whose length times two wraps around to 4";
  EXPECT_FALSE(ReadPngIndices(kFullColour, indices, 5)) << "a picture without a palette";
}

TEST(PngReaderTest, RefusesDamagedFiles) {
  const Bytes palette = {1, 2, 3, 4, 5, 6};  // two colours
  const Bytes row = {0, 0, 1};
  Bytes crc_changed = Png(2, 3, Packed(row), palette);
  crc_changed.back() ^= 1;  // the last chunk's
  Bytes sum_changed = Packed(row);
  sum_changed.back() ^= 1;
  Bytes cut = Packed(row);
  cut.pop_back();
  std::vector<std::uint32_t> pixels(2);
  std::vector<std::uint8_t> indices(2);
  ASSERT_TRUE(ReadPng(Png(2, 3, Packed(row), palette), pixels)) << "as made";
  ASSERT_TRUE(ReadPngIndices(Png(2, 3, Packed(row), palette), indices, 2)) << "as made";
  ASSERT_TRUE(ReadPng(WithChunk(Png(2, 3, Packed(row), palette), "tEXt"), pixels)) << "with text";
  const struct {
    const char* what;
    Bytes file;
  } cases[] = {
      {"a palette of 257 colours", Png(2, 3, Packed(row), Bytes(3 * 257, 0))},
      {"an index past the palette", Png(2, 3, Packed({0, 0, 2}), palette)},
      {"a CRC-32 that does not match", crc_changed},
      {"an Adler-32 that does not match", Png(2, 3, sum_changed, palette)},
      {"packed data cut short", Png(2, 3, cut, palette)},
      {"rows that end early", Png(2, 3, Packed({0, 0}), palette)},
      {"a palette's transparency", WithChunk(Png(2, 3, Packed(row), palette), "tRNS")},
      {"a critical chunk of no known type", WithChunk(Png(2, 3, Packed(row), palette), "CRIT")},
  };
  for (const auto& [what, file] : cases) {
    EXPECT_FALSE(ReadPng(file, pixels)) << what;
    EXPECT_FALSE(ReadPngIndices(file, indices, 2)) << what << ", as indices";
  }
}

TEST(PngReaderTest, RefusesOtherFormsAndDamagedOrCutFiles) {
  for (const auto& [field, value] :
       {std::pair{kDepth, 16}, {kColourType, 0}, {kColourType, 4}, {kInterlace, 1}}) {
    Bytes other = kFullColour;
    other[field] = static_cast<std::uint8_t>(value);
    Bytes header;
    AppendChunk(header, "IHDR", std::span(&other[16], 13));
    std::copy(header.begin(), header.end(), &other[8]);
    EXPECT_FALSE(PngSizeOf(other).has_value()) << "header byte " << field << " = " << value;
  }
  std::vector<std::uint32_t> pixels(20);
  EXPECT_FALSE(ReadPng(kFullColour, std::span(pixels).first(19))) << "a buffer of another size";
  for (const Bytes* file : {&kFullColour, &kPaletted}) {
    for (size_t length = 0; length < file->size(); ++length) {
      const Bytes cut(file->begin(), file->begin() + static_cast<std::ptrdiff_t>(length));
      std::vector<std::uint32_t> read(file == &kFullColour ? 20 : 8);
      EXPECT_FALSE(ReadPng(cut, read)) << "cut to " << length << " bytes";
    }
  }
  for (size_t at = 41; at < 41 + 0x45; ++at) {
    Bytes damaged = kFullColour;
    damaged[at] ^= 0x5A;
    EXPECT_FALSE(ReadPng(damaged, pixels)) << "packed byte " << at << " changed";
  }
}

}  // namespace
}  // namespace morvane::artwork
