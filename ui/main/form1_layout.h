// The main window as designed: its settings and every control, in twips.
#pragma once

#include <vector>

#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/form/form_design.h"
#include "ui/toolkit/window_services/system_menu.h"

namespace morvane::main_window {

inline constexpr int kRowCount = 7;

toolkit::FormDesign Form1Settings();
std::vector<toolkit::ControlDesign> Form1Controls();

// What the window adds to its system menu, in this order: five options and
// the keyboard's way to the About picture. Alt+Space and a letter lands on the
// first item that takes it, and the system's items take letters in the
// language of Windows (Close is L in Danish): each of these takes the first
// of its candidates that none of those, greyed ones too, nor one of these
// above it takes, or none.
inline constexpr toolkit::MenuItemDesign kKeepRingingItem{L"Keep ringing until seen", L"irk"};
inline constexpr toolkit::MenuItemDesign kAlwaysOnTopItem{L"Always on top", L"wtp"};
inline constexpr toolkit::MenuItemDesign kSayNamesItem{L"Say the names aloud", L"yhd"};
inline constexpr toolkit::MenuItemDesign kAnyProgramKeysItem{
    L"Keys from any program\tCtrl+Shift+F1\u2026F9", L"gkr"};
inline constexpr toolkit::MenuItemDesign kMinuteNoticeItem{L"A minute's notice", L"tue"};
inline constexpr toolkit::MenuItemDesign kAboutItem{L"About Morvane\u2026", L"obv"};

}  // namespace morvane::main_window
