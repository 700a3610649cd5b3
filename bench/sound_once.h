// What the baselines do when given a sound file as their command line: play
// it once, through the same call and the same library, looked up on first
// use, as Morvane's cues. What the system's sound costs is then on both
// sides of a comparison: the multimedia library, its device, and the thread
// a sound plays on, which also makes the process one with several threads
// for good (see bench/README.md, on counting under Wine 10).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "platform/system_library.h"

namespace morvane::bench {

// Plays the sound named by the command line, with the quotes around it taken
// off; nothing when the command line is empty.
inline void PlaySoundNamedBy(const wchar_t* command_line) {
  std::wstring file(command_line);
  if (file.empty()) {
    return;
  }
  if (file.size() >= 2 && file.front() == L'"' && file.back() == L'"') {
    file = file.substr(1, file.size() - 2);
  }
  using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, UINT flags);
  const auto play = platform::FunctionIn<PlaySoundFunction>(
      platform::SystemLibrary(L"winmm.dll"), "sndPlaySoundW");
  if (play != nullptr) {
    play(file.c_str(), SND_ASYNC | SND_NODEFAULT);
  }
}

}  // namespace morvane::bench
