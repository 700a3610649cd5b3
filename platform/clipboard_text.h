// The text on the clipboard, as a paste would take it.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::platform {

// The clipboard's Unicode text, read on behalf of `owner`; empty when the
// clipboard holds no text or cannot be opened.
std::wstring ClipboardText(HWND owner);

}  // namespace morvane::platform
