// Keys that reach a window from whichever program has the keyboard: while a
// key is registered for the window, the system hands each press of it to the
// window, and to no other program.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace morvane::toolkit {

struct GlobalKey {
  UINT modifiers;  // MOD_CONTROL, MOD_SHIFT, ...
  UINT virtual_key;
};

class GlobalKeys {
 public:
  explicit GlobalKeys(HWND window) : window_(window) {}
  GlobalKeys(const GlobalKeys&) = delete;
  GlobalKeys& operator=(const GlobalKeys&) = delete;

  // Registers `keys` for `pressed`, which hears the place of the key pressed
  // in `keys`, once per press however long it is held. Returns the places of
  // the keys refused: another program holds them.
  std::vector<std::size_t> Register(std::span<const GlobalKey> keys,
                                    std::function<void(std::size_t)> pressed);
  // Lets every key go; the window's end does too.
  void Release();
  // Runs the handler of a WM_HOTKEY.
  void Pressed(WPARAM id) const;

 private:
  HWND window_;
  std::vector<int> registered_;  // the ids of the keys held, one more than their places
  std::function<void(std::size_t)> pressed_;
};

}  // namespace morvane::toolkit
