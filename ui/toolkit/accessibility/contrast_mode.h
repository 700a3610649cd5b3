// Windows' high-contrast mode as a form draws it. While it is on, the user's
// chosen system colours replace the form's own, so that every text stays
// readable (red on grey, say, is barely told apart); while it is off, the
// designed colours are drawn exactly.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/high_contrast.h"

namespace morvane::toolkit {

// The form's reading of the mode, taken when it is made and again whenever
// the system says its colours or settings have changed.
class ContrastMode {
 public:
  explicit ContrastMode(platform::HighContrastQuery query)
      : query_(std::move(query)), on_(query_()) {}
  bool On() const { return on_; }
  void Reread() { on_ = query_(); }

 private:
  platform::HighContrastQuery query_;
  bool on_;
};

// A text colour and a back colour, as system colour indexes.
struct SystemColourPair {
  int text;
  int back;
};

// In high contrast a box shows the window's text on the window's background.
// A box whose text colour has left its designed one is telling the user
// something (an expired row's red name and green gold amount); since its
// colour cannot tell it any more, its text takes the scheme's hot-light
// colour, the one links are drawn in, which every high-contrast scheme sets
// apart from its window text on the window's background. Highlight colours
// would read as a selection.
constexpr SystemColourPair HighContrastBoxColours(bool recoloured) {
  return SystemColourPair{recoloured ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT, COLOR_WINDOW};
}

// The window and its labels are the window's text on its background, like
// the boxes: the background picture, dark art behind the boxes of any
// scheme, is not drawn. The picture buttons are, and click where they did.
inline constexpr SystemColourPair kHighContrastWindowColours{COLOR_WINDOWTEXT, COLOR_WINDOW};

}  // namespace morvane::toolkit
