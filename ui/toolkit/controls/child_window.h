// What every child control window needs: creation at its designed place with
// the form's font, a new place and font when its window's dpi changes, and
// its text as UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/toolkit/controls/control_design.h"

namespace morvane::toolkit {

HWND CreateChild(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style,
                 const ControlDesign& design, int id, int dpi, HFONT font);
// Moves the child to its designed place at `dpi` and gives it that dpi's font.
void PlaceChild(HWND child, const ControlDesign& design, int dpi, HFONT font);

std::string ReadText(HWND hwnd);
void WriteText(HWND hwnd, std::string_view utf8);

}  // namespace morvane::toolkit
