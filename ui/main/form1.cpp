#include "ui/main/form1.h"

#include <string>
#include <utility>

#include "ui/main/form1_layout.h"
#include "ui/main/row_accessible_names.h"
#include "ui/toolkit/message_box.h"

namespace morvane::main_window {

using toolkit::FormName;

Form1::Form1(toolkit::FormContext context, Form1Services services)
    : Form(Form1Settings(), Form1Controls(), std::move(context)), services_(std::move(services)) {
  // The handlers refer to the rows by place: the vector must never move them.
  rows_.reserve(kRowCount);
  for (int number = 1; number <= kRowCount; ++number) {
    BindRow(number);
  }
  PictureNamed("Image2").SetClickHandler([this] { Image2_Click(); });
  PictureNamed("Image3").SetClickHandler([this] { Image3_Click(); });
  // The keyboard's way to the About picture. Its letter is one that neither
  // Windows' nor Wine's own system menu items use.
  AddSystemMenuCommand(L"A&bout Morvane\u2026", [this] { Image3_Click(); });
  Form_Load();
}

// Row N is the five controls whose names end in N.
void Form1::BindRow(int number) {
  const std::string n = std::to_string(number);
  auto& name_box = TextBoxNamed("Text" + n);
  auto& time_box = TextBoxNamed("txtTime" + n);
  auto& gold_box = TextBoxNamed("Gold" + n);
  auto& button = ButtonNamed("cmdStart" + n);
  auto& timer = TimerNamed("tmrCrono" + n);
  CountdownRow& row = rows_.emplace_back(RowControls{name_box, time_box, gold_box, button, timer},
                                         static_cast<RowHost&>(*this));
  button.SetClickHandler([&row] { row.cmdStart_Click(); });
  timer.SetTickHandler([&row] { row.tmrCrono_Timer(); });
  name_box.SetClickHandler([&row] { row.Text_Click(); });
  NameRowForScreenReaders(number, RowWindows{name_box, time_box, gold_box, button});
}

void Form1::Form_Load() {
  for (int number = 1; number <= kRowCount; ++number) {
    ButtonNamed("cmdStart" + std::to_string(number)).SetCaption(kStartCaption);
  }
}

void Form1::Image2_Click() { services_.windows.Unload(FormName::Form1); }

void Form1::Image3_Click() { services_.windows.Show(FormName::Form2); }

void Form1::ShowMessage(std::string_view text) {
  toolkit::ShowMessageBox(hwnd(), text, services_.application_title);
}

void Form1::ShowMainWindow() { services_.windows.Show(FormName::Form1); }

void Form1::PlayCue(Cue cue) { services_.play_cue(cue); }

DateOrder Form1::UserDateOrder() const { return services_.date_order(); }

}  // namespace morvane::main_window
