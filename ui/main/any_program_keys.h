// The keys that answer from any program while "Keys from any program" is on:
// Ctrl+Shift+F1 to F7 for rows 1 to 7, F8 for all of them, F9 for the alarms
// (as a click on every red name). Ctrl+Alt is AltGr
// on many keyboards (AltGr+7 types "{" on a German one), the Windows key's
// combinations are Windows' own, and Ctrl+Shift with a function key types
// nothing and is rarely a game's.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "ui/main/form1_layout.h"
#include "ui/toolkit/window_services/window_hot_keys.h"

namespace morvane::main_window {

// The rows' keys in row order, then the key for all rows and the key for the
// alarms.
inline constexpr std::size_t kAllRowsKey = kRowCount;
inline constexpr std::size_t kAlarmsSeenKey = kRowCount + 1;
extern const std::array<toolkit::HotKey, kRowCount + 2> kAnyProgramKeys;

// What the user is told when some of the keys are another program's, named
// by their places in kAnyProgramKeys.
std::string KeysTakenMessage(std::span<const std::size_t> taken);

}  // namespace morvane::main_window
