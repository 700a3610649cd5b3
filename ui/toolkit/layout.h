// A form's design: its window settings and a table of its controls, as
// designed in twips, which become pixels at the dots per inch of the window
// they are shown on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "countdown/colour.h"
#include "ui/scale/design_scale.h"

namespace morvane::toolkit {

using scale::kDesignDpi;
using scale::kTwipsPerInch;
using scale::ScaledFromDesign;
using scale::TwipsToPixels;

enum class ControlKind {
  TextBox,     // single-line edit box
  PushButton,  // standard push button
  Label,       // text on an opaque rectangle; windowless, never takes the focus
  Picture,     // windowless image, exactly its picture's size, reports clicks
  Timer,       // invisible interval timer
};

struct ControlSpec {
  std::string name;
  ControlKind kind;
  int left = 0;  // twips, from the client area's top-left corner
  int top = 0;
  int width = 0;
  int height = 0;
  std::wstring text;                 // a box's text, a button's or label's caption
  int picture = 0;                   // a picture's artwork resource id
  std::optional<Colour> back;        // unset: the system's colour
  std::optional<Colour> fore;
  int input_limit = 0;               // characters a user may type or paste; 0: no limit
  int tab_index = 0;
  int interval_ms = 0;               // a timer's interval
};

enum class FrameStyle {
  FixedSingle,  // thin fixed frame
  FixedDialog,  // dialog frame
};

enum class FirstPlacement {
  ChosenBySystem,
  CentredOnScreen,
};

struct FormSpec {
  const wchar_t* class_name;
  std::wstring caption;
  int client_width;   // twips
  int client_height;
  FrameStyle frame;
  bool taskbar_button;
  FirstPlacement placement;
  Colour back;
  // Artwork drawn unscaled at the client area's corner, whose magenta pixels
  // are transparent; 0: none.
  int background_picture = 0;
  const wchar_t* icon = nullptr;  // an icon resource, by name
};

}  // namespace morvane::toolkit
