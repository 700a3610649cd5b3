#include "ui/toolkit/window_services/system_menu.h"

#include <utility>

namespace morvane::toolkit {

namespace {

// The system keeps the low four bits of a system command for itself, and its
// own commands start at 0xF000: ours are 0x10, 0x20, and so on.
constexpr UINT kCommandStep = 0x10;

UINT CommandOf(std::size_t index) { return static_cast<UINT>(index + 1) * kCommandStep; }

}  // namespace

void SystemMenuCommands::Add(const std::wstring& text, std::function<void()> handler) {
  Append(text, Item{std::move(handler), false, false});
}

std::size_t SystemMenuCommands::AddCheckItem(const std::wstring& text,
                                             std::function<void()> handler) {
  return Append(text, Item{std::move(handler), true, false});
}

std::size_t SystemMenuCommands::Append(const std::wstring& text, Item item) {
  if (items_.empty()) {
    menu_ = ::GetSystemMenu(window_, FALSE);
    ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
  }
  items_.push_back(std::move(item));
  ::AppendMenuW(menu_, MF_STRING, CommandOf(items_.size() - 1), text.c_str());
  return items_.size() - 1;
}

bool SystemMenuCommands::Run(WPARAM command) {
  const UINT id = static_cast<UINT>(command) & 0xFFF0;
  for (std::size_t index = 0; index < items_.size(); ++index) {
    if (id != CommandOf(index)) {
      continue;
    }
    if (items_[index].checkable) {
      SetChecked(index, !items_[index].checked);
    }
    items_[index].handler();
    return true;
  }
  return false;
}

void SystemMenuCommands::SetChecked(std::size_t item, bool checked) {
  items_[item].checked = checked;
  ::CheckMenuItem(menu_, CommandOf(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace morvane::toolkit
