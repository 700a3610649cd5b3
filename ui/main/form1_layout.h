// The main window as designed: its settings and every control, in twips.
#pragma once

#include <vector>

#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/form/form_design.h"

namespace morvane::main_window {

inline constexpr int kRowCount = 7;

toolkit::FormDesign Form1Settings();
std::vector<toolkit::ControlDesign> Form1Controls();

}  // namespace morvane::main_window
