// COM's own functions, from ole32 loaded on first use: only a window shown at
// a scale other than 96 dpi, or a screen reader asking for a control, needs
// COM, and most starts of the program need neither.
#pragma once

#include <objbase.h>

namespace morvane::platform {

struct ComFunctions {
  decltype(&::CoInitializeEx) initialise = nullptr;
  decltype(&::CoUninitialize) uninitialise = nullptr;
  decltype(&::CoCreateInstance) create_instance = nullptr;

  bool Available() const {
    return initialise != nullptr && uninitialise != nullptr && create_instance != nullptr;
  }
};

// Loaded on first use and kept: COM objects live in ole32 until the program ends.
const ComFunctions& Com();

}  // namespace morvane::platform
