#include "ui/toolkit/window_services/taskbar_badge.h"

#include "platform/dpi.h"
#include "ui/artwork/icon_data.h"

namespace morvane::toolkit {

UINT TaskbarBadge::ButtonCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
  return message;
}

void TaskbarBadge::HearButtonCreated() const {
  overlay_.let_through(window_, ButtonCreatedMessage());
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
    overlay_.put(window_, nullptr, nullptr);
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
void TaskbarBadge::Put() {
  if (icon_ == nullptr || !announced_) {
    return;
  }
  const int size = platform::SystemMetricAt(SM_CXSMICON, dpi_);
  if (made_of_ != icon_ || made_size_ != size) {
    made_ = artwork::IconFromData(instance_, icon_, size);
    made_of_ = icon_;
    made_size_ = size;
  }
  overlay_.put(window_, made_.get(), description_);
}

}  // namespace morvane::toolkit
