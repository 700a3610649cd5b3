// The accessibility libraries' functions that the controls' names use, and
// what every COM object of the names needs. Most runs of the program meet no
// screen reader, so the libraries are loaded when the first client asks, not
// at start.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>

namespace morvane::toolkit {

struct AccessibilityFunctions {
  decltype(&::CreateStdAccessibleObject) create_standard = nullptr;
  decltype(&::LresultFromObject) result_from_object = nullptr;
  decltype(&::SysAllocString) allocate_string = nullptr;
  decltype(&::LoadRegTypeLib) load_type_library = nullptr;
};

// Loaded on first use and kept. Everything is nullptr when any of it is missing.
const AccessibilityFunctions& Accessibility();

// The name as a new string for a client, who frees it; nullptr when memory
// runs out. The libraries are loaded: the caller came from them.
BSTR NameFrom(const std::function<std::string()>& source);

// The reference count of a COM object of ours, which lives exactly as long
// as its holders keep it.
template <typename... Interfaces>
class RefCounted : public Interfaces... {
 public:
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

}  // namespace morvane::toolkit
