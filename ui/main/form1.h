// The main window: seven countdown rows over the background picture, and the
// Exit and About pictures along the bottom. While a name is red, its taskbar
// button carries a badge, and the alarm rings again if the user asked for it;
// the names that run out are said aloud if the user asked for that, and so
// is a row's last minute; keys pressed in any program answer aloud if the
// user turned them on.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "countdown/countdown_row.h"
#include "platform/voice.h"
#include "ui/main/names_aloud.h"
#include "ui/main/notice_gathering.h"
#include "ui/toolkit/form/form.h"
#include "ui/toolkit/form/form_registry.h"

namespace morvane::main_window {

// What the window reaches outside itself.
struct Form1Services {
  toolkit::FormRegistry& windows;
  std::function<void(Cue)> play_cue;
  std::function<DateOrder()> date_order;
  std::wstring application_title;  // the title of its message boxes
  platform::Voice voice;           // says the names, the notices and the keys' answers
};

class Form1 final : public toolkit::Form, private RowHost {
 public:
  Form1(toolkit::FormContext context, Form1Services services);

  void Form_Load();
  void Image2_Click();
  void Image3_Click();
  void mnuKeepRinging_Click();
  void mnuAlwaysOnTop_Click();
  void mnuSayNames_Click();
  void mnuAnyProgramKeys_Click();
  void mnuMinuteNotice_Click();
  void tmrRing_Timer();
  // One of kAnyProgramKeys, by its place, pressed in whichever program has the
  // keyboard: the answer is said, and nothing of the program comes forward.
  void AnyProgramKey_Pressed(std::size_t key);

 private:
  void BindRow(int number);
  // Turns every red name white; returns what the key for the alarms says.
  platform::Sentence AcknowledgeAlarms();
  // Follows every handler that may turn a name red or white.
  void NameColoursChanged();

  // RowHost
  void ShowMessage(std::string_view text) override;
  void ShowMainWindow() override;
  void PlayCue(Cue cue) override;
  DateOrder UserDateOrder() const override;

  Form1Services services_;
  std::vector<CountdownRow> rows_;
  std::vector<const toolkit::EditBox*> names_;
  toolkit::WindowTimer& ring_;
  std::size_t keep_ringing_ = 0;  // the system menu's options
  std::size_t always_on_top_ = 0;
  std::size_t say_names_ = 0;
  std::size_t any_program_keys_ = 0;
  std::size_t minute_notice_ = 0;
  NamesAloud names_aloud_;
  NoticeGathering notice_gathering_;
};

}  // namespace morvane::main_window
