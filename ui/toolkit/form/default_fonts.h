// The toolkit's default user-interface font, one per dpi: the face of the
// stock default GUI font at 8 points, made for each dpi a window is shown at
// and kept until the program ends, shared by every window at that dpi.
#pragma once

#include <windows.h>

#include <map>

#include "platform/gdi.h"

namespace morvane::toolkit {

class DefaultFonts {
 public:
  // The stock default GUI font's description.
  DefaultFonts();
  // `stock` stands for it: the stock font as Windows made it, at whatever dpi.
  explicit DefaultFonts(const LOGFONTW& stock) : stock_(stock) {}

  HFONT At(int dpi);

 private:
  LOGFONTW stock_;
  std::map<int, platform::unique_hfont> fonts_;
};

}  // namespace morvane::toolkit
