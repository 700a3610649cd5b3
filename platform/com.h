// COM for the user-interface thread. Only some runs need it (a picture made
// for a scale that has no rendering of its own, a screen reader asking for a
// control, the taskbar's badge), so ole32 is loaded when first asked for, not
// at start.
#pragma once

#include <objbase.h>

#include <memory>

namespace morvane::platform {

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using com_ptr = std::unique_ptr<Interface, ComReleaser>;

// Puts this thread in a COM apartment the first time it is asked: a
// single-threaded one, as a thread with windows wants, or whatever apartment
// the thread was already in, which serves as well. True when the thread can
// use COM. A failure is not remembered: the next call tries again. The
// apartment is never left, since objects handed out from it (to a screen
// reader, say) may be held for as long as their holder likes.
bool JoinComApartment();

// A new in-process object of `clsid`, as `Interface`; nullptr when COM or the
// class is missing. Joins the apartment first.
template <typename Interface>
com_ptr<Interface> CreateInProcess(REFCLSID clsid, REFIID iid);

namespace detail {
HRESULT CreateInProcess(REFCLSID clsid, REFIID iid, void** object);
}  // namespace detail

template <typename Interface>
com_ptr<Interface> CreateInProcess(REFCLSID clsid, REFIID iid) {
  void* object = nullptr;
  if (FAILED(detail::CreateInProcess(clsid, iid, &object))) {
    return nullptr;
  }
  return com_ptr<Interface>(static_cast<Interface*>(object));
}

}  // namespace morvane::platform
