// The name a screen reader speaks for a control. Windows names a box after
// the static text window just before it and a button after its caption; here
// the column captions are painted, not windows, and a Start/Stop caption is
// its row's state, not a name. So the control answers the accessibility
// interface's WM_GETOBJECT with its own standard accessible object, wrapped
// so that only the name is replaced. This adds no window and no tab stop.
//
// The name is computed when a client asks, from whatever state it is made of,
// and Refresh() tells clients when that state has changed it. The control
// hands its WM_GETOBJECT here, and says when its window is gone.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace morvane::toolkit {

class AccessibleName {
 public:
  using Source = std::function<std::string()>;  // UTF-8

  // Names `control` for the life of this object or of the window, whichever
  // ends first. Until a source is set, the control keeps its standard name.
  explicit AccessibleName(HWND control);
  AccessibleName(const AccessibleName&) = delete;
  AccessibleName& operator=(const AccessibleName&) = delete;
  ~AccessibleName();

  void SetSource(Source source);
  // Announces the name again if the state it is made of has changed it.
  void Refresh();

  // The answer to the control's WM_GETOBJECT; nullopt leaves the request to
  // the control.
  std::optional<LRESULT> OnGetObject(WPARAM flags, LPARAM object_id) const;
  // The control's window is being destroyed.
  void Detach();

 private:
  HWND control_;
  // Shared with every object handed to a client, which may keep it after the
  // control is gone: from then on it is empty, and those objects answer with
  // the standard name.
  std::shared_ptr<Source> source_;
  std::string announced_;
};

}  // namespace morvane::toolkit
