// Morvane's rows worked from another process, as a user works them: what the
// benchmarks that measure the program while it counts share.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::bench {

// Gives every time box still showing 00:00:00 an hour, then clicks every
// Start button: a row refuses to start without a time to count.
void StartEveryRow(HWND window);

// How many of the window's buttons show the caption ("Stop": rows running).
int CountButtonsCaptioned(HWND window, const std::wstring& caption);

// The cue the program plays when a row starts, where it finds it; empty when
// it has none beside it (the build's program, as against the release's).
std::wstring StartCueOf(const std::wstring& program_path);

}  // namespace morvane::bench
