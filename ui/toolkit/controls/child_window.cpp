#include "ui/toolkit/controls/child_window.h"

#include "platform/text_encoding.h"
#include "ui/toolkit/controls/pixel_bounds.h"

namespace morvane::toolkit {

HWND CreateChild(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style,
                 const ControlDesign& design, int id, int dpi, HFONT font) {
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  const RECT bounds = BoundsOf(design, dpi);
  HWND child = ::CreateWindowExW(ex_style, window_class, design.text.c_str(),
                                 WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                                 bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void PlaceChild(HWND child, const ControlDesign& design, int dpi, HFONT font) {
  const RECT bounds = BoundsOf(design, dpi);
  ::SetWindowPos(child, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string ReadText(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  return platform::Narrow(text);
}

void WriteText(HWND hwnd, std::string_view utf8) {
  ::SetWindowTextW(hwnd, platform::Widen(utf8).c_str());
}

}  // namespace morvane::toolkit
