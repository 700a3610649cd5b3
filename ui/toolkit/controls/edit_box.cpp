#include "ui/toolkit/controls/edit_box.h"

#include <optional>
#include <utility>

#include "platform/clipboard_text.h"
#include "platform/gdi.h"
#include "ui/toolkit/controls/child_window.h"
#include "ui/toolkit/controls/reflected_message.h"
#include "ui/toolkit/controls/whole_characters.h"

namespace morvane::toolkit {

namespace {

// Boxes without a designed colour follow the system's window colours.
Colour OrSystem(const std::optional<Colour>& colour, int system_colour) {
  return colour ? *colour : platform::FromColorRef(::GetSysColor(system_colour));
}

}  // namespace

EditBox::EditBox(HWND parent, const ControlDesign& design, int id, int dpi, HFONT font,
                 BrushCache& brushes, const ContrastMode& contrast)
    : hwnd_(CreateChild(parent, L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                        design, id, dpi, font)),
      brushes_(brushes),
      contrast_(contrast),
      back_(OrSystem(design.back, COLOR_WINDOW)),
      designed_fore_(OrSystem(design.fore, COLOR_WINDOWTEXT)),
      fore_(designed_fore_),
      name_(hwnd_),
      hook_(hwnd_, [this](UINT message, WPARAM wparam, LPARAM lparam) {
        return OnMessage(message, wparam, lparam);
      }) {
  if (design.input_limit > 0) {
    ::SendMessageW(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(design.input_limit), 0);
  }
}

std::string EditBox::Text() const { return ReadText(hwnd_); }

void EditBox::SetText(std::string_view text) { WriteText(hwnd_, text); }

bool EditBox::Locked() const { return (::GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }

// Locked means read-only, not disabled: a disabled edit greys its text and
// ignores the colour it is given, and it would no longer report clicks.
void EditBox::SetLocked(bool locked) {
  ::SendMessageW(hwnd_, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void EditBox::SetTextColour(Colour colour) {
  if (colour == fore_) {
    return;
  }
  fore_ = colour;
  ::InvalidateRect(hwnd_, nullptr, TRUE);
  name_.Refresh();
}

void EditBox::Focus() { ::SetFocus(hwnd_); }

// Editable boxes ask with WM_CTLCOLOREDIT, read-only ones with
// WM_CTLCOLORSTATIC; a locked box keeps its colours either way. The system's
// brushes are its own and never deleted.
LRESULT EditBox::OnControlColour(HDC dc) const {
  if (contrast_.On()) {
    const SystemColourPair colours = HighContrastBoxColours(fore_ != designed_fore_);
    ::SetTextColor(dc, ::GetSysColor(colours.text));
    ::SetBkColor(dc, ::GetSysColor(colours.back));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(colours.back));
  }
  ::SetTextColor(dc, platform::ToColorRef(fore_));
  ::SetBkColor(dc, platform::ToColorRef(back_));
  return reinterpret_cast<LRESULT>(brushes_.For(back_));
}

// How many units the box still takes in place of its selection.
std::size_t EditBox::Room() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  const auto kept = static_cast<std::size_t>(::GetWindowTextLengthW(hwnd_)) - (end - start);
  const auto limit = static_cast<std::size_t>(::SendMessageW(hwnd_, EM_GETLIMITTEXT, 0, 0));
  return limit > kept ? limit - kept : 0;
}

// A one-line box takes a paste up to its first line break, '\r' or '\n'
// (Wine's edit control stops at '\n' alone), and as much of it as its limit
// leaves room for, which the edit control cuts wherever it falls, even
// between the two halves of a surrogate pair. A paste that is cut is cut
// here instead, to the whole characters of its first line that fit, and
// pasted as one undoable replacement; the rest are the control's.
std::optional<LRESULT> EditBox::OnPaste() const {
  if (Locked()) {
    return std::nullopt;
  }
  const std::wstring pasted = platform::ClipboardText(hwnd_);
  const std::wstring first_line = pasted.substr(0, pasted.find_first_of(L"\r\n"));
  const std::wstring whole(WholeCharactersWithin(first_line, Room()));
  if (whole.size() == pasted.size()) {
    return std::nullopt;
  }
  ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(whole.c_str()));
  return 0;
}

// A character outside the basic plane is typed as two WM_CHARs, one for each
// half of its pair. With room for one unit only, the control would take the
// first half and refuse the second; both are refused instead.
bool EditBox::RefusesHalfACharacter(wchar_t unit) {
  if (IsFirstHalf(unit)) {
    refusing_second_half_ = Room() < 2;
    return refusing_second_half_;
  }
  if (IsSecondHalf(unit)) {
    return std::exchange(refusing_second_half_, false);
  }
  refusing_second_half_ = false;
  return false;
}

// A click is a press and a release of the left button inside the box.
void EditBox::TrackClick(UINT message, LPARAM lparam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    pressed_ = true;
    return;
  }
  const bool was_pressed = std::exchange(pressed_, false);
  RECT client;
  ::GetClientRect(hwnd_, &client);
  const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  if (was_pressed && ::PtInRect(&client, at)) {
    Clicked();
  }
}

std::optional<LRESULT> EditBox::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TrackClick(message, lparam);
      return std::nullopt;
    case WM_LBUTTONUP: {
      // The edit control ends its selection and releases the mouse first.
      const LRESULT result = hook_.CallControl(message, wparam, lparam);
      TrackClick(message, lparam);
      return result;
    }
    case WM_PASTE:
      return OnPaste();
    case WM_CHAR:
      if (RefusesHalfACharacter(static_cast<wchar_t>(wparam))) {
        return 0;
      }
      return std::nullopt;
    case Reflected(WM_CTLCOLOREDIT):
    case Reflected(WM_CTLCOLORSTATIC):
      return OnControlColour(reinterpret_cast<HDC>(wparam));
    case WM_GETOBJECT:
      return name_.OnGetObject(wparam, lparam);
    case WM_NCDESTROY:
      name_.Detach();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace morvane::toolkit
