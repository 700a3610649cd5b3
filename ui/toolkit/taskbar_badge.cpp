#include "ui/toolkit/taskbar_badge.h"

#include "platform/dpi.h"
#include "ui/artwork/icon_data.h"

namespace morvane::toolkit {

UINT TaskbarBadge::ButtonCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
  return message;
}

void TaskbarBadge::Show(HWND window, const wchar_t* icon, const wchar_t* description, int dpi) {
  if (icon_ == icon) {
    return;
  }
  icon_ = icon;
  description_ = description;
  Put(window, dpi);
}

void TaskbarBadge::Hide(HWND window) {
  if (icon_ == nullptr) {
    return;
  }
  icon_ = nullptr;
  if (announced_) {
    overlay_(window, nullptr, nullptr);
  }
}

void TaskbarBadge::ButtonCreated(HWND window, int dpi) {
  announced_ = true;
  Put(window, dpi);
}

void TaskbarBadge::ScaleTo(HWND window, int dpi) { Put(window, dpi); }

// The taskbar draws a small icon over the button, and keeps its own copy.
void TaskbarBadge::Put(HWND window, int dpi) const {
  if (icon_ == nullptr || !announced_) {
    return;
  }
  const platform::unique_hicon icon =
      artwork::IconFromData(instance_, icon_, platform::SystemMetricAt(SM_CXSMICON, dpi));
  overlay_(window, icon.get(), description_);
}

}  // namespace morvane::toolkit
