#include "ui/main/form1.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "assets/resource_ids.h"
#include "countdown/phrase_book.h"
#include "countdown/row_answers.h"
#include "ui/main/form1_layout.h"
#include "ui/main/any_program_keys.h"
#include "ui/main/row_accessible_names.h"
#include "ui/toolkit/controls/message_box.h"

namespace morvane::main_window {

using toolkit::FormName;

Form1::Form1(toolkit::FormContext context, Form1Services services)
    : Form(Form1Settings(), Form1Controls(), std::move(context)),
      services_(std::move(services)),
      ring_(TimerNamed("tmrRing")),
      names_aloud_(names_, TimerNamed("tmrSayNames"), services_.voice),
      notice_gathering_(rows_, names_, TimerNamed("tmrMinuteNotice"), TimerNamed("tmrNoticeWait"),
                        services_.voice) {
  // The handlers refer to the rows by place: the vector must never move them.
  rows_.reserve(kRowCount);
  for (int number = 1; number <= kRowCount; ++number) {
    BindRow(number);
  }
  PictureNamed("Image2").SetClickHandler([this] { Image2_Click(); });
  PictureNamed("Image3").SetClickHandler([this] { Image3_Click(); });
  ring_.SetTickHandler([this] { tmrRing_Timer(); });
  keep_ringing_ =
      SystemMenu().AddCheckItem(kKeepRingingItem, [this] { mnuKeepRinging_Click(); });
  always_on_top_ =
      SystemMenu().AddCheckItem(kAlwaysOnTopItem, [this] { mnuAlwaysOnTop_Click(); });
  say_names_ = SystemMenu().AddCheckItem(kSayNamesItem, [this] { mnuSayNames_Click(); });
  any_program_keys_ =
      SystemMenu().AddCheckItem(kAnyProgramKeysItem, [this] { mnuAnyProgramKeys_Click(); });
  minute_notice_ =
      SystemMenu().AddCheckItem(kMinuteNoticeItem, [this] { mnuMinuteNotice_Click(); });
  SystemMenu().Add(kAboutItem, [this] { Image3_Click(); });
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
  const auto place = static_cast<std::size_t>(number - 1);
  // A Start turns the name white, a tick may turn it red, a click white.
  button.SetClickHandler([this, &row, place] {
    row.cmdStart_Click();
    notice_gathering_.StartedOrStopped(place);
    NameColoursChanged();
  });
  timer.SetTickHandler([this, &row, place] {
    // Read only while the notice is on: a tick is otherwise as it always was.
    const auto before = notice_gathering_.On() ? std::optional(row.Standing()) : std::nullopt;
    row.tmrCrono_Timer();
    if (before) {
      notice_gathering_.Ticked(place, *before, row.Standing());
    }
    NameColoursChanged();
  });
  name_box.SetClickHandler([this, &row] {
    row.Text_Click();
    NameColoursChanged();
  });
  names_.push_back(&name_box);
  NameRowForScreenReaders(number, RowWindows{name_box, time_box, gold_box, button});
}

void Form1::Form_Load() {
  for (int number = 1; number <= kRowCount; ++number) {
    ButtonNamed("cmdStart" + std::to_string(number)).SetCaption(kStartCaption);
  }
}

void Form1::Image2_Click() { services_.windows.Unload(FormName::Form1); }

void Form1::Image3_Click() { services_.windows.Show(FormName::Form2); }

void Form1::mnuKeepRinging_Click() { NameColoursChanged(); }

void Form1::mnuAlwaysOnTop_Click() {
  services_.windows.SetMainWindowOnTop(SystemMenu().Checked(always_on_top_));
}

void Form1::mnuSayNames_Click() { names_aloud_.SetOn(SystemMenu().Checked(say_names_)); }

void Form1::mnuMinuteNotice_Click() {
  notice_gathering_.SetOn(SystemMenu().Checked(minute_notice_));
}

// The user looks at the window as the option comes on: the keys that another
// program holds are told then, and if it holds them all the option stays off.
void Form1::mnuAnyProgramKeys_Click() {
  if (!SystemMenu().Checked(any_program_keys_)) {
    HotKeys().Release();
    return;
  }
  const auto taken =
      HotKeys().Register(kAnyProgramKeys, [this](std::size_t key) { AnyProgramKey_Pressed(key); });
  if (taken.size() == kAnyProgramKeys.size()) {
    SystemMenu().SetChecked(any_program_keys_, false);
  }
  if (!taken.empty()) {
    ShowMessage(KeysTakenMessage(taken));
  }
}

// Said whether or not the names are: the user asked, and cannot see the
// window.
void Form1::AnyProgramKey_Pressed(std::size_t key) {
  const auto named = [this](std::size_t row, RowStanding standing) {
    return NamedStanding{static_cast<int>(row) + 1, names_[row]->Text(), standing};
  };
  platform::Sentence answer;
  if (key == kAllRowsKey) {
    std::vector<NamedStanding> rows;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      rows.push_back(named(row, rows_[row].Standing()));
    }
    answer = [rows](platform::Language language) {
      return AllRowsAnswer(PhrasesIn(language), rows);
    };
  } else if (key == kAlarmsSeenKey) {
    answer = AcknowledgeAlarms();
  } else {
    answer = [row = named(key, rows_[key].StartAgainIfRanOut())](platform::Language language) {
      return RowAnswer(PhrasesIn(language), row);
    };
    // A row started again turns its name white, as a Start does.
    NameColoursChanged();
  }
  services_.voice.say(platform::SentenceKind::Answer, std::move(answer), 0);
}

// As a click on each red name: the ringing stops, and so does the voice
// saying those names.
platform::Sentence Form1::AcknowledgeAlarms() {
  std::vector<ExpiredRow> seen;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (names_[row]->TextColour() == kRed) {
      seen.push_back(ExpiredRow{static_cast<int>(row) + 1, names_[row]->Text()});
      rows_[row].Text_Click();
    }
  }
  NameColoursChanged();
  return [seen](platform::Language language) {
    return AlarmsSeenAnswer(PhrasesIn(language), seen);
  };
}

// Every red name rings as one: the timer counts from the expiry that started
// the ringing, or from the moment the user asked for it over a red name.
void Form1::tmrRing_Timer() {
  PlayCue(Cue::Alarm);
  names_aloud_.AlarmRangAgain();
}

// A red name is an expiry the user has not acknowledged yet.
void Form1::NameColoursChanged() {
  names_aloud_.NameColoursChanged();
  const bool unseen = std::any_of(names_.begin(), names_.end(), [](const toolkit::EditBox* name) {
    return name->TextColour() == kRed;
  });
  ring_.SetEnabled(unseen && SystemMenu().Checked(keep_ringing_));
  if (unseen) {
    Badge().Show(MAKEINTRESOURCEW(IDR_TIME_IS_UP_BADGE), L"Time is up");
  } else {
    Badge().Hide();
  }
}

void Form1::ShowMessage(std::string_view text) {
  toolkit::ShowMessageBox(hwnd(), text, services_.application_title);
}

// An alarm: the window comes forward unless the user is in a full-screen
// program or a presentation.
void Form1::ShowMainWindow() { Alert(); }

// The voice waits for the alarm: a notice is not said over it.
void Form1::PlayCue(Cue cue) {
  services_.play_cue(cue);
  if (cue == Cue::Alarm) {
    notice_gathering_.AlarmRang();
  }
}

DateOrder Form1::UserDateOrder() const { return services_.date_order(); }

}  // namespace morvane::main_window
