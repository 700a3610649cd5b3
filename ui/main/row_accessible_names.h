// What a screen reader calls the controls of countdown row N. The column
// captions are painted, so nothing on the window names a box, and a button's
// caption alone does not say which row it starts.
#pragma once

#include "ui/toolkit/controls/button_control.h"
#include "ui/toolkit/controls/edit_box.h"

namespace morvane::main_window {

struct RowWindows {
  toolkit::EditBox& name;
  toolkit::EditBox& time;
  toolkit::EditBox& gold;
  toolkit::ButtonControl& button;
};

void NameRowForScreenReaders(int number, const RowWindows& row);

}  // namespace morvane::main_window
