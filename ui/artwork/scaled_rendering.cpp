#include "ui/artwork/scaled_rendering.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/artwork/rendering_choice.h"
#include "ui/artwork/wic_imaging.h"
#include "ui/scale/design_scale.h"

namespace morvane::artwork {

namespace {

using Pixel = std::uint32_t;  // 32bppBGR: 0x00RRGGBB in memory order B, G, R, unused

constexpr Pixel kKeyPixel = 0xFF00FF;

// The size the picture was drawn at for 96 dpi, read from its bitmap
// resource's header without making the bitmap.
SIZE DesignSize(HINSTANCE instance, int id) {
  const ResourceBytes bytes = FindBytes(instance, MAKEINTRESOURCEW(id), RT_BITMAP);
  if (bytes.size < sizeof(BITMAPINFOHEADER)) {
    return SIZE{};
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data, sizeof header);
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

com_ptr<IWICBitmapSource> DecodePng(IWICImagingFactory& factory, HINSTANCE instance, int id,
                                    int percent) {
  const ResourceBytes png = FindBytes(instance, RenderingName(id, percent).c_str(), RT_RCDATA);
  return DecodeFile(factory, png.data, png.size);
}

com_ptr<IWICBitmapSource> DesignSource(IWICImagingFactory& factory, HINSTANCE instance, int id) {
  const platform::unique_hbitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  IWICBitmap* copy = nullptr;
  if (!bitmap ||
      FAILED(factory.CreateBitmapFromHBITMAP(bitmap.get(), nullptr, WICBitmapIgnoreAlpha, &copy))) {
    return nullptr;
  }
  return com_ptr<IWICBitmapSource>(copy);
}

// The source's pixels as 32bppBGR, row after row.
struct Pixels {
  UINT width = 0;
  UINT height = 0;
  std::vector<Pixel> values;
  UINT Stride() const { return width * sizeof(Pixel); }
  UINT Bytes() const { return Stride() * height; }
};

bool ReadPixels(IWICImagingFactory& factory, IWICBitmapSource& source, Pixels& pixels) {
  IWICFormatConverter* raw_converter = nullptr;
  if (FAILED(factory.CreateFormatConverter(&raw_converter))) {
    return false;
  }
  const com_ptr<IWICFormatConverter> converter(raw_converter);
  if (FAILED(converter->Initialize(&source, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&pixels.width, &pixels.height))) {
    return false;
  }
  pixels.values.resize(static_cast<size_t>(pixels.width) * pixels.height);
  return SUCCEEDED(converter->CopyPixels(nullptr, pixels.Stride(), pixels.Bytes(),
                                         reinterpret_cast<BYTE*>(pixels.values.data())));
}

void ReplaceKey(Pixels& pixels, COLORREF shown) {
  const Pixel replacement = (static_cast<Pixel>(GetRValue(shown)) << 16) |
                            (static_cast<Pixel>(GetGValue(shown)) << 8) | GetBValue(shown);
  for (Pixel& pixel : pixels.values) {
    if ((pixel & 0xFFFFFF) == kKeyPixel) {
      pixel = replacement;
    }
  }
}

// The pixels at `size`: as they are if that is their size, resampled otherwise.
platform::unique_hbitmap BitmapAt(IWICImagingFactory& factory, Pixels& pixels, SIZE size) {
  void* bits = nullptr;
  platform::unique_hbitmap bitmap = platform::MakeDib(size, &bits);
  if (!bitmap) {
    return nullptr;
  }
  const UINT width = static_cast<UINT>(size.cx);
  const UINT height = static_cast<UINT>(size.cy);
  if (width == pixels.width && height == pixels.height) {
    std::memcpy(bits, pixels.values.data(), pixels.Bytes());
    return bitmap;
  }
  IWICBitmap* raw_source = nullptr;
  IWICBitmapScaler* raw_scaler = nullptr;
  if (FAILED(factory.CreateBitmapFromMemory(
          pixels.width, pixels.height, GUID_WICPixelFormat32bppBGR, pixels.Stride(), pixels.Bytes(),
          reinterpret_cast<BYTE*>(pixels.values.data()), &raw_source))) {
    return nullptr;
  }
  const com_ptr<IWICBitmap> source(raw_source);
  if (FAILED(factory.CreateBitmapScaler(&raw_scaler))) {
    return nullptr;
  }
  const com_ptr<IWICBitmapScaler> scaler(raw_scaler);
  const UINT stride = width * sizeof(Pixel);
  if (FAILED(scaler->Initialize(source.get(), width, height, WICBitmapInterpolationModeFant)) ||
      FAILED(scaler->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    return nullptr;
  }
  return bitmap;
}

}  // namespace

platform::unique_hbitmap ScaledRendering(HINSTANCE instance, int id, int dpi,
                                         std::optional<COLORREF> transparent_as) {
  const SIZE design = DesignSize(instance, id);
  const SIZE shown{scale::ScaledFromDesign(design.cx, dpi),
                   scale::ScaledFromDesign(design.cy, dpi)};
  const std::vector<int> percents = RenderingPercents(instance, id);
  const int percent = ChooseRendering(percents, dpi).value_or(kDesignPercent);

  IWICImagingFactory* factory = ImagingFactory();
  if (factory == nullptr || shown.cx <= 0 || shown.cy <= 0) {
    return nullptr;
  }
  const com_ptr<IWICBitmapSource> source = percent == kDesignPercent
                                               ? DesignSource(*factory, instance, id)
                                               : DecodePng(*factory, instance, id, percent);
  Pixels pixels;
  if (!source || !ReadPixels(*factory, *source, pixels)) {
    return nullptr;
  }
  if (transparent_as) {
    ReplaceKey(pixels, *transparent_as);
  }
  return BitmapAt(*factory, pixels, shown);
}

}  // namespace morvane::artwork
