// A badge over a window's taskbar button: an icon made for the window's dpi,
// with a description for screen readers. The taskbar takes one only once it
// has announced the button, and announces it again after Explorer restarts,
// having forgotten the badge: the badge is put back at each announcement.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/taskbar_overlay.h"

namespace morvane::toolkit {

class TaskbarBadge {
 public:
  TaskbarBadge(HINSTANCE instance, platform::TaskbarOverlay overlay)
      : instance_(instance), overlay_(std::move(overlay)) {}

  // The message the taskbar announces a window's button with.
  static UINT ButtonCreatedMessage();

  // Shows the icon file `icon`, linked as data (see icon_data.h), at the size
  // of a small icon; showing what shows already asks nothing of the taskbar.
  void Show(HWND window, const wchar_t* icon, const wchar_t* description, int dpi);
  void Hide(HWND window);
  void ButtonCreated(HWND window, int dpi);
  void ScaleTo(HWND window, int dpi);

 private:
  void Put(HWND window, int dpi) const;

  HINSTANCE instance_;
  platform::TaskbarOverlay overlay_;
  bool announced_ = false;
  const wchar_t* icon_ = nullptr;  // while a badge shows
  const wchar_t* description_ = nullptr;
};

}  // namespace morvane::toolkit
