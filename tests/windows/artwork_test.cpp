// The pictures as the windows get them: every rendering linked into the
// program, the ones drawn for 96 dpi among them, reads through the program's
// own reader to the very pixels the Windows Imaging Component decodes from
// it; a scale with no rendering of its own is made to its size from the next
// larger one, its transparent colour replaced; a palette rendering stays a
// palette bitmap; a damaged picture is passed over as a missing one would be.
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
#include "ui/artwork/icon_data.h"
#include "ui/artwork/png_reader.h"
#include "ui/artwork/resource_bytes.h"
#include "ui/artwork/scaled_rendering.h"
#include "ui/scale/design_scale.h"

namespace morvane::testing {
namespace {

using platform::com_ptr;

// The background as the main window's design has it, in twips: 388 x 408 pixels at 96 dpi.
constexpr SIZE kBackgroundDesign = {5820, 6120};

BOOL CALLBACK CollectRendering(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR files) {
  if (!IS_INTRESOURCE(name) && std::wstring_view(name).starts_with(L"PNG_")) {
    reinterpret_cast<std::vector<std::span<const std::uint8_t>>*>(files)->push_back(
        artwork::FindBytes(nullptr, name, RT_RCDATA));
  }
  return TRUE;
}

// The file's pixels as the imaging component decodes them, 0xAARRGGBB.
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
  converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                        WICBitmapPaletteTypeCustom);
  converter->GetSize(&width, &height);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  converter->CopyPixels(nullptr, width * 4, width * height * 4,
                        reinterpret_cast<BYTE*>(pixels.data()));
  for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream}) {
    object->Release();
  }
  return pixels;
}

TEST(ArtworkTest, EveryRenderingReadsToThePixelsTheImagingComponentDecodes) {
  const ComApartment apartment;
  const auto factory = platform::CreateInProcess<IWICImagingFactory>(CLSID_WICImagingFactory1,
                                                                     IID_IWICImagingFactory);
  ASSERT_TRUE(factory);
  std::vector<std::span<const std::uint8_t>> files;
  ::EnumResourceNamesW(nullptr, RT_RCDATA, &CollectRendering, reinterpret_cast<LONG_PTR>(&files));
  ASSERT_FALSE(files.empty());
  for (const std::span<const std::uint8_t> png : files) {
    SCOPED_TRACE("the rendering of " + std::to_string(png.size()) + " bytes");
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
    const artwork::ArtworkBitmap background(::GetModuleHandleW(nullptr), IDB_BACKGROUND,
                                            kBackgroundDesign, dpi, kBack);
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

// The background is kept as it is stored, a byte a pixel, at 96 dpi as at
// 150 %: as 32-bit pixels it would take four times the memory.
TEST(ArtworkTest, APaletteRenderingIsKeptAsAPaletteBitmap) {
  for (const int dpi : {96, 144}) {
    const platform::unique_hbitmap background = artwork::ScaledRendering(
        ::GetModuleHandleW(nullptr), IDB_BACKGROUND, kBackgroundDesign, dpi, RGB(0x40, 0x40, 0x40));
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectW(background.get(), sizeof section, &section), int{sizeof section});
    EXPECT_EQ(section.dsBmih.biBitCount, 8) << "at " << dpi << " dpi";
  }
}

// A copy of this program with one byte changed in the background's 100 % and
// 150 % renderings and in the badge's 16-pixel image: each is refused, and the
// picture made from the next larger one, as if it were missing.
TEST(ArtworkTest, ADamagedPictureIsPassedOverAsAMissingOneWouldBe) {
  wchar_t path[MAX_PATH];
  wchar_t copy[MAX_PATH];
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  ::GetTempPathW(MAX_PATH, copy);
  ::GetTempFileNameW(copy, L"art", 0, copy);
  ASSERT_TRUE(::CopyFileW(path, copy, FALSE));
  HANDLE update = ::BeginUpdateResourceW(copy, FALSE);
  const auto damage = [&](const wchar_t* name, std::ptrdiff_t at) {
    const std::span<const std::uint8_t> file = artwork::FindBytes(nullptr, name, RT_RCDATA);
    std::vector<std::uint8_t> damaged(file.begin(), file.end());
    damaged[static_cast<size_t>(at)] ^= 1;
    // In the language the resource compiler gave them.
    ::UpdateResourceW(update, RT_RCDATA, name, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                      damaged.data(), static_cast<DWORD>(damaged.size()));
  };
  const wchar_t* badge = MAKEINTRESOURCEW(IDR_TIME_IS_UP_BADGE);
  damage(L"PNG_101_100", 100);
  damage(L"PNG_101_150", 100);
  // The icon file's first image, the 16-pixel one, follows its directory: 6
  // bytes, and 16 for each of the six images.
  damage(badge, 6 + 16 * 6 + 100);
  ASSERT_TRUE(::EndUpdateResourceW(update, FALSE));
  HMODULE module = ::LoadLibraryExW(copy, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  {
    const artwork::ArtworkBitmap background(module, IDB_BACKGROUND, kBackgroundDesign, 144);
    EXPECT_EQ(background.Size().cx, scale::ScaledFromDesign(388, 144));
    EXPECT_EQ(artwork::ArtworkBitmap(module, IDB_BACKGROUND, kBackgroundDesign, 96).Size().cx, 388);
    EXPECT_NE(artwork::IconFromData(module, badge, 16), nullptr);
  }
  ::FreeLibrary(module);
  ::DeleteFileW(copy);
}

}  // namespace
}  // namespace morvane::testing
