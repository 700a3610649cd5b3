#include "ui/artwork/wic_imaging.h"

namespace morvane::artwork {

IWICImagingFactory* ImagingFactory() {
  static com_ptr<IWICImagingFactory> factory;
  if (!factory) {
    // The first version of the factory: the one Windows 7 has.
    factory = platform::CreateInProcess<IWICImagingFactory>(CLSID_WICImagingFactory1,
                                                             IID_IWICImagingFactory);
  }
  return factory.get();
}

com_ptr<IWICBitmapSource> DecodeFile(IWICImagingFactory& factory, const void* file, DWORD size) {
  IWICStream* raw_stream = nullptr;
  if (file == nullptr || FAILED(factory.CreateStream(&raw_stream))) {
    return nullptr;
  }
  const com_ptr<IWICStream> stream(raw_stream);
  // The stream only reads the bytes, which are never written.
  if (FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(file)), size))) {
    return nullptr;
  }
  IWICBitmapDecoder* raw_decoder = nullptr;
  if (FAILED(factory.CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                             &raw_decoder))) {
    return nullptr;
  }
  const com_ptr<IWICBitmapDecoder> decoder(raw_decoder);
  IWICBitmapFrameDecode* frame = nullptr;
  if (FAILED(decoder->GetFrame(0, &frame))) {
    return nullptr;
  }
  return com_ptr<IWICBitmapSource>(frame);
}

}  // namespace morvane::artwork
