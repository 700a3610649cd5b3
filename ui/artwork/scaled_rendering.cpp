#include "ui/artwork/scaled_rendering.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// The size the picture was drawn at for 96 dpi, read from its bitmap
// resource's header without making the bitmap.
SIZE DesignSize(HINSTANCE instance, int id) {
  const std::span<const std::uint8_t> bytes = FindBytes(instance, MAKEINTRESOURCEW(id), RT_BITMAP);
  if (bytes.size() < sizeof(BITMAPINFOHEADER)) {
    return SIZE{};
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data(), sizeof header);
  return SIZE{header.biWidth, std::abs(header.biHeight)};
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

// The scales the picture is rendered at, the 96-dpi bitmap among them.
std::vector<int> RenderingPercents(HINSTANCE instance, int id) {
  Search search{id, {kDesignPercent}};
  ::EnumResourceNamesW(instance, RT_RCDATA, &CollectRendering, reinterpret_cast<LONG_PTR>(&search));
  return search.percents;
}

// Pixels row after row from the top.
struct Pixels {
  SIZE size{};
  std::vector<Pixel> values;
};

// The 96-dpi bitmap's pixels; none if it cannot be read.
Pixels DesignPixels(HINSTANCE instance, int id) {
  const platform::unique_hbitmap bitmap = DesignBitmap(instance, id);
  BITMAP info{};
  if (!bitmap || ::GetObjectW(bitmap.get(), sizeof info, &info) == 0) {
    return {};
  }
  Pixels pixels{SIZE{info.bmWidth, info.bmHeight}, {}};
  pixels.values.resize(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
  BITMAPINFO format = platform::TopDown32(pixels.size);
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  if (::GetDIBits(dc.get(), bitmap.get(), 0, static_cast<UINT>(info.bmHeight),
                  pixels.values.data(), &format, DIB_RGB_COLORS) != info.bmHeight) {
    return {};
  }
  return pixels;
}

// The rendering's pixels, of `size`; none if it cannot be read.
Pixels RenderingPixels(std::span<const std::uint8_t> png, PngSize size) {
  Pixels pixels{SIZE{size.width, size.height}, {}};
  pixels.values.resize(static_cast<size_t>(size.width) * static_cast<size_t>(size.height));
  if (!ReadPng(png, pixels.values)) {
    return {};
  }
  return pixels;
}

void ReplaceKey(std::span<Pixel> pixels, COLORREF shown) {
  const Pixel replacement = platform::FromColorRef(shown);
  for (Pixel& pixel : pixels) {
    if ((pixel & 0xFFFFFF) == kKeyPixel) {
      pixel = replacement;
    }
  }
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
  const std::span<const std::uint8_t> png =
      percent == kDesignPercent
          ? std::span<const std::uint8_t>()
          : FindBytes(instance, RenderingName(id, percent).c_str(), RT_RCDATA);
  const std::optional<PngSize> size = PngSizeOf(png);
  if (size && size->width == shown.cx && size->height == shown.cy) {
    // A rendering of the very size shown: read straight into the bitmap.
    std::span<Pixel> bits;
    platform::unique_hbitmap bitmap = platform::MakeDib(shown, bits);
    if (!bitmap || !ReadPng(png, bits)) {
      return nullptr;
    }
    if (transparent_as) {
      ReplaceKey(bits, *transparent_as);
    }
    return bitmap;
  }
  Pixels pixels;
  if (percent == kDesignPercent) {
    pixels = DesignPixels(instance, id);
  } else if (size) {
    pixels = RenderingPixels(png, *size);
  }
  if (pixels.values.empty()) {
    return nullptr;
  }
  if (transparent_as) {
    ReplaceKey(pixels.values, *transparent_as);
  }
  return Resampled(pixels, shown);
}

}  // namespace

platform::unique_hbitmap DesignBitmap(HINSTANCE instance, int id) {
  return platform::unique_hbitmap(static_cast<HBITMAP>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

platform::unique_hbitmap ScaledRendering(HINSTANCE instance, int id, int dpi,
                                         std::optional<COLORREF> transparent_as) {
  const SIZE design = DesignSize(instance, id);
  const SIZE shown{scale::ScaledFromDesign(design.cx, dpi),
                   scale::ScaledFromDesign(design.cy, dpi)};
  if (shown.cx <= 0 || shown.cy <= 0) {
    return nullptr;
  }
  // A rendering that cannot be read, damaged say, is passed over as a missing
  // one would be, down to the bitmap as drawn.
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
