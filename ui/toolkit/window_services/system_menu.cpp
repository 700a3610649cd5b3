#include "ui/toolkit/window_services/system_menu.h"

#include <utility>

namespace morvane::toolkit {

namespace {

// The system keeps the low four bits of a system command for itself, and its
// own commands start at 0xF000: ours are 0x10, 0x20, and so on.
constexpr UINT kCommandStep = 0x10;

UINT CommandOf(std::size_t index) { return static_cast<UINT>(index + 1) * kCommandStep; }

}  // namespace

wchar_t Capital(wchar_t letter) {
  ::CharUpperBuffW(&letter, 1);
  return letter;
}

AccessLetters AccessLettersOf(HMENU menu) {
  std::wstring letters;
  for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
    const auto position = static_cast<UINT>(index);
    std::wstring text(
        static_cast<std::size_t>(::GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION)),
        L'\0');
    ::GetMenuStringW(menu, position, text.data(), static_cast<int>(text.size() + 1), MF_BYPOSITION);
    if (const wchar_t letter = MarkedLetter(text); letter != 0) {
      letters.push_back(letter);
    }
  }
  return AccessLetters(letters, &Capital);
}

void SystemMenuCommands::Add(const MenuItemDesign& design, std::function<void()> handler) {
  Append(design, Item{std::move(handler), false, false});
}

std::size_t SystemMenuCommands::AddCheckItem(const MenuItemDesign& design,
                                             std::function<void()> handler) {
  return Append(design, Item{std::move(handler), true, false});
}

std::size_t SystemMenuCommands::Append(const MenuItemDesign& design, Item item) {
  if (items_.empty()) {
    menu_ = ::GetSystemMenu(window_, FALSE);
    letters_.emplace(AccessLettersOf(menu_));
    ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
  }
  items_.push_back(std::move(item));
  ::AppendMenuW(menu_, MF_STRING, CommandOf(items_.size() - 1),
                letters_->Mark(design.text, design.candidates).c_str());
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
