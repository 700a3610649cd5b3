#include "countdown/sound_cues.h"

#include <windows.h>
#include <mmsystem.h>

#include "countdown/cue_path.h"

namespace morvane {

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
  // The wide form: a folder named outside the system's code page still plays.
  ::sndPlaySoundW(CuePath(ProgramFolder(), cue).c_str(), SND_ASYNC | SND_NODEFAULT);
}

}  // namespace morvane
