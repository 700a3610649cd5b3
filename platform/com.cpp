#include "platform/com.h"

#include <oleauto.h>

#include <string>

#include "platform/system_library.h"
#include "platform/text_encoding.h"

namespace morvane::platform {

namespace {

struct ComFunctions {
  decltype(&::CoInitializeEx) initialise = nullptr;
  decltype(&::CoUninitialize) leave = nullptr;
  decltype(&::CoCreateInstance) create_instance = nullptr;
  decltype(&::CoGetApartmentType) apartment_type = nullptr;
  decltype(&::CoTaskMemFree) free_memory = nullptr;
};

// Loaded on first use and kept: COM objects live in ole32 until the program ends.
const ComFunctions& Com() {
  static const ComFunctions functions = [] {
    HMODULE ole32 = SystemLibrary(L"ole32.dll");
    return ComFunctions{
        FunctionIn<decltype(ComFunctions::initialise)>(ole32, "CoInitializeEx"),
        FunctionIn<decltype(ComFunctions::leave)>(ole32, "CoUninitialize"),
        FunctionIn<decltype(ComFunctions::create_instance)>(ole32, "CoCreateInstance"),
        FunctionIn<decltype(ComFunctions::apartment_type)>(ole32, "CoGetApartmentType"),
        FunctionIn<decltype(ComFunctions::free_memory)>(ole32, "CoTaskMemFree")};
  }();
  return functions;
}

// Apartments belong to threads. A thread found in a multithreaded apartment
// uses it without having joined it, and has nothing to leave.
thread_local bool joined = false;
thread_local bool initialised = false;

}  // namespace

// The memory came from ole32, which is loaded then.
void ComMemoryFreer::operator()(void* memory) const { Com().free_memory(memory); }

bool JoinComApartment() {
  if (joined) {
    return true;
  }
  const ComFunctions& com = Com();
  if (com.initialise == nullptr || com.create_instance == nullptr) {
    return false;
  }
  // S_FALSE: the thread already was in such an apartment; RPC_E_CHANGED_MODE:
  // in a multithreaded one, whose objects this thread may use as well, though
  // it hands none out there (JoinSingleThreadedApartment). No OLE1 DDE:
  // nothing here speaks it, and it would want a hidden window.
  const HRESULT result =
      com.initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  initialised = SUCCEEDED(result);
  joined = initialised || result == RPC_E_CHANGED_MODE;
  return joined;
}

void LeaveComApartment() {
  if (initialised) {
    Com().leave();
    initialised = joined = false;
  }
}

bool JoinSingleThreadedApartment() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  return JoinComApartment() && Com().apartment_type != nullptr &&
         SUCCEEDED(Com().apartment_type(&type, &qualifier)) &&
         (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

BSTR NewComString(std::string_view utf8) {
  static const auto allocate = FunctionIn<decltype(&::SysAllocStringLen)>(
      SystemLibrary(L"oleaut32.dll"), "SysAllocStringLen");
  if (allocate == nullptr) {
    return nullptr;
  }
  const std::wstring text = Widen(utf8);
  return allocate(text.data(), static_cast<UINT>(text.size()));
}

namespace detail {

HRESULT CreateInProcess(REFCLSID clsid, REFIID iid, void** object) {
  if (!JoinComApartment()) {
    return CO_E_NOTINITIALIZED;
  }
  return Com().create_instance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

}  // namespace detail

}  // namespace morvane::platform
