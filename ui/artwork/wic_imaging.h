// The Windows Imaging Component, for decoding and scaling the artwork's
// renderings: present on every Windows from 7 on, and implemented by Wine.
//
// COM is only needed when a window is shown at a scale other than 96 dpi, so
// ole32 is loaded then, not when the program starts.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <memory>

namespace morvane::artwork {

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using com_ptr = std::unique_ptr<Interface, ComReleaser>;

// COM on this thread for the life of the object, and the imaging factory.
// The thread is the user-interface thread: a single-threaded apartment, or
// whatever apartment the thread was already in.
class WicImaging {
 public:
  WicImaging();
  ~WicImaging();
  WicImaging(const WicImaging&) = delete;
  WicImaging& operator=(const WicImaging&) = delete;

  // nullptr when COM or the factory is not available.
  IWICImagingFactory* factory() const { return factory_.get(); }

 private:
  bool uninitialise_ = false;
  com_ptr<IWICImagingFactory> factory_;
};

}  // namespace morvane::artwork
