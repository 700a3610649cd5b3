#include "ui/toolkit/controls/message_box.h"

#include <string>

#include "platform/text_encoding.h"

namespace morvane::toolkit {

void ShowMessageBox(HWND owner, std::string_view text, std::wstring_view title) {
  ::MessageBoxW(owner, platform::Widen(text).c_str(), std::wstring(title).c_str(), MB_OK);
}

}  // namespace morvane::toolkit
