#include "platform/com_functions.h"

#include "platform/system_library.h"

namespace morvane::platform {

const ComFunctions& Com() {
  static const ComFunctions functions = [] {
    HMODULE ole32 = SystemLibrary(L"ole32.dll");
    return ComFunctions{
        FunctionIn<decltype(ComFunctions::initialise)>(ole32, "CoInitializeEx"),
        FunctionIn<decltype(ComFunctions::uninitialise)>(ole32, "CoUninitialize"),
        FunctionIn<decltype(ComFunctions::create_instance)>(ole32, "CoCreateInstance")};
  }();
  return functions;
}

}  // namespace morvane::platform
