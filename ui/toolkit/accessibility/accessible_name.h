// The name a screen reader speaks for a control. Windows names a box after
// the static text window just before it and a button after its caption; here
// the column captions are painted, not windows, and a Start/Stop caption is
// its row's state, not a name. This adds no window and no tab stop.
//
// Windows' own accessible objects keep serving the control, and only their
// name comes from here, the way Windows documents for both kinds of client:
// an annotation of the name, MSAA's and UI Automation's, which Windows'
// objects for screen readers (MSAA) and its UI Automation objects for the
// edit box and the button (Narrator, Voice Access) consult. A control that answered WM_GETOBJECT with an object
// of its own would reach UI Automation only converted from MSAA, without the
// edit box's text and value support. The annotation is made when the control
// first hears from a client, so nothing of it loads at start. Where the
// annotation service refuses (Wine has a stub), the control answers its
// WM_GETOBJECT with its standard object wrapped so that only the name is
// replaced, which serves MSAA clients.
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

#include "platform/com.h"

struct IAccPropServices;

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
  std::optional<LRESULT> OnGetObject(WPARAM flags, LPARAM object_id);
  // The control's window is being destroyed.
  void Detach();

 private:
  void Annotate();

  HWND control_;
  // Shared with every object handed to a client, which may keep it after the
  // control is gone: from then on it is empty, and those objects answer with
  // the standard name.
  std::shared_ptr<Source> source_;
  std::string announced_;
  // The service holding the name annotation, from the first request until
  // the window goes; kept to clear it then.
  platform::com_ptr<IAccPropServices> annotations_;
  bool annotation_refused_ = false;
};

}  // namespace morvane::toolkit
