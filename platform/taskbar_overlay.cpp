#include "platform/taskbar_overlay.h"

#include <shobjidl.h>

#include "platform/com.h"
#include "platform/system_library.h"

namespace morvane::platform {

namespace {

// Made on first use, not at start: most runs never show a badge, and the
// interface brings COM and the shell's libraries with it. Kept for the
// program's life once made; a failure is tried again at the next badge.
ITaskbarList3* Taskbar() {
  static com_ptr<ITaskbarList3> taskbar;
  if (!taskbar) {
    // Not CLSID_TaskbarList from the uuid library: MinGW-w64 keeps it in one
    // object with two thousand other identifiers, which would all come along.
    taskbar = CreateInProcess<ITaskbarList3>(__uuidof(TaskbarList), __uuidof(ITaskbarList3));
    if (taskbar && FAILED(taskbar->HrInit())) {
      taskbar.reset();
    }
  }
  return taskbar.get();
}

void PutOverlay(HWND window, HICON icon, const wchar_t* description) {
  if (ITaskbarList3* taskbar = Taskbar()) {
    taskbar->SetOverlayIcon(window, icon, description);
  }
}

// Looked up by name: Windows 7 brought it.
void LetThrough(HWND window, UINT message) {
  static const auto allow = FunctionIn<decltype(&::ChangeWindowMessageFilterEx)>(
      ::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
  if (allow != nullptr) {
    allow(window, message, MSGFLT_ALLOW, nullptr);
  }
}

}  // namespace

TaskbarOverlay SystemTaskbarOverlay() { return TaskbarOverlay{&PutOverlay, &LetThrough}; }

}  // namespace morvane::platform
