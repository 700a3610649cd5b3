// A text box: a single-line Win32 edit control with its own text colour and a
// click that is reported even while the box is locked.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

class EditBox final : public TextBox {
 public:
  EditBox(HWND parent, const ControlSpec& spec, int id, HFONT font);
  EditBox(const EditBox&) = delete;
  EditBox& operator=(const EditBox&) = delete;
  ~EditBox();

  std::string Text() const override;
  void SetText(std::string_view text) override;
  bool Locked() const override;
  void SetLocked(bool locked) override;
  Colour TextColour() const override { return fore_; }
  void SetTextColour(Colour colour) override;
  void Focus() override;

  HWND hwnd() const { return hwnd_; }
  Colour BackColour() const { return back_; }
  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void TrackClick(UINT message, LPARAM lparam);

  HWND hwnd_;
  Colour back_;
  Colour fore_;
  bool pressed_ = false;
  std::function<void()> on_click_;
};

}  // namespace morvane::toolkit
