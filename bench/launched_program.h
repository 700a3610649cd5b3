// A program started for measuring: its process, the moment it was asked to
// start, and its main window once that shows. Whatever happens to the
// measurement, the program does not outlive this object.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <type_traits>

namespace morvane::bench {

using BenchClock = std::chrono::steady_clock;

struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using unique_handle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Generous limits: Wine on a busy machine can take seconds to show a window.
inline constexpr std::chrono::seconds kWindowTimeout{30};
inline constexpr std::chrono::seconds kCloseTimeout{10};

class LaunchedProgram {
 public:
  // Starts the program, with the argument on its command line if there is
  // one; throws std::runtime_error when it cannot be started.
  explicit LaunchedProgram(const std::wstring& path, const std::wstring& argument = {});
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;
  // Ends the program if it is still running.
  ~LaunchedProgram();

  // Waits, looking every millisecond, until a visible top-level window of
  // this process has the title; nullptr if none has within the timeout.
  HWND WaitForWindow(const std::wstring& title, std::chrono::milliseconds timeout) const;
  // Waits until the program has handled everything it was sent and waits for
  // input: its first paint is done. False if that took longer than the timeout.
  bool WaitUntilIdle(std::chrono::milliseconds timeout) const;
  // Asks the window to close, as its close box does, and waits for the
  // process to end; false (and the process is ended) if it did not in time.
  bool Close(HWND window, std::chrono::milliseconds timeout);

  HANDLE process() const { return process_.get(); }
  BenchClock::time_point started() const { return started_; }

 private:
  BenchClock::time_point started_;
  unique_handle process_;
  DWORD process_id_ = 0;
};

// The text of a control of another process: an edit box's text, a button's caption.
std::wstring WindowText(HWND window);

}  // namespace morvane::bench
