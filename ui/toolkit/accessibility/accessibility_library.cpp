#include "ui/toolkit/accessibility/accessibility_library.h"

#include "platform/system_library.h"

namespace morvane::toolkit {

const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = []() -> AccessibilityFunctions {
    HMODULE oleacc = platform::SystemLibrary(L"oleacc.dll");
    AccessibilityFunctions found{
        platform::FunctionIn<decltype(found.create_standard)>(oleacc, "CreateStdAccessibleObject"),
        platform::FunctionIn<decltype(found.result_from_object)>(oleacc, "LresultFromObject")};
    if (!found.create_standard || !found.result_from_object) {
      return {};
    }
    return found;
  }();
  return functions;
}

}  // namespace morvane::toolkit
