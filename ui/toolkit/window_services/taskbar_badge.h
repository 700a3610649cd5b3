// A badge over a window's taskbar button: an icon made for the window's dpi,
// with a description for screen readers. The taskbar takes one only once it
// has announced the button, and announces it again after Explorer restarts,
// having forgotten the badge: the badge is put back at each announcement,
// the icon made for the size kept rather than made again.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/gdi.h"
#include "platform/taskbar_overlay.h"

namespace morvane::toolkit {

class TaskbarBadge {
 public:
  // The badge of `window`, laid out at `dpi`.
  TaskbarBadge(HWND window, HINSTANCE instance, int dpi, platform::TaskbarOverlay overlay)
      : window_(window), instance_(instance), dpi_(dpi), overlay_(std::move(overlay)) {}

  // The message the taskbar announces a window's button with.
  static UINT ButtonCreatedMessage();
  // Lets that message through to the window whatever rights the program
  // runs with.
  void HearButtonCreated() const;

  // Shows the icon file `icon`, linked as data (see icon_data.h), at the size
  // of a small icon; showing what shows already asks nothing of the taskbar.
  void Show(const wchar_t* icon, const wchar_t* description);
  void Hide();
  void ButtonCreated();
  // The window is laid out at `dpi` from now on.
  void ScaleTo(int dpi);

 private:
  void Put();

  HWND window_;
  HINSTANCE instance_;
  int dpi_;
  platform::TaskbarOverlay overlay_;
  bool announced_ = false;
  const wchar_t* icon_ = nullptr;  // while a badge shows
  const wchar_t* description_ = nullptr;
  platform::unique_hicon made_;  // the last icon made, of this file at this size:
  const wchar_t* made_of_ = nullptr;
  int made_size_ = 0;
};

}  // namespace morvane::toolkit
