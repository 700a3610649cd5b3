#include "bench/linux_processes.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "bench/launched_program.h"

namespace morvane::bench {

namespace {

constexpr wchar_t kProc[] = L"Z:\\proc\\";
// Linux cuts a process's name to 15 characters.
constexpr size_t kLinuxNameLength = 15;

std::wstring ProcPath(LinuxPid pid, const wchar_t* entry) {
  return kProc + std::to_wstring(pid) + L"\\" + entry;
}

// The whole of a /proc file (which reports no size); nothing if it cannot
// be opened, as when its process has ended.
std::optional<std::string> ReadProcFile(const std::wstring& path) {
  HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  const unique_handle file(opened);
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
  }
  return text;
}

// The names in a /proc folder that are numbers: process or thread ids.
std::vector<LinuxPid> NumberedEntries(const std::wstring& folder) {
  std::vector<LinuxPid> ids;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return ids;
  }
  do {
    wchar_t* end = nullptr;
    const unsigned long id = std::wcstoul(found.cFileName, &end, 10);
    if (end != found.cFileName && *end == L'\0') {
      ids.push_back(id);
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return ids;
}

// The 22nd field of /proc/PID/stat, when the process started; counted after
// the name in parentheses, which may itself hold spaces.
unsigned long long StartTime(const std::string& stat) {
  std::istringstream fields(stat.substr(stat.rfind(')') + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
  }
  return std::strtoull(field.c_str(), nullptr, 10);
}

std::string PrefixEntry() {
  wchar_t prefix[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  std::string entry = "WINEPREFIX=";
  for (const wchar_t* c = prefix; *c != L'\0'; ++c) {
    entry += static_cast<char>(*c);  // a Linux path, kept to ASCII here
  }
  return entry;
}

bool InEnvironment(const std::string& environment, const std::string& entry) {
  std::istringstream entries(environment);
  std::string each;
  while (std::getline(entries, each, '\0')) {
    if (each == entry) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool LinuxProcVisible() {
  return ::GetFileAttributesW(L"Z:\\proc\\self\\stat") != INVALID_FILE_ATTRIBUTES;
}

std::optional<LinuxPid> FindInThisWinePrefix(const std::wstring& name) {
  std::string wanted;
  for (wchar_t c : name.substr(0, kLinuxNameLength)) {
    wanted += static_cast<char>(c);
  }
  const std::string prefix = PrefixEntry();
  std::optional<LinuxPid> newest;
  unsigned long long newest_start = 0;
  for (const LinuxPid pid : NumberedEntries(kProc)) {
    const auto comm = ReadProcFile(ProcPath(pid, L"comm"));
    if (!comm || comm->rfind(wanted, 0) != 0) {
      continue;
    }
    const auto environment = ReadProcFile(ProcPath(pid, L"environ"));
    const auto stat = ReadProcFile(ProcPath(pid, L"stat"));
    if (!environment || !stat || !InEnvironment(*environment, prefix)) {
      continue;
    }
    const unsigned long long start = StartTime(*stat);
    if (!newest || start > newest_start) {
      newest = pid;
      newest_start = start;
    }
  }
  return newest;
}

// Each thread's /proc/PID/task/TID/schedstat begins with the nanoseconds it
// has run.
double ProcessorMs(LinuxPid pid) {
  const std::wstring tasks = ProcPath(pid, L"task\\");
  double nanoseconds = 0;
  bool any = false;
  for (const LinuxPid thread : NumberedEntries(tasks)) {
    if (const auto schedstat = ReadProcFile(tasks + std::to_wstring(thread) + L"\\schedstat")) {
      nanoseconds += std::strtod(schedstat->c_str(), nullptr);
      any = true;
    }
  }
  if (!any) {
    throw std::runtime_error("cannot read a process's times from /proc");
  }
  return nanoseconds / 1e6;
}

}  // namespace morvane::bench
