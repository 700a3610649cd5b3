// An icon file linked as data (an RCDATA resource) rather than as an icon
// group, so that it is no icon of the program's: Windows takes a program's
// first icon group for its icon, and lists every group as one it offers.
//
// The file holds one image per size it was drawn at, each a PNG image with
// its alpha, read by the program's own reader (png_reader.h). An icon of any
// size is made as the artwork is for a window's scale (see
// scaled_rendering.h): from the smallest image at least that large, read
// straight into the icon when its size is exact and reduced with a
// high-quality filter (Fant) otherwise, or from the largest, enlarged, when
// none is.
#pragma once

#include <windows.h>

#include "platform/gdi.h"

namespace morvane::artwork {

// The icon file `name` as an icon of `size` x `size` pixels; nullptr if it
// cannot be made.
platform::unique_hicon IconFromData(HINSTANCE instance, const wchar_t* name, int size);

}  // namespace morvane::artwork
