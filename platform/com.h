// COM for the user-interface thread. Only some runs need it (a picture made
// for a scale that has no rendering of its own, a screen reader asking for a
// control, the taskbar's badge), so ole32 and oleaut32 are loaded when first
// asked for, not at start.
#pragma once

#include <objbase.h>

#include <memory>
#include <string_view>

namespace morvane::platform {

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using com_ptr = std::unique_ptr<Interface, ComReleaser>;

// Memory that a COM object answers with, for its caller to free.
struct ComMemoryFreer {
  void operator()(void* memory) const;
};
template <typename T>
using com_memory = std::unique_ptr<T, ComMemoryFreer>;

// Puts this thread in a COM apartment the first time it is asked: a
// single-threaded one, as a thread with windows wants, or whatever apartment
// the thread was already in, which serves as well. True when the thread can
// use COM. A failure is not remembered: the next call tries again. The
// apartment is never left, since objects handed out from it (to a screen
// reader, say) may be held for as long as their holder likes.
bool JoinComApartment();

// For a thread of the program's own as it ends, once every object it made is
// released: leaves the apartment JoinComApartment joined, if it did.
void LeaveComApartment();

// Joins as JoinComApartment does; true only when this thread's apartment is
// then a single-threaded one, the only kind in which the objects it hands
// out are called on this thread alone. A thread that was already in a
// multithreaded apartment stays there and gets false.
bool JoinSingleThreadedApartment();

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

// A new COM string holding `utf8`, for a client who frees it; nullptr when
// memory runs out or oleaut32 is missing.
BSTR NewComString(std::string_view utf8);

// The reference count of a COM object of ours, which lives exactly as long
// as its holders keep it. The count is a plain one: such objects are handed
// out only from a single-threaded apartment (JoinSingleThreadedApartment),
// where every call to them comes on the thread that made them.
template <typename... Interfaces>
class RefCounted : public Interfaces... {
 public:
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }

 protected:
  RefCounted() = default;
  virtual ~RefCounted() = default;

 private:
  ULONG references_ = 1;
};

}  // namespace morvane::platform
