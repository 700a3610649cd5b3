#include "bench/launched_program.h"

#include <stdexcept>
#include <thread>

namespace morvane::bench {

namespace {

// GetWindowText answers for another process's top-level window without
// waiting for that process, which may still be busy making its window.
std::wstring TitleOf(HWND window) {
  wchar_t title[256] = {};
  return std::wstring(title, static_cast<size_t>(::GetWindowTextW(window, title, 256)));
}

struct WindowSearch {
  DWORD process_id;
  const std::wstring* title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM search_param) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search.process_id && ::IsWindowVisible(window) &&
      TitleOf(window) == *search.title) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

DWORD Milliseconds(std::chrono::milliseconds duration) {
  return static_cast<DWORD>(duration.count());
}

}  // namespace

LaunchedProgram::LaunchedProgram(const std::wstring& path, const std::wstring& argument) {
  // CreateProcess may write into the command line it is given.
  std::wstring command_line = L"\"" + path + L"\"";
  if (!argument.empty()) {
    command_line += L" \"" + argument + L"\"";
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  started_ = BenchClock::now();
  if (!::CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &created)) {
    throw std::runtime_error("cannot start the program (error " +
                             std::to_string(::GetLastError()) + ")");
  }
  ::CloseHandle(created.hThread);
  process_.reset(created.hProcess);
  process_id_ = created.dwProcessId;
}

LaunchedProgram::~LaunchedProgram() {
  if (::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), INFINITE);
  }
}

HWND LaunchedProgram::WaitForWindow(const std::wstring& title,
                                    std::chrono::milliseconds timeout) const {
  const auto deadline = started_ + timeout;
  WindowSearch search{process_id_, &title};
  while (BenchClock::now() < deadline) {
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      return search.found;
    }
    if (::WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT) {
      return nullptr;  // it ended without showing the window
    }
    std::this_thread::sleep_for(std::chrono::milliseconds{1});
  }
  return nullptr;
}

bool LaunchedProgram::WaitUntilIdle(std::chrono::milliseconds timeout) const {
  return ::WaitForInputIdle(process_.get(), Milliseconds(timeout)) == 0;
}

bool LaunchedProgram::Close(HWND window, std::chrono::milliseconds timeout) {
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process_.get(), Milliseconds(timeout)) == WAIT_OBJECT_0) {
    return true;
  }
  ::TerminateProcess(process_.get(), 1);
  ::WaitForSingleObject(process_.get(), INFINITE);
  return false;
}

std::wstring WindowText(HWND window) {
  // GetWindowText does not read another process's controls; WM_GETTEXT does,
  // once that process handles its messages.
  const auto length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = ::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

}  // namespace morvane::bench
