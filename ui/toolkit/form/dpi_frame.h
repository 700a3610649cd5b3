// A form's fixed frame around its designed client area, at the dpi of the
// monitor its window is on: where a new window goes and how large it is,
// the answers to Windows' questions when the window moves to a monitor of
// another dpi, and the window laid out again there.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/toolkit/form/form_design.h"

namespace morvane::toolkit {

class DpiFrame {
 public:
  // `lay_out` makes everything the window shows again for a new dpi; the
  // window's own size is the frame's business.
  DpiFrame(const FormDesign& design, std::function<void(int dpi)> lay_out);

  // The window styles of the frame: no sizing border and no minimise or
  // maximise button.
  DWORD style() const { return style_; }
  DWORD ex_style() const { return ex_style_; }

  // A new window's place and outer size, on the primary screen at `dpi`, the
  // system's; the place is CW_USEDEFAULT where the system chooses it.
  struct FirstPlace {
    POINT at;
    SIZE size;
  };
  FirstPlace FirstPlaceAt(int dpi) const;

  // The window, created at `dpi`, is laid out again and sized for the
  // monitor it landed on, should that be of another dpi.
  void FitMonitor(HWND window, int dpi) const;

  // Answers WM_GETDPISCALEDSIZE and WM_DPICHANGED, the two messages a move
  // to a monitor of another dpi brings.
  LRESULT OnDpiMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) const;

 private:
  SIZE OuterSizeAt(int dpi) const;
  SIZE ClientSizeAt(int dpi) const;
  void Place(HWND window, const RECT& outer, int dpi) const;

  DWORD style_;
  DWORD ex_style_;
  int client_width_;  // twips
  int client_height_;
  FirstPlacement placement_;
  std::function<void(int dpi)> lay_out_;
};

}  // namespace morvane::toolkit
