// Functions looked up by name when the program runs rather than linked: those
// newer than the oldest Windows the program supports, and those of libraries
// that only some runs need, which are then loaded on first use and not at
// every start.
#pragma once

#include <windows.h>

namespace morvane::platform {

// A library from the system folder, never from beside the executable; loaded
// on first use and kept for the life of the program. nullptr if it is missing.
HMODULE SystemLibrary(const wchar_t* file);

// `name` in `module`; nullptr when the module or the function is missing.
template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
  if (module == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace morvane::platform
