// Commands a form adds to its window's system menu, the menu Alt+Space opens:
// a keyboard route to what otherwise only a picture click reaches, without a
// new tab stop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morvane::toolkit {

class SystemMenuCommands {
 public:
  // Appends `text` (with its & mnemonic) below the system's own items.
  void Add(HWND window, const std::wstring& text, std::function<void()> handler);
  // Runs the handler of a WM_SYSCOMMAND that is one of ours; false otherwise.
  bool Run(WPARAM command) const;

 private:
  std::vector<std::function<void()>> handlers_;
};

}  // namespace morvane::toolkit
