// The controls that the program's logic works through, as plain C++
// interfaces. Below every layer: the countdown row writes to them, the Win32
// toolkit implements them, and the native tests put in fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/colour.h"

namespace morvane {

// A single-line edit box. Texts are UTF-8.
class TextBox {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  // A locked box cannot be edited by the user; the program can still write it.
  virtual bool Locked() const = 0;
  virtual void SetLocked(bool locked) = 0;
  virtual Colour TextColour() const = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void Focus() = 0;

 protected:
  ~TextBox() = default;
};

class PushButton {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  ~PushButton() = default;
};

// An invisible timer that ticks once per interval while it is enabled.
class IntervalTimer {
 public:
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // How many intervals the tick being handled stands for: 1 when it comes on
  // time, more when whole intervals passed without one (the program could not
  // run, or the machine slept).
  virtual std::int64_t TicksDue() const = 0;
  // How many whole intervals have passed since the last tick with no timer
  // message yet (one may wait in the queue behind input handled first); from
  // then on they count as ticked. 0 while disabled.
  virtual std::int64_t TakeTicksDueNow() = 0;

 protected:
  ~IntervalTimer() = default;
};

}  // namespace morvane
