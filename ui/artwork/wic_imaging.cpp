#include "ui/artwork/wic_imaging.h"

#include <wincodec.h>

#include "platform/com.h"

namespace morvane::artwork {

namespace {

using platform::com_ptr;

// Made once on first use (joining the thread's COM apartment) and kept for
// the life of the program.
IWICImagingFactory* ImagingFactory() {
  static com_ptr<IWICImagingFactory> factory;
  if (!factory) {
    // The first version of the factory: the one Windows 7 has.
    factory = platform::CreateInProcess<IWICImagingFactory>(CLSID_WICImagingFactory1,
                                                             IID_IWICImagingFactory);
  }
  return factory.get();
}

}  // namespace

bool Resample(std::span<const std::uint32_t> from, SIZE from_size, std::span<std::uint32_t> to,
              SIZE to_size, FourthByte fourth) {
  IWICImagingFactory* factory = ImagingFactory();
  const auto stride = [](SIZE size) { return static_cast<UINT>(size.cx) * sizeof(std::uint32_t); };
  if (factory == nullptr || from.size() != static_cast<size_t>(from_size.cx * from_size.cy) ||
      to.size() != static_cast<size_t>(to_size.cx * to_size.cy)) {
    return false;
  }
  IWICBitmap* raw_source = nullptr;
  // The bitmap copies the pixels; it never writes them.
  if (FAILED(factory->CreateBitmapFromMemory(
          static_cast<UINT>(from_size.cx), static_cast<UINT>(from_size.cy),
          fourth == FourthByte::kUnused ? GUID_WICPixelFormat32bppBGR : GUID_WICPixelFormat32bppPBGRA,
          stride(from_size), static_cast<UINT>(from.size_bytes()),
          reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(from.data())), &raw_source))) {
    return false;
  }
  const com_ptr<IWICBitmap> source(raw_source);
  IWICBitmapScaler* raw_scaler = nullptr;
  if (FAILED(factory->CreateBitmapScaler(&raw_scaler))) {
    return false;
  }
  const com_ptr<IWICBitmapScaler> scaler(raw_scaler);
  return SUCCEEDED(scaler->Initialize(source.get(), static_cast<UINT>(to_size.cx),
                                      static_cast<UINT>(to_size.cy),
                                      WICBitmapInterpolationModeFant)) &&
         SUCCEEDED(scaler->CopyPixels(nullptr, stride(to_size), static_cast<UINT>(to.size_bytes()),
                                      reinterpret_cast<BYTE*>(to.data())));
}

}  // namespace morvane::artwork
