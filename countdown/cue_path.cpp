#include "countdown/cue_path.h"

namespace morvane {

std::wstring FolderOf(std::wstring_view executable_path) {
  const auto last = executable_path.find_last_of(L"\\/");
  if (last == std::wstring_view::npos) {
    return {};
  }
  // "C:\Morvane.exe" keeps its separator: "C:" alone would mean the drive's
  // current folder, not its root.
  const bool at_drive_root = last == 2 && executable_path[1] == L':';
  return std::wstring(executable_path.substr(0, at_drive_root ? last + 1 : last));
}

std::wstring CuePath(std::wstring_view program_folder, Cue cue) {
  const std::wstring_view suffix =
      cue == Cue::Start ? L"\\Sounds\\Clock.wav" : L"\\Sounds\\Alarm.wav";
  std::wstring path(program_folder);
  path += suffix;
  return path;
}

}  // namespace morvane
