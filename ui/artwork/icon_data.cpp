#include "ui/artwork/icon_data.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "ui/artwork/rendering_choice.h"
#include "ui/artwork/resource_bytes.h"
#include "ui/artwork/wic_imaging.h"

namespace morvane::artwork {

namespace {

// An icon file starts with a directory: a count, then one entry per image.
struct IconDirectoryEntry {
  BYTE width;  // 0 for 256
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  DWORD offset;  // from the start of the file
};
constexpr DWORD kDirectoryHeader = 3 * sizeof(WORD);  // reserved, type, count

struct IconImage {
  int width = 0;
  const BYTE* data = nullptr;
  DWORD size = 0;
};

// The file's images; none if the directory lists anything past its end.
std::vector<IconImage> Images(std::span<const std::uint8_t> file) {
  const BYTE* bytes = file.data();
  WORD count = 0;
  if (file.size() < kDirectoryHeader) {
    return {};
  }
  std::memcpy(&count, bytes + 2 * sizeof(WORD), sizeof count);
  if (file.size() < kDirectoryHeader + count * sizeof(IconDirectoryEntry)) {
    return {};
  }
  std::vector<IconImage> images;
  for (WORD index = 0; index < count; ++index) {
    IconDirectoryEntry entry;
    std::memcpy(&entry, bytes + kDirectoryHeader + index * sizeof entry, sizeof entry);
    if (entry.offset > file.size() || entry.bytes > file.size() - entry.offset) {
      return {};
    }
    images.push_back(IconImage{entry.width == 0 ? 256 : entry.width, bytes + entry.offset,
                               entry.bytes});
  }
  return images;
}

std::optional<IconImage> ImageToMake(const std::vector<IconImage>& images, int size) {
  std::vector<int> widths;
  for (const IconImage& image : images) {
    widths.push_back(image.width);
  }
  const std::optional<int> width = SmallestAtLeast(widths, size);
  for (const IconImage& image : images) {
    if (width == image.width) {
      return image;
    }
  }
  return std::nullopt;
}

com_ptr<IWICBitmapSource> Converted(IWICImagingFactory& factory, IWICBitmapSource& source,
                                    REFWICPixelFormatGUID format) {
  IWICFormatConverter* converter = nullptr;
  if (FAILED(factory.CreateFormatConverter(&converter))) {
    return nullptr;
  }
  com_ptr<IWICBitmapSource> converted(converter);
  if (FAILED(converter->Initialize(&source, format, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  return converted;
}

// Reduced on premultiplied colours, so that the colour of the transparent
// pixels around the picture does not bleed into its edge.
com_ptr<IWICBitmapSource> Resized(IWICImagingFactory& factory, IWICBitmapSource& source,
                                  UINT size) {
  const com_ptr<IWICBitmapSource> premultiplied =
      Converted(factory, source, GUID_WICPixelFormat32bppPBGRA);
  IWICBitmapScaler* scaler = nullptr;
  if (!premultiplied || FAILED(factory.CreateBitmapScaler(&scaler))) {
    return nullptr;
  }
  com_ptr<IWICBitmapSource> resized(scaler);
  if (FAILED(scaler->Initialize(premultiplied.get(), size, size, WICBitmapInterpolationModeFant))) {
    return nullptr;
  }
  return resized;
}

// The mask Windows draws an icon with where it cannot blend its alpha: a
// monochrome bitmap, its rows padded to whole words, set where the picture
// is transparent.
platform::unique_hbitmap MaskOf(const std::uint32_t* pixels, int size) {
  const int stride = (size + 15) / 16 * 2;
  std::vector<BYTE> mask(static_cast<size_t>(stride) * static_cast<size_t>(size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if ((pixels[y * size + x] >> 24) == 0) {
        mask[static_cast<size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
      }
    }
  }
  return platform::unique_hbitmap(::CreateBitmap(size, size, 1, 1, mask.data()));
}

}  // namespace

platform::unique_hicon IconFromData(HINSTANCE instance, const wchar_t* name, int size) {
  IWICImagingFactory* factory = ImagingFactory();
  const std::optional<IconImage> image =
      ImageToMake(Images(FindBytes(instance, name, RT_RCDATA)), size);
  if (factory == nullptr || !image || size <= 0) {
    return nullptr;
  }
  com_ptr<IWICBitmapSource> source = DecodeFile(*factory, image->data, image->size);
  if (source && image->width != size) {
    source = Resized(*factory, *source, static_cast<UINT>(size));
  }
  // Icons hold their colours as they are, not premultiplied.
  if (source) {
    source = Converted(*factory, *source, GUID_WICPixelFormat32bppBGRA);
  }
  void* bits = nullptr;
  const platform::unique_hbitmap colour = platform::MakeDib(SIZE{size, size}, &bits);
  const UINT stride = static_cast<UINT>(size) * sizeof(std::uint32_t);
  if (!source || !colour ||
      FAILED(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(size),
                                static_cast<BYTE*>(bits)))) {
    return nullptr;
  }
  const platform::unique_hbitmap mask = MaskOf(static_cast<const std::uint32_t*>(bits), size);
  ICONINFO parts{TRUE, 0, 0, mask.get(), colour.get()};
  // The icon holds copies of the two bitmaps.
  return platform::unique_hicon(::CreateIconIndirect(&parts));
}

}  // namespace morvane::artwork
