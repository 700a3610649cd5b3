#include "platform/com.h"

#include "platform/system_library.h"

namespace morvane::platform {

namespace {

struct ComFunctions {
  decltype(&::CoInitializeEx) initialise = nullptr;
  decltype(&::CoCreateInstance) create_instance = nullptr;
};

// Loaded on first use and kept: COM objects live in ole32 until the program ends.
const ComFunctions& Com() {
  static const ComFunctions functions = [] {
    HMODULE ole32 = SystemLibrary(L"ole32.dll");
    return ComFunctions{FunctionIn<decltype(ComFunctions::initialise)>(ole32, "CoInitializeEx"),
                        FunctionIn<decltype(ComFunctions::create_instance)>(ole32,
                                                                            "CoCreateInstance")};
  }();
  return functions;
}

}  // namespace

bool JoinComApartment() {
  // Apartments belong to threads.
  thread_local bool joined = false;
  if (joined) {
    return true;
  }
  const ComFunctions& com = Com();
  if (com.initialise == nullptr || com.create_instance == nullptr) {
    return false;
  }
  // S_FALSE: the thread already was in such an apartment; RPC_E_CHANGED_MODE:
  // in a multithreaded one, whose objects this thread may use as well. No
  // OLE1 DDE: nothing here speaks it, and it would want a hidden window.
  const HRESULT result =
      com.initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  joined = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  return joined;
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
