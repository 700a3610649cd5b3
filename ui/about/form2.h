// The About window: the program's name, version, author and web address,
// above a Close button that hides the window.
#pragma once

#include "ui/toolkit/form/form.h"

namespace morvane::about_window {

class Form2 final : public toolkit::Form {
 public:
  explicit Form2(toolkit::FormContext context);

  void Command1_Click();
};

}  // namespace morvane::about_window
