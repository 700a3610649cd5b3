// A text box: a single-line Win32 edit control with its own text and back
// colours, which it answers its form's colour messages with, a click that
// is reported even while the box is locked, and a name for screen readers.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/control_interfaces.h"
#include "ui/toolkit/accessibility/accessible_name.h"
#include "ui/toolkit/accessibility/contrast_mode.h"
#include "ui/toolkit/controls/brush_cache.h"
#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/controls/control_hook.h"

namespace morvane::toolkit {

class EditBox final : public TextBox {
 public:
  // The brushes and the contrast mode are the form's, shared by its boxes and
  // kept as long as they are.
  EditBox(HWND parent, const ControlDesign& design, int id, int dpi, HFONT font,
          BrushCache& brushes, const ContrastMode& contrast);
  EditBox(const EditBox&) = delete;
  EditBox& operator=(const EditBox&) = delete;

  std::string Text() const override;
  void SetText(std::string_view text) override;
  bool Locked() const override;
  void SetLocked(bool locked) override;
  Colour TextColour() const override { return fore_; }
  void SetTextColour(Colour colour) override;
  void Focus() override;

  HWND hwnd() const { return hwnd_; }
  void SetClickHandler(std::function<void()> handler) { on_click_ = std::move(handler); }
  // What a click does; the form also does it for Enter in the box.
  void Clicked() const {
    if (on_click_) {
      on_click_();
    }
  }
  // The name may depend on the box's text colour: it is announced again when
  // that colour changes it.
  void SetAccessibleName(AccessibleName::Source name) { name_.SetSource(std::move(name)); }

 private:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void TrackClick(UINT message, LPARAM lparam);
  LRESULT OnControlColour(HDC dc) const;
  std::optional<LRESULT> OnPaste() const;
  bool RefusesHalfACharacter(wchar_t unit);
  std::size_t Room() const;

  HWND hwnd_;
  BrushCache& brushes_;
  const ContrastMode& contrast_;
  Colour back_;
  Colour designed_fore_;
  Colour fore_;
  AccessibleName name_;
  bool pressed_ = false;
  bool refusing_second_half_ = false;
  std::function<void()> on_click_;
  ControlHook hook_;  // last: it hands messages to everything above
};

}  // namespace morvane::toolkit
