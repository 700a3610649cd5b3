// Commands a form adds to its window's system menu, the menu Alt+Space opens:
// a keyboard route to what otherwise only a picture click reaches, without a
// new tab stop, and options that a check mark shows on or off.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace morvane::toolkit {

class SystemMenuCommands {
 public:
  explicit SystemMenuCommands(HWND window) : window_(window) {}

  // Appends `text` (with its & mnemonic) below the system's own items.
  void Add(const std::wstring& text, std::function<void()> handler);
  // The same for an option with a check mark, off at first. Choosing it
  // turns the mark over and then runs the handler. Returns the item's number
  // for Checked.
  std::size_t AddCheckItem(const std::wstring& text, std::function<void()> handler);
  bool Checked(std::size_t item) const { return items_[item].checked; }
  // Sets the mark without running the handler: for an option that a handler
  // could not turn on after all.
  void SetChecked(std::size_t item, bool checked);
  // Runs the handler of a WM_SYSCOMMAND that is one of ours; false otherwise.
  bool Run(WPARAM command);

 private:
  struct Item {
    std::function<void()> handler;
    bool checkable;
    bool checked;
  };
  std::size_t Append(const std::wstring& text, Item item);

  HWND window_;
  HMENU menu_ = nullptr;
  std::vector<Item> items_;
};

}  // namespace morvane::toolkit
