// The two sounds that accompany a countdown row.
#pragma once

namespace morvane {

enum class Cue {
  Start,  // a row starts counting
  Alarm,  // a row reaches zero
};

}  // namespace morvane
