#include "ui/toolkit/window_services/window_icons.h"

#include "platform/dpi.h"
#include "platform/system_library.h"

namespace morvane::toolkit {

namespace {

using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// Version 6 of the common controls has it; MinGW's import library does not,
// so it is looked up by name. Loaded by its plain name, the library is the one
// the manifest asks for, from the side-by-side store, which the boxes and
// buttons then use as well; the system folder holds only version 5.
LoadIconWithScaleDownFunction LoadIconWithScaleDownOrNull() {
  static const auto function = platform::FunctionIn<LoadIconWithScaleDownFunction>(
      ::LoadLibraryW(L"comctl32.dll"), "LoadIconWithScaleDown");
  return function;
}

using platform::unique_hicon;

// The icon `name` at the size of the system metric `size_metric` (SM_CXICON,
// SM_CXSMICON) at `dpi`.
unique_hicon IconAt(HINSTANCE instance, const wchar_t* name, int size_metric, int dpi) {
  const int size = platform::SystemMetricAt(size_metric, dpi);
  HICON icon = nullptr;
  if (const auto load_scaled_down = LoadIconWithScaleDownOrNull()) {
    if (SUCCEEDED(load_scaled_down(instance, name, size, size, &icon))) {
      return unique_hicon(icon);
    }
  }
  return unique_hicon(
      static_cast<HICON>(::LoadImageW(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

// The window lets go of the old icons when it is given the new ones, so they
// are released only after that.
void WindowIcons::Apply(HWND hwnd, HINSTANCE instance, const wchar_t* name, int dpi) {
  if (name == nullptr) {
    return;
  }
  unique_hicon big = IconAt(instance, name, SM_CXICON, dpi);
  unique_hicon small = IconAt(instance, name, SM_CXSMICON, dpi);
  ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  big_ = std::move(big);
  small_ = std::move(small);
}

}  // namespace morvane::toolkit
