// A COM apartment for the calling thread, for the life of the object: the
// tests read the controls' accessible objects as a screen reader does, and a
// COM client needs one. A single-threaded one unless asked otherwise.
#pragma once

#include <objbase.h>

namespace morvane {

class ComApartment {
 public:
  explicit ComApartment(COINIT model = COINIT_APARTMENTTHREADED)
      : joined_(SUCCEEDED(::CoInitializeEx(nullptr, model))) {}
  ~ComApartment() {
    if (joined_) {
      ::CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace morvane
