#include "ui/toolkit/window_services/window_hot_keys.h"

#include <algorithm>
#include <utility>

namespace morvane::toolkit {

std::vector<std::size_t> WindowHotKeys::Register(std::span<const HotKey> keys,
                                                 std::function<void(std::size_t)> pressed) {
  Release();
  pressed_ = std::move(pressed);
  std::vector<std::size_t> refused;
  for (std::size_t place = 0; place < keys.size(); ++place) {
    // The ids a program chooses lie below 0xC000; 0 is none.
    const int id = static_cast<int>(place) + 1;
    // A key held down repeats: without MOD_NOREPEAT each repeat would be a
    // press of its own. (Wine 8 and 10 accept the flag but post every repeat
    // all the same.)
    if (::RegisterHotKey(window_, id, keys[place].modifiers | MOD_NOREPEAT,
                         keys[place].virtual_key)) {
      registered_.push_back(id);
    } else {
      refused.push_back(place);
    }
  }
  return refused;
}

void WindowHotKeys::Release() {
  for (const int id : registered_) {
    ::UnregisterHotKey(window_, id);
  }
  registered_.clear();
}

void WindowHotKeys::Pressed(WPARAM id) const {
  if (std::find(registered_.begin(), registered_.end(), static_cast<int>(id)) !=
      registered_.end()) {
    pressed_(static_cast<std::size_t>(id) - 1);
  }
}

}  // namespace morvane::toolkit
