// The pictures as the windows get them: every rendering linked into the
// program reads, through the program's own reader, to the very pixels the
// Windows Imaging Component decodes from it; and a scale with no rendering of
// its own is made to its size from the next larger one (or, below 100 %, from
// the bitmap as drawn), its transparent colour replaced.
#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "platform/com.h"
#include "tests/windows/app_fixture.h"
#include "tests/windows/com_apartment.h"
#include "ui/artwork/artwork_bitmap.h"
#include "ui/artwork/png_reader.h"
#include "ui/artwork/resource_bytes.h"
#include "ui/scale/design_scale.h"

namespace morvane::testing {
namespace {

using platform::com_ptr;

BOOL CALLBACK CollectRendering(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  if (!IS_INTRESOURCE(name) && std::wstring_view(name).starts_with(L"PNG_")) {
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(name);
  }
  return TRUE;
}

// The file's pixels as the imaging component decodes them, 0x00RRGGBB.
std::vector<std::uint32_t> DecodedBySystem(IWICImagingFactory& factory,
                                           std::span<const std::uint8_t> png) {
  IWICStream* stream = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  UINT width = 0;
  UINT height = 0;
  factory.CreateStream(&stream);
  stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()));
  factory.CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
  decoder->GetFrame(0, &frame);
  factory.CreateFormatConverter(&converter);
  converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                        WICBitmapPaletteTypeCustom);
  converter->GetSize(&width, &height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  converter->CopyPixels(nullptr, width * 4, width * height * 4,
                        reinterpret_cast<BYTE*>(pixels.data()));
  for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream}) {
    object->Release();
  }
  for (std::uint32_t& pixel : pixels) {
    pixel &= 0xFFFFFF;  // the fourth byte is unused
  }
  return pixels;
}

TEST(ArtworkTest, EveryRenderingReadsToThePixelsTheImagingComponentDecodes) {
  const ComApartment apartment;
  const auto factory = platform::CreateInProcess<IWICImagingFactory>(CLSID_WICImagingFactory1,
                                                                     IID_IWICImagingFactory);
  ASSERT_TRUE(factory);
  std::vector<std::wstring> names;
  ::EnumResourceNamesW(nullptr, RT_RCDATA, &CollectRendering, reinterpret_cast<LONG_PTR>(&names));
  ASSERT_FALSE(names.empty());
  for (const std::wstring& name : names) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    const std::span<const std::uint8_t> png = artwork::FindBytes(nullptr, name.c_str(), RT_RCDATA);
    const std::optional<artwork::PngSize> size = artwork::PngSizeOf(png);
    ASSERT_TRUE(size.has_value());
    std::vector<std::uint32_t> read(static_cast<size_t>(size->width * size->height));
    ASSERT_TRUE(artwork::ReadPng(png, read));
    const std::vector<std::uint32_t> decoded = DecodedBySystem(*factory, png);
    ASSERT_EQ(decoded.size(), read.size());
    const auto differs = std::mismatch(read.begin(), read.end(), decoded.begin());
    EXPECT_EQ(differs.first, read.end())
        << "first differs at pixel " << (differs.first - read.begin()) << " of " << read.size();
  }
}

TEST(ArtworkTest, AScaleWithoutItsOwnRenderingIsMadeToItsSizeWithTheKeyReplaced) {
  constexpr COLORREF kBack = RGB(0x40, 0x40, 0x40);
  for (const int dpi : {72, 168, 336}) {
    SCOPED_TRACE("at " + std::to_string(dpi) + " dpi");
    const artwork::ArtworkBitmap background(::GetModuleHandleW(nullptr), IDB_BACKGROUND, dpi,
                                            kBack);
    const SIZE size = background.Size();
    EXPECT_EQ(size.cx, scale::ScaledFromDesign(388, dpi));
    EXPECT_EQ(size.cy, scale::ScaledFromDesign(408, dpi));
    const ClientPixels pixels(size.cx, size.cy, [&](HDC dc) { background.Draw(dc, 0, 0); });
    int magenta = 0;
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        magenta += pixels.At(x, y) == 0xFF00FFu;
      }
    }
    EXPECT_EQ(magenta, 0);
  }
}

}  // namespace
}  // namespace morvane::testing
