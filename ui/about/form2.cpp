#include "ui/about/form2.h"

#include <utility>

#include "ui/about/form2_layout.h"

namespace morvane::about_window {

Form2::Form2(toolkit::FormContext context)
    : Form(Form2Settings(), Form2Controls(), std::move(context)) {
  ButtonNamed("Command1").SetClickHandler([this] { Command1_Click(); });
}

// Hidden, not destroyed: the next show brings back this window where it was.
void Form2::Command1_Click() { Hide(); }

}  // namespace morvane::about_window
