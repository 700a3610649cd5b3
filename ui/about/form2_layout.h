// The About window as designed: its settings and its controls, in twips.
#pragma once

#include <vector>

#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/form/form_design.h"

namespace morvane::about_window {

toolkit::FormDesign Form2Settings();
std::vector<toolkit::ControlDesign> Form2Controls();

}  // namespace morvane::about_window
