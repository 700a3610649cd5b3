// The toolkit's default user-interface font, one per dpi: the face and point
// size of the stock default GUI font, made for each dpi a window is shown at
// and kept until the program ends, shared by every window at that dpi.
#pragma once

#include <windows.h>

#include <map>

#include "platform/gdi.h"

namespace morvane::toolkit {

class DefaultFonts {
 public:
  HFONT At(int dpi);

 private:
  std::map<int, platform::unique_hfont> fonts_;
};

}  // namespace morvane::toolkit
