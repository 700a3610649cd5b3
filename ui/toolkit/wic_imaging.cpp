#include "ui/toolkit/wic_imaging.h"

namespace morvane::toolkit {

namespace {

struct Ole32 {
  decltype(&::CoInitializeEx) initialise = nullptr;
  decltype(&::CoUninitialize) uninitialise = nullptr;
  decltype(&::CoCreateInstance) create_instance = nullptr;
};

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// Loaded on first use and kept: COM objects live in it until the program ends.
const Ole32& Ole32Functions() {
  static const Ole32 functions = [] {
    Ole32 found;
    if (HMODULE ole32 = ::LoadLibraryW(L"ole32.dll")) {
      found.initialise = Lookup<decltype(found.initialise)>(ole32, "CoInitializeEx");
      found.uninitialise = Lookup<decltype(found.uninitialise)>(ole32, "CoUninitialize");
      found.create_instance = Lookup<decltype(found.create_instance)>(ole32, "CoCreateInstance");
    }
    return found;
  }();
  return functions;
}

}  // namespace

WicImaging::WicImaging() {
  const Ole32& ole32 = Ole32Functions();
  if (ole32.initialise == nullptr || ole32.uninitialise == nullptr ||
      ole32.create_instance == nullptr) {
    return;
  }
  // S_FALSE: already initialised here, which still has to be balanced;
  // RPC_E_CHANGED_MODE: in another apartment, which serves as well.
  const HRESULT initialised = ole32.initialise(nullptr, COINIT_APARTMENTTHREADED);
  uninitialise_ = SUCCEEDED(initialised);
  // The first version of the factory: the one Windows 7 has.
  IWICImagingFactory* factory = nullptr;
  if (SUCCEEDED(ole32.create_instance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(&factory)))) {
    factory_.reset(factory);
  }
}

WicImaging::~WicImaging() {
  factory_.reset();
  if (uninitialise_) {
    Ole32Functions().uninitialise();
  }
}

}  // namespace morvane::toolkit
