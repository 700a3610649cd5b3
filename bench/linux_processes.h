// Processes as Linux sees them, read from /proc through Wine's Z: drive. Under
// Wine a program cannot learn another process's processor time from Windows
// (GetProcessTimes reports zero for it), nor the Wine server's at all; Linux
// keeps both.
#pragma once

#include <optional>
#include <string>

namespace morvane::bench {

using LinuxPid = unsigned long;

// Whether /proc can be read: the program runs under Wine on Linux.
bool LinuxProcVisible();

// The newest process of this Wine prefix whose Linux name (the first 15
// characters of its file name) begins with `name`: the prefix tells it from
// the same program run by another Wine session on the machine.
std::optional<LinuxPid> FindInThisWinePrefix(const std::wstring& name);

// The time all the process's threads have run, in milliseconds, to the
// nanosecond Linux keeps it in.
double ProcessorMs(LinuxPid pid);

}  // namespace morvane::bench
