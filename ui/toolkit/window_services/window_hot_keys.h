// A window's hot keys: keys that reach it from whichever program has the
// keyboard. While a key is registered for the window, the system hands each
// press of it to the window, and to no other program.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace morvane::toolkit {

struct HotKey {
  UINT modifiers;  // MOD_CONTROL, MOD_SHIFT, ...
  UINT virtual_key;
};

class WindowHotKeys {
 public:
  explicit WindowHotKeys(HWND window) : window_(window) {}
  WindowHotKeys(const WindowHotKeys&) = delete;
  WindowHotKeys& operator=(const WindowHotKeys&) = delete;

  // Registers `keys` for `pressed`, which hears the place of the key pressed
  // in `keys`, once per press however long it is held. Returns the places of
  // the keys refused: another program holds them.
  std::vector<std::size_t> Register(std::span<const HotKey> keys,
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
