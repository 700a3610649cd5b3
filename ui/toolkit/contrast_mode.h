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
// colour cannot tell it any more, it is drawn as selected text is, highlight
// text on highlight, which every high-contrast scheme sets apart.
constexpr SystemColourPair HighContrastBoxColours(bool recoloured) {
  return recoloured ? SystemColourPair{COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT}
                    : SystemColourPair{COLOR_WINDOWTEXT, COLOR_WINDOW};
}

// Labels are text on the window's background, like the boxes.
inline constexpr SystemColourPair kHighContrastLabelColours{COLOR_WINDOWTEXT, COLOR_WINDOW};

}  // namespace morvane::toolkit
