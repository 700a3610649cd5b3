// One control of a form's design: its kind, its place and size as designed in
// twips, which become pixels at the dots per inch of the window it is shown
// on, and what it shows.
#pragma once

#include <optional>
#include <string>

#include "base/colour.h"
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

struct ControlDesign {
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

}  // namespace morvane::toolkit
