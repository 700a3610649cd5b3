#include "platform/system_library.h"

#include <string>

namespace morvane::platform {

// Always by its full path: a module of the same name already loaded from
// elsewhere is not the system's. Loading one that is already loaded only
// counts up a reference; every caller keeps what it found for the life of the
// program, so the count stays bounded.
HMODULE SystemLibrary(const wchar_t* file) {
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return nullptr;
  }
  const std::wstring path = std::wstring(folder, length) + L"\\" + file;
  return ::LoadLibraryW(path.c_str());
}

}  // namespace morvane::platform
