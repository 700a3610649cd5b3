// What every child control window needs: creation at its designed place with
// the form's font, and its text as UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/toolkit/layout.h"

namespace morvane::toolkit {

HWND CreateChild(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style,
                 const ControlSpec& spec, int id, HFONT font);

std::string ReadText(HWND hwnd);
void WriteText(HWND hwnd, std::string_view utf8);

}  // namespace morvane::toolkit
