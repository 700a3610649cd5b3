#include "ui/artwork/scaled_rendering.h"

#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/artwork/png_reader.h"
#include "ui/artwork/rendering_choice.h"
#include "ui/artwork/resource_bytes.h"
#include "ui/artwork/wic_imaging.h"
#include "ui/scale/design_scale.h"

namespace morvane::artwork {

namespace {

using Pixel = std::uint32_t;  // 0xXXRRGGBB: in memory blue, green, red, and a byte unused

constexpr Pixel kKeyPixel = 0xFF00FF;

std::span<const std::uint8_t> RenderingFile(HINSTANCE instance, int id, int percent) {
  return FindBytes(instance, RenderingName(id, percent).c_str(), RT_RCDATA);
}

struct Search {
  int id;
  std::vector<int> percents;
};

BOOL CALLBACK CollectRendering(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR search_address) {
  auto& search = *reinterpret_cast<Search*>(search_address);
  if (!IS_INTRESOURCE(name)) {
    if (const auto percent = RenderingPercent(name, search.id)) {
      search.percents.push_back(*percent);
    }
  }
  return TRUE;
}

// The scales the picture is rendered at.
std::vector<int> RenderingPercents(HINSTANCE instance, int id) {
  Search search{id, {}};
  ::EnumResourceNamesW(instance, RT_RCDATA, &CollectRendering, reinterpret_cast<LONG_PTR>(&search));
  return search.percents;
}

// Pixels row after row from the top.
struct Pixels {
  SIZE size{};
  std::vector<Pixel> values;
};

// The rendering's pixels, of `size`; none if it cannot be read.
Pixels RenderingPixels(std::span<const std::uint8_t> png, PngSize size) {
  Pixels pixels{SIZE{size.width, size.height}, {}};
  pixels.values.resize(static_cast<size_t>(size.width) * static_cast<size_t>(size.height));
  if (!ReadPng(png, pixels.values)) {
    return {};
  }
  return pixels;
}

// Pixels or a palette's colours, the key among them shown as `shown`.
void ReplaceKey(std::span<Pixel> pixels, COLORREF shown) {
  const Pixel replacement = platform::FromColorRef(shown);
  for (Pixel& pixel : pixels) {
    if ((pixel & 0xFFFFFF) == kKeyPixel) {
      pixel = replacement;
    }
  }
}

// A top-down DIB section of `size`, a byte a pixel naming one of `colours`,
// and its rows of indices, each padded to whole 32-bit words.
platform::unique_hbitmap MakePaletteDib(SIZE size, std::span<const Pixel> colours,
                                        std::span<std::uint8_t>& indices) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{platform::TopDown32(size).bmiHeader, {}};
  if (colours.size() > std::size(info.colours)) {
    return nullptr;
  }
  info.header.biBitCount = 8;
  info.header.biClrUsed = static_cast<DWORD>(colours.size());
  for (size_t i = 0; i < colours.size(); ++i) {
    info.colours[i] = RGBQUAD{static_cast<BYTE>(colours[i]), static_cast<BYTE>(colours[i] >> 8),
                              static_cast<BYTE>(colours[i] >> 16), 0};
  }
  void* bits = nullptr;
  platform::unique_hbitmap bitmap(::CreateDIBSection(
      nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) {
    const auto stride = static_cast<size_t>((size.cx + 3) / 4 * 4);
    indices = std::span(static_cast<std::uint8_t*>(bits), stride * static_cast<size_t>(size.cy));
  }
  return bitmap;
}

// The rendering `png` of the very size shown, read straight into the bitmap:
// a palette bitmap for a palette picture, 32 bits a pixel otherwise.
platform::unique_hbitmap AsRendered(std::span<const std::uint8_t> png, SIZE size,
                                    std::optional<COLORREF> transparent_as) {
  std::vector<Pixel> palette = PngPalette(png);
  if (!palette.empty()) {
    if (transparent_as) {
      ReplaceKey(palette, *transparent_as);
    }
    std::span<std::uint8_t> indices;
    platform::unique_hbitmap bitmap = MakePaletteDib(size, palette, indices);
    if (!bitmap || !ReadPngIndices(png, indices, indices.size() / static_cast<size_t>(size.cy))) {
      return nullptr;
    }
    return bitmap;
  }
  std::span<Pixel> bits;
  platform::unique_hbitmap bitmap = platform::MakeDib(size, bits);
  if (!bitmap || !ReadPng(png, bits)) {
    return nullptr;
  }
  if (transparent_as) {
    ReplaceKey(bits, *transparent_as);
  }
  return bitmap;
}

// The pixels resampled to `size` with a high-quality filter (Fant).
platform::unique_hbitmap Resampled(const Pixels& pixels, SIZE size) {
  std::span<Pixel> bits;
  platform::unique_hbitmap bitmap = platform::MakeDib(size, bits);
  if (!bitmap || !Resample(pixels.values, pixels.size, bits, size, FourthByte::kUnused)) {
    return nullptr;
  }
  return bitmap;
}

// The picture `id` at `shown` size, made from its rendering at `percent`;
// nullptr if that cannot be read.
platform::unique_hbitmap FromRendering(HINSTANCE instance, int id, int percent, SIZE shown,
                                       std::optional<COLORREF> transparent_as) {
  const std::span<const std::uint8_t> png = RenderingFile(instance, id, percent);
  const std::optional<PngSize> size = PngSizeOf(png);
  if (!size) {
    return nullptr;
  }
  if (size->width == shown.cx && size->height == shown.cy) {
    return AsRendered(png, shown, transparent_as);
  }
  Pixels pixels = RenderingPixels(png, *size);
  if (pixels.values.empty()) {
    return nullptr;
  }
  if (transparent_as) {
    ReplaceKey(pixels.values, *transparent_as);
  }
  return Resampled(pixels, shown);
}

}  // namespace

platform::unique_hbitmap ScaledRendering(HINSTANCE instance, int id, SIZE design, int dpi,
                                         std::optional<COLORREF> transparent_as) {
  const SIZE shown{scale::TwipsToPixels(design.cx, dpi), scale::TwipsToPixels(design.cy, dpi)};
  if (shown.cx <= 0 || shown.cy <= 0) {
    return nullptr;
  }
  // A rendering that cannot be read, damaged say, is passed over as a missing
  // one would be.
  std::vector<int> percents = RenderingPercents(instance, id);
  for (std::optional<int> percent; (percent = ChooseRendering(percents, dpi));) {
    if (platform::unique_hbitmap bitmap =
            FromRendering(instance, id, *percent, shown, transparent_as)) {
      return bitmap;
    }
    std::erase(percents, *percent);
  }
  return nullptr;
}

}  // namespace morvane::artwork
