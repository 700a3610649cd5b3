// The program's artwork at a window's dpi, made from its renderings.
//
// A picture comes rendered as PNG files, linked as RCDATA resources named
// PNG_<id>_<percent> (PNG_101_150: picture 101 at 150 %, 1.5 times its
// 96-dpi size): drawn for 96 dpi (100 %), and again at larger scales.
// Whichever renderings exist are found by their names.
//
// A picture is shown at dpi D at the size its window's design gives it in
// twips, as pixels at D: no rendering is needed to know it, so a damaged
// 96-dpi one is passed over like any other. The picture is made from the
// smallest rendering at least that large:
// read straight into the bitmap shown when its size is exact, reduced with a
// high-quality filter (Fant) otherwise; a small picture is never made by
// enlarging a smaller one. Above the largest rendering there is nothing
// larger to reduce, and the largest is enlarged with the same filter: whole,
// if softer than a rendering would be.
//
// The renderings are read by the program itself (png_reader.h): a window at
// a scale that has its own rendering is drawn without the Windows Imaging
// Component, which only reducing and enlarging take (wic_imaging.h). A
// palette rendering read at its size stays a palette bitmap, a byte a pixel,
// as the background is stored.
//
// Transparent pixels are replaced before any reduction, so that the key
// colour never bleeds into its neighbours; in a palette bitmap the key's
// entry of the colour table is replaced, which costs nothing on any paint.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/gdi.h"

namespace morvane::artwork {

// A bitmap of the artwork `id` designed `design` twips large, at `dpi`, its
// transparent pixels showing `transparent_as` if given; nullptr if it cannot
// be made.
platform::unique_hbitmap ScaledRendering(HINSTANCE instance, int id, SIZE design, int dpi,
                                         std::optional<COLORREF> transparent_as);

}  // namespace morvane::artwork
