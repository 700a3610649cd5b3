// A window's own title-bar and taskbar icons at the window's dpi, scaled down
// from the icon's one large image with a high-quality filter (plain loading
// would shrink the 200-pixel image by dropping pixels). Owned for as long as
// the window shows them.
#pragma once

#include <windows.h>

#include "platform/gdi.h"

namespace morvane::toolkit {

class WindowIcons {
 public:
  // Gives the window the icon `name` at `dpi`, replacing what it had.
  void Apply(HWND hwnd, HINSTANCE instance, const wchar_t* name, int dpi);

 private:
  platform::unique_hicon big_;
  platform::unique_hicon small_;
};

}  // namespace morvane::toolkit
