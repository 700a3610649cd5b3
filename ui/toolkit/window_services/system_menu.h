// Commands a form adds to its window's system menu, the menu Alt+Space opens:
// a keyboard route to what otherwise only a picture click reaches, without a
// new tab stop, and options that a check mark shows on or off. Their access
// letters are chosen when the menu is made, against the letters of the
// system's own items, which come in the language of Windows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/window_services/access_letters.h"

namespace morvane::toolkit {

// An item as a form designs it: its text, and the letters of its words it
// may take as its access letter, in the order it prefers them.
struct MenuItemDesign {
  std::wstring_view text;
  std::wstring_view candidates;
};

class SystemMenuCommands {
 public:
  explicit SystemMenuCommands(HWND window) : window_(window) {}

  // Appends the item below the system's own items, with the first of its
  // candidates that no item above holds as its access letter; see
  // AccessLetters::Mark.
  void Add(const MenuItemDesign& design, std::function<void()> handler);
  // The same for an option with a check mark, off at first. Choosing it
  // turns the mark over and then runs the handler. Returns the item's number
  // for Checked.
  std::size_t AddCheckItem(const MenuItemDesign& design, std::function<void()> handler);
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
  std::size_t Append(const MenuItemDesign& design, Item item);

  HWND window_;
  HMENU menu_ = nullptr;
  std::optional<AccessLetters> letters_;
  std::vector<Item> items_;
};

// A letter as Windows compares a key with a menu item's letter.
wchar_t Capital(wchar_t letter);

// The access letters `menu`'s items hold, greyed ones too, compared as
// Windows compares a key with them.
AccessLetters AccessLettersOf(HMENU menu);

}  // namespace morvane::toolkit
