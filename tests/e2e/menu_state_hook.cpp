#include "tests/e2e/menu_state_hook.h"

namespace {

// The letter after the item's "&", in capitals; 0 for none.
wchar_t AccessKey(const wchar_t* text) {
  for (const wchar_t* at = text; *at != L'\0'; ++at) {
    if (at[0] == L'&' && at[1] != L'\0') {
      if (at[1] != L'&') {
        wchar_t key = at[1];
        CharUpperBuffW(&key, 1);
        return key;
      }
      ++at;  // "&&" is a plain ampersand
    }
  }
  return 0;
}

LRESULT StateOfItem(HMENU menu, wchar_t letter) {
  CharUpperBuffW(&letter, 1);
  for (int index = 0; index < GetMenuItemCount(menu); ++index) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(index), text, 128, MF_BYPOSITION);
    if (AccessKey(text) == letter) {
      return static_cast<LRESULT>(GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION));
    }
  }
  return -1;
}

}  // namespace

extern "C" LRESULT CALLBACK AnswerMenuState(int code, WPARAM wparam, LPARAM lparam) {
  static const UINT question = RegisterWindowMessageW(kMenuStateQuestion);
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && call->message == question && InSendMessage()) {
    ReplyMessage(StateOfItem(GetSystemMenu(call->hwnd, FALSE), static_cast<wchar_t>(call->wParam)));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}
