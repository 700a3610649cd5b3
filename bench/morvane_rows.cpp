#include "bench/morvane_rows.h"

#include <vector>

#include "bench/launched_program.h"
#include "countdown/cue_path.h"

namespace morvane::bench {

namespace {

constexpr wchar_t kIdleTime[] = L"00:00:00";
constexpr wchar_t kOneHour[] = L"01:00:00";

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t class_name[32] = {};
  ::GetClassNameW(window, class_name, 32);
  return ::lstrcmpiW(class_name, name) == 0;
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, &AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

}  // namespace

void StartEveryRow(HWND window) {
  const std::vector<HWND> children = ChildrenOf(window);
  for (HWND child : children) {
    if (IsClass(child, L"Edit") && WindowText(child) == kIdleTime) {
      ::SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kOneHour));
    }
  }
  for (HWND child : children) {
    if (IsClass(child, L"Button") && WindowText(child) == L"Start") {
      ::PostMessageW(child, BM_CLICK, 0, 0);
    }
  }
}

int CountButtonsCaptioned(HWND window, const std::wstring& caption) {
  int count = 0;
  for (HWND child : ChildrenOf(window)) {
    count += IsClass(child, L"Button") && WindowText(child) == caption ? 1 : 0;
  }
  return count;
}

std::wstring StartCueOf(const std::wstring& program_path) {
  const std::wstring cue = CuePath(FolderOf(program_path), Cue::Start);
  return ::GetFileAttributesW(cue.c_str()) != INVALID_FILE_ATTRIBUTES ? cue : std::wstring();
}

}  // namespace morvane::bench
