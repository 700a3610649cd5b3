// A standard Win32 push button whose caption can be read and written, with a
// name for screen readers.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <utility>

#include "base/control_interfaces.h"
#include "ui/toolkit/accessibility/accessible_name.h"
#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/controls/control_hook.h"

namespace morvane::toolkit {

class ButtonControl final : public PushButton {
 public:
  ButtonControl(HWND parent, const ControlDesign& design, int id, int dpi, HFONT font);
  ButtonControl(const ButtonControl&) = delete;
  ButtonControl& operator=(const ButtonControl&) = delete;

  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;

  HWND hwnd() const { return hwnd_; }
  // The name may depend on the caption: it is announced again when a new
  // caption changes it.
  void SetAccessibleName(AccessibleName::Source name) { name_.SetSource(std::move(name)); }
  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  // The form forwards the button's BN_CLICKED here.
  void Clicked() const {
    if (on_click_) {
      on_click_();
    }
  }

 private:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_;
  AccessibleName name_;
  std::function<void()> on_click_;
  ControlHook hook_;  // last: it hands messages to everything above
};

}  // namespace morvane::toolkit
