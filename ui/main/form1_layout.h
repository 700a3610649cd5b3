// The main window as designed: its settings and every control, in twips.
#pragma once

#include <vector>

#include "ui/toolkit/controls/control_spec.h"
#include "ui/toolkit/form/form_spec.h"

namespace morvane::main_window {

inline constexpr int kRowCount = 7;

toolkit::FormSpec Form1Settings();
std::vector<toolkit::ControlSpec> Form1Controls();

}  // namespace morvane::main_window
