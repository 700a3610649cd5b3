// A standard Win32 push button whose caption can be read and written.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "countdown/row_controls.h"
#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

class ButtonControl final : public PushButton {
 public:
  ButtonControl(HWND parent, const ControlSpec& spec, int id, HFONT font);
  ButtonControl(const ButtonControl&) = delete;
  ButtonControl& operator=(const ButtonControl&) = delete;

  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;

  HWND hwnd() const { return hwnd_; }
  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  // The form forwards the button's BN_CLICKED here.
  void Clicked() const {
    if (on_click_) {
      on_click_();
    }
  }

 private:
  HWND hwnd_;
  std::function<void()> on_click_;
};

}  // namespace morvane::toolkit
