#include "ui/toolkit/system_menu.h"

namespace morvane::toolkit {

namespace {

// The system keeps the low four bits of a system command for itself, and its
// own commands start at 0xF000: ours are 0x10, 0x20, and so on.
constexpr UINT kCommandStep = 0x10;

UINT CommandOf(size_t index) { return static_cast<UINT>(index + 1) * kCommandStep; }

}  // namespace

void SystemMenuCommands::Add(HWND window, const std::wstring& text, std::function<void()> handler) {
  HMENU menu = ::GetSystemMenu(window, FALSE);
  if (handlers_.empty()) {
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
  handlers_.push_back(std::move(handler));
  ::AppendMenuW(menu, MF_STRING, CommandOf(handlers_.size() - 1), text.c_str());
}

bool SystemMenuCommands::Run(WPARAM command) const {
  const UINT id = static_cast<UINT>(command) & 0xFFF0;
  for (size_t index = 0; index < handlers_.size(); ++index) {
    if (id == CommandOf(index)) {
      handlers_[index]();
      return true;
    }
  }
  return false;
}

}  // namespace morvane::toolkit
