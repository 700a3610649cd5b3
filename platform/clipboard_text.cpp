#include "platform/clipboard_text.h"

#include <string_view>

namespace morvane::platform {

namespace {

// The clipboard is one per session: whoever opens it must close it again.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : opened_(::OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (opened_) {
      ::CloseClipboard();
    }
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool opened() const { return opened_; }

 private:
  bool opened_;
};

// A global memory block's contents, locked in place for the life of the scope.
class LockedGlobal {
 public:
  explicit LockedGlobal(HANDLE memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  ~LockedGlobal() {
    if (data_ != nullptr) {
      ::GlobalUnlock(memory_);
    }
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;

  const void* data() const { return data_; }
  SIZE_T size() const { return ::GlobalSize(memory_); }

 private:
  HANDLE memory_;
  void* data_;
};

}  // namespace

std::wstring ClipboardText(HWND owner) {
  const OpenedClipboard clipboard(owner);
  HANDLE memory = clipboard.opened() ? ::GetClipboardData(CF_UNICODETEXT) : nullptr;
  if (memory == nullptr) {
    return {};
  }
  const LockedGlobal locked(memory);
  if (locked.data() == nullptr) {
    return {};
  }
  // The text ends at its terminator, or at the block's end if another
  // program left it without one.
  const std::wstring_view block(static_cast<const wchar_t*>(locked.data()),
                                locked.size() / sizeof(wchar_t));
  return std::wstring(block.substr(0, block.find(L'\0')));
}

}  // namespace morvane::platform
