// A form's window settings, as designed: its client area in twips, its frame,
// where it first appears and what it shows behind its controls.
#pragma once

#include <string>

#include "base/colour.h"

namespace morvane::toolkit {

enum class FrameStyle {
  FixedSingle,  // thin fixed frame
  FixedDialog,  // dialog frame
};

enum class FirstPlacement {
  ChosenBySystem,
  CentredOnScreen,
};

struct FormDesign {
  const wchar_t* class_name;
  std::wstring caption;
  int client_width;   // twips
  int client_height;
  FrameStyle frame;
  bool taskbar_button;
  FirstPlacement placement;
  Colour back;
  // Artwork as large as the client area, drawn unscaled at its corner, whose
  // magenta pixels are transparent; 0: none.
  int background_picture = 0;
  const wchar_t* icon = nullptr;  // an icon resource, by name
};

}  // namespace morvane::toolkit
