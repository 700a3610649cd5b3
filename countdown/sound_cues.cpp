#include "countdown/sound_cues.h"

#include <windows.h>

#include "countdown/cue_path.h"
#include "platform/system_library.h"

namespace morvane {

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, UINT flags);

constexpr UINT kAsyncWithoutDefault = 0x0001 /* SND_ASYNC */ | 0x0002 /* SND_NODEFAULT */;

// The multimedia library is looked up by name on the first cue, not linked:
// loading it brings up the audio drivers, which most starts of the program
// never need. It is taken from the system folder only, never from beside
// the executable.
PlaySoundFunction SystemPlayer() {
  // The wide form: a folder named outside the system's code page still plays.
  static const auto player = platform::FunctionIn<PlaySoundFunction>(
      platform::SystemLibrary(L"winmm.dll"), "sndPlaySoundW");
  return player;
}

}  // namespace

std::wstring ProgramFolder() {
  // MAX_PATH is not a limit on long-path systems: grow until the path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    if (length < path.size()) {
      path.resize(length);
      return FolderOf(path);
    }
    path.resize(path.size() * 2);
  }
}

void PlayCue(Cue cue) {
  if (const PlaySoundFunction play = SystemPlayer()) {
    play(CuePath(ProgramFolder(), cue).c_str(), kAsyncWithoutDefault);
  }
}

}  // namespace morvane
