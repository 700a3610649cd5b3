// A window's own title-bar and taskbar icons at the window's dpi, scaled down
// from the icon's one large image with a high-quality filter (plain loading
// would shrink the 200-pixel image by dropping pixels). Owned for as long as
// the window shows them.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace morvane::toolkit {

struct IconDestroyer {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using unique_hicon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// The icon `name` at the size of the system metric `size_metric` (SM_CXICON,
// SM_CXSMICON) at `dpi`.
unique_hicon IconAt(HINSTANCE instance, const wchar_t* name, int size_metric, int dpi);

class WindowIcons {
 public:
  // Gives the window the icon `name` at `dpi`, replacing what it had.
  void Apply(HWND hwnd, HINSTANCE instance, const wchar_t* name, int dpi);

 private:
  unique_hicon big_;
  unique_hicon small_;
};

}  // namespace morvane::toolkit
