#include "ui/toolkit/taskbar_badge.h"

#include "platform/dpi.h"
#include "platform/system_library.h"
#include "ui/artwork/icon_data.h"

namespace morvane::toolkit {

UINT TaskbarBadge::ButtonCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
  return message;
}

// Looked up by name: Windows 7 brought it.
void TaskbarBadge::HearButtonCreated() const {
  static const auto allow = platform::FunctionIn<decltype(&::ChangeWindowMessageFilterEx)>(
      ::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
  if (allow != nullptr) {
    allow(window_, ButtonCreatedMessage(), MSGFLT_ALLOW, nullptr);
  }
}

void TaskbarBadge::Show(const wchar_t* icon, const wchar_t* description) {
  if (icon_ == icon) {
    return;
  }
  icon_ = icon;
  description_ = description;
  Put();
}

void TaskbarBadge::Hide() {
  if (icon_ == nullptr) {
    return;
  }
  icon_ = nullptr;
  if (announced_) {
    overlay_(window_, nullptr, nullptr);
  }
}

void TaskbarBadge::ButtonCreated() {
  announced_ = true;
  Put();
}

void TaskbarBadge::ScaleTo(int dpi) {
  dpi_ = dpi;
  Put();
}

// The taskbar draws a small icon over the button, and keeps its own copy.
void TaskbarBadge::Put() const {
  if (icon_ == nullptr || !announced_) {
    return;
  }
  const platform::unique_hicon icon =
      artwork::IconFromData(instance_, icon_, platform::SystemMetricAt(SM_CXSMICON, dpi_));
  overlay_(window_, icon.get(), description_);
}

}  // namespace morvane::toolkit
