#include "countdown/sound_cues.h"

#include <windows.h>

#include <vector>

#include "countdown/cue_path.h"
#include "countdown/wave_file.h"
#include "platform/kernel_handle.h"
#include "platform/wave_out.h"

namespace morvane {

namespace {

// The cues are short sounds (the alarm's two seconds take 88 KB), read whole
// on the window's thread and played from memory: a file many times larger
// is not one of them, and is not read.
constexpr LONGLONG kMaxCueBytes = 16 << 20;

// The whole file, or nothing if it cannot be read.
std::vector<std::byte> FileBytes(const std::wstring& path) {
  HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    return {};
  }
  const platform::unique_handle file(opened);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxCueBytes) {
    return {};
  }
  std::vector<std::byte> bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    return {};
  }
  return bytes;
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
  const std::vector<std::byte> file = FileBytes(CuePath(ProgramFolder(), cue));
  const WaveParts parts = FindWaveParts(file).value_or(WaveParts{});
  platform::PlayWave(parts.format, parts.samples);
}

}  // namespace morvane
