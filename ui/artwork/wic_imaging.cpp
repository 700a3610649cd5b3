#include "ui/artwork/wic_imaging.h"

#include "platform/com_functions.h"

namespace morvane::artwork {

WicImaging::WicImaging() {
  const platform::ComFunctions& com = platform::Com();
  if (!com.Available()) {
    return;
  }
  // S_FALSE: already initialised here, which still has to be balanced;
  // RPC_E_CHANGED_MODE: in another apartment, which serves as well.
  const HRESULT initialised = com.initialise(nullptr, COINIT_APARTMENTTHREADED);
  uninitialise_ = SUCCEEDED(initialised);
  // The first version of the factory: the one Windows 7 has.
  IWICImagingFactory* factory = nullptr;
  if (SUCCEEDED(com.create_instance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
    factory_.reset(factory);
  }
}

WicImaging::~WicImaging() {
  factory_.reset();
  if (uninitialise_) {
    platform::Com().uninitialise();
  }
}

}  // namespace morvane::artwork
