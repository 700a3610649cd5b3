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

}  // namespace morvane::artwork
