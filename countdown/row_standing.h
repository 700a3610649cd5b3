// Where a countdown row stands, as the keys that answer from any program
// tell it: read from the row's controls, or what the row's key just did.
#pragma once

#include <cstdint>
#include <optional>

namespace morvane {

struct RowStanding {
  enum class State {
    NotStarted,
    Counting,
    Stopped,       // with whatever its time box holds: Start would resume from it
    RanOut,        // its time box at "00:00:00" since it ran out
    StartedAgain,  // by its key, after it had run out
    CannotStart,   // its key could not start it again
  };
  State state = State::NotStarted;
  // Counting and Stopped: the seconds left, nullopt when the time box cannot
  // be read; StartedAgain: the seconds it now counts.
  std::optional<std::int64_t> seconds;
  bool name_red = false;  // RanOut: not acknowledged yet

  bool operator==(const RowStanding&) const = default;
};

}  // namespace morvane
