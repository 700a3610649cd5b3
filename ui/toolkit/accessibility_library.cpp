#include "ui/toolkit/accessibility_library.h"

#include "platform/system_library.h"
#include "platform/text_encoding.h"

namespace morvane::toolkit {

const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = []() -> AccessibilityFunctions {
    HMODULE oleacc = platform::SystemLibrary(L"oleacc.dll");
    HMODULE oleaut32 = platform::SystemLibrary(L"oleaut32.dll");
    AccessibilityFunctions found{
        platform::FunctionIn<decltype(found.create_standard)>(oleacc, "CreateStdAccessibleObject"),
        platform::FunctionIn<decltype(found.result_from_object)>(oleacc, "LresultFromObject"),
        platform::FunctionIn<decltype(found.allocate_string)>(oleaut32, "SysAllocString"),
        platform::FunctionIn<decltype(found.load_type_library)>(oleaut32, "LoadRegTypeLib")};
    if (!found.create_standard || !found.result_from_object || !found.allocate_string ||
        !found.load_type_library) {
      return {};
    }
    return found;
  }();
  return functions;
}

BSTR NameFrom(const std::function<std::string()>& source) {
  return Accessibility().allocate_string(platform::Widen(source()).c_str());
}

}  // namespace morvane::toolkit
