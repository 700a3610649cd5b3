// One countdown row: a name box, a time box, a gold box, a Start/Stop button
// and a one-second timer. Its controls are its state (the caption says Idle
// or Running, the time box holds the time), but for two texts: the time the
// row was last started with, which its key puts back to start it again after
// it ran out, when the time box has long counted it down to "00:00:00"; and
// the time its last Stop left, which tells a resume from a new start.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/control_interfaces.h"
#include "countdown/cue.h"
#include "countdown/row_standing.h"
#include "countdown/time_text.h"

namespace morvane {

// What lies outside the row: the window that holds it and the sounds.
class RowHost {
 public:
  // A modal message box with an OK button and no icon, titled with the
  // application title; returns when the user has dismissed it.
  virtual void ShowMessage(std::string_view text) = 0;
  // Makes the main window visible for the alarm and asks for it to be
  // brought forward, unless the user is in a full-screen program.
  virtual void ShowMainWindow() = 0;
  virtual void PlayCue(Cue cue) = 0;
  virtual DateOrder UserDateOrder() const = 0;

 protected:
  ~RowHost() = default;
};

struct RowControls {
  TextBox& Text;      // the character's name
  TextBox& txtTime;   // the remaining time
  TextBox& Gold;      // the gold amount
  PushButton& cmdStart;
  IntervalTimer& tmrCrono;
};

inline constexpr std::string_view kStartCaption = "Start";
inline constexpr std::string_view kStopCaption = "Stop";
inline constexpr std::string_view kInvalidTimeMessage =
    "Invalid Time. Hour:Minutes:Seconds = HH:MM:SS";

class CountdownRow {
 public:
  CountdownRow(RowControls controls, RowHost& host) : c_(controls), host_(host) {}

  // The Start/Stop button was clicked: starts an Idle row, stops a Running one.
  void cmdStart_Click();
  // The timer ticked: a second off for every second it stands for, and the
  // alarm at zero.
  void tmrCrono_Timer();
  // The name box was clicked: the user acknowledges a red name.
  void Text_Click();
  // The row's key was pressed, in whichever program has the keyboard. A row
  // that ran out starts again from the time text it was last started with,
  // put back into the time box, as Start starts it; a text it would refuse
  // now (the user's date order changed) is not reported, and the row stays
  // as it was. Any other row is left alone: a key never stops or resumes a
  // countdown by accident. Returns where the row stands then.
  RowStanding StartAgainIfRanOut();

  // Where the row stands now.
  RowStanding Standing() const;

 private:
  void Start();
  // What a Start does once the time text is found valid.
  void StartCounting();
  // Takes off the seconds that passed with no tick yet, then stops the row.
  void Stop();
  // Stops the row as it is: caption, timer and locks.
  void Halt();
  // Takes `seconds` off the time shown, expiring the row at zero; false when
  // that stopped the row.
  bool CountDown(std::int64_t seconds);
  void Expire();

  RowControls c_;
  RowHost& host_;
  std::string started_with_;  // empty until the first Start
  std::string left_by_stop_;  // empty unless the row was stopped since
};

}  // namespace morvane
