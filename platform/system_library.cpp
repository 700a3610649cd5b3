#include "platform/system_library.h"

#include <string>

namespace morvane::platform {

HMODULE SystemLibrary(const wchar_t* file) {
  // A library stays loaded until the program ends, so loading it again only
  // counts up a reference that nothing counts down.
  if (HMODULE loaded = ::GetModuleHandleW(file)) {
    return loaded;
  }
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return nullptr;
  }
  const std::wstring path = std::wstring(folder, length) + L"\\" + file;
  return ::LoadLibraryW(path.c_str());
}

}  // namespace morvane::platform
