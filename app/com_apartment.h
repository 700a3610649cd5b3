// The user-interface thread's COM apartment, for the life of the program.
// The controls hand screen readers COM objects through WM_GETOBJECT, and
// those are marshalled from this thread, which COM allows only in an
// apartment. (Wine's input-method layer gives every window thread one of its
// own accord; Windows promises nothing of the kind.)
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
