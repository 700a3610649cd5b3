// The About window as designed: its settings and its controls, in twips.
#pragma once

#include <vector>

#include "ui/toolkit/controls/control_spec.h"
#include "ui/toolkit/form/form_spec.h"

namespace morvane::about_window {

toolkit::FormSpec Form2Settings();
std::vector<toolkit::ControlSpec> Form2Controls();

}  // namespace morvane::about_window
