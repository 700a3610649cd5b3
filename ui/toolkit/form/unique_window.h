// Owns a window the program created for itself and destroys it with the owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace morvane::toolkit {

struct WindowDestroyer {
  void operator()(HWND hwnd) const { ::DestroyWindow(hwnd); }
};

using unique_hwnd = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

}  // namespace morvane::toolkit
