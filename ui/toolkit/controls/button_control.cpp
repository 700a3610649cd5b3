#include "ui/toolkit/controls/button_control.h"

#include "ui/toolkit/controls/child_window.h"

namespace morvane::toolkit {

ButtonControl::ButtonControl(HWND parent, const ControlDesign& design, int id, int dpi, HFONT font)
    : hwnd_(CreateChild(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, design, id, dpi, font)),
      name_(hwnd_),
      hook_(hwnd_, [this](UINT message, WPARAM wparam, LPARAM lparam) {
        return OnMessage(message, wparam, lparam);
      }) {}

std::string ButtonControl::Caption() const { return ReadText(hwnd_); }

void ButtonControl::SetCaption(std::string_view caption) {
  WriteText(hwnd_, caption);
  name_.Refresh();
}

std::optional<LRESULT> ButtonControl::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_GETOBJECT) {
    return name_.OnGetObject(wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    name_.Detach();
  }
  return std::nullopt;
}

}  // namespace morvane::toolkit
