#include "ui/artwork/icon_data.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "ui/artwork/png_reader.h"
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
  std::span<const std::uint8_t> png;
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
    images.push_back(IconImage{entry.width == 0 ? 256 : entry.width,
                               file.subspan(entry.offset, entry.bytes)});
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

// The picture in `png`, of `drawn` size, resampled to `to`, `size` x `size`
// pixels. Resampled on premultiplied colours, so that the colour of the
// transparent pixels around the picture does not bleed into its edge; an
// icon holds its colours as they are.
bool Resampled(std::span<const std::uint8_t> png, PngSize drawn, std::span<std::uint32_t> to,
               int size) {
  std::vector<std::uint32_t> from(static_cast<size_t>(drawn.width) * static_cast<size_t>(drawn.height));
  if (!ReadPng(png, from)) {
    return false;
  }
  const auto channels = [](std::uint32_t pixel, auto&& change) {
    const std::uint32_t alpha = pixel >> 24;
    std::uint32_t changed = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
      changed |= std::min<std::uint32_t>(change((pixel >> shift) & 0xFF, alpha), 0xFF) << shift;
    }
    return changed;
  };
  for (std::uint32_t& pixel : from) {
    pixel = channels(pixel, [](std::uint32_t colour, std::uint32_t alpha) {
      return (colour * alpha + 127) / 255;
    });
  }
  if (!Resample(from, SIZE{drawn.width, drawn.height}, to, SIZE{size, size},
                FourthByte::kPremultipliedAlpha)) {
    return false;
  }
  for (std::uint32_t& pixel : to) {
    pixel = channels(pixel, [](std::uint32_t colour, std::uint32_t alpha) {
      return alpha == 0 ? 0 : (colour * 255 + alpha / 2) / alpha;
    });
  }
  return true;
}

// The mask Windows draws an icon with where it cannot blend its alpha: a
// monochrome bitmap, set where the picture is transparent. CreateBitmap
// takes its rows padded to whole 16-bit words (a DIB's, as in an icon file,
// are padded to 32 bits).
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

// The icon made from `image`, `size` x `size` pixels; nullptr if the image
// cannot be read.
platform::unique_hicon IconFrom(const IconImage& image, int size) {
  const std::optional<PngSize> drawn = PngSizeOf(image.png);
  std::span<std::uint32_t> bits;
  const platform::unique_hbitmap colour = platform::MakeDib(SIZE{size, size}, bits);
  if (!drawn || !colour) {
    return nullptr;
  }
  const bool as_drawn = drawn->width == size && drawn->height == size;
  if (!(as_drawn ? ReadPng(image.png, bits) : Resampled(image.png, *drawn, bits, size))) {
    return nullptr;
  }
  const platform::unique_hbitmap mask = MaskOf(bits.data(), size);
  ICONINFO parts{TRUE, 0, 0, mask.get(), colour.get()};
  // The icon holds copies of the two bitmaps.
  return platform::unique_hicon(::CreateIconIndirect(&parts));
}

}  // namespace

platform::unique_hicon IconFromData(HINSTANCE instance, const wchar_t* name, int size) {
  std::vector<IconImage> images = Images(FindBytes(instance, name, RT_RCDATA));
  // An image that cannot be read, damaged say, is passed over as a missing
  // one would be.
  for (std::optional<IconImage> image; size > 0 && (image = ImageToMake(images, size));) {
    if (platform::unique_hicon icon = IconFrom(*image, size)) {
      return icon;
    }
    std::erase_if(images, [&](const IconImage& other) { return other.width == image->width; });
  }
  return nullptr;
}

}  // namespace morvane::artwork
