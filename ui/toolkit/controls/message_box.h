#pragma once

#include <windows.h>

#include <string_view>

namespace morvane::toolkit {

// A modal message box with an OK button and no icon. Its own message loop
// keeps dispatching, so the owner's timers go on ticking while it is open.
void ShowMessageBox(HWND owner, std::string_view text, std::wstring_view title);

}  // namespace morvane::toolkit
