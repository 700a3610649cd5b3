// A COM apartment for the test thread, for the life of the object: the tests
// read the controls' accessible objects as a screen reader does, and a COM
// client needs one.
#pragma once

#include <objbase.h>

namespace morvane {

class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
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
