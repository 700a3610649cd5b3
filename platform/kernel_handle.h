// An owner for the kernel objects the program makes for itself (events),
// closed exactly once, whichever way a scope is left.
#pragma once

#include <windows.h>

#include <memory>

namespace morvane::platform {

struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};

using unique_handle = std::unique_ptr<void, HandleCloser>;

}  // namespace morvane::platform
