// The accessibility library's functions that the controls' names use. Most
// runs of the program meet no screen reader, so the library is loaded when
// the first client asks, not at start.
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace morvane::toolkit {

struct AccessibilityFunctions {
  decltype(&::CreateStdAccessibleObject) create_standard = nullptr;
  decltype(&::LresultFromObject) result_from_object = nullptr;
};

// Loaded on first use and kept. Everything is nullptr when any of it is missing.
const AccessibilityFunctions& Accessibility();

}  // namespace morvane::toolkit
