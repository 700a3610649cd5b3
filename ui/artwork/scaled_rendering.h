// The program's artwork at a dpi other than 96, made from its renderings.
//
// Besides its bitmap resource, drawn for 96 dpi, a picture may come rendered
// at larger scales as PNG files, linked as RCDATA resources named
// PNG_<id>_<percent> (PNG_101_150: picture 101 at 150 %, 1.5 times its
// 96-dpi size). Whichever renderings exist are found by their names.
//
// A picture is shown at dpi D at its 96-dpi size scaled by D / 96, rounded as
// twips are. It is made from the smallest rendering at least that large (the
// 96-dpi bitmap counting as the rendering at 100 %): read straight into the
// bitmap shown when its size is exact, reduced with a high-quality filter
// (Fant) otherwise; a small picture is never made by enlarging a smaller one.
// Above the largest rendering there is nothing larger to reduce, and the
// largest is enlarged with the same filter: whole, if softer than a rendering
// would be.
//
// The renderings are read by the program itself (png_reader.h): a window at
// a scale that has its own rendering is drawn without the Windows Imaging
// Component, which only reducing and enlarging take (wic_imaging.h).
//
// Transparent pixels are replaced before any reduction, so that the key
// colour never bleeds into its neighbours.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/gdi.h"

namespace morvane::artwork {

// The bitmap resource `id` as drawn, for 96 dpi.
platform::unique_hbitmap DesignBitmap(HINSTANCE instance, int id);

// A 32-bit bitmap of the artwork `id` at `dpi`, its transparent pixels showing
// `transparent_as` if given; nullptr if it cannot be made.
platform::unique_hbitmap ScaledRendering(HINSTANCE instance, int id, int dpi,
                                         std::optional<COLORREF> transparent_as);

}  // namespace morvane::artwork
