// The program's windows in this process, with a clock the test moves by hand,
// a recorder in place of the sound cues, a window system that grants or
// refuses the foreground and reports the user's state as the test says and
// keeps track of taskbar flashes, a taskbar that records its badges and a
// voice, the program's own speech queue, that records what it says.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <atomic>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/window_registry.h"
#include "platform/speech_queue.h"

namespace morvane::testing {

class ManualClock {
 public:
  std::chrono::milliseconds now{1'000'000};
  platform::Clock AsClock() {
    return [this] { return now; };
  }
};

// The program's speech queue before an engine that says each sentence at
// once, unless the test keeps it busy: then what comes waits in the queue.
// Each sentence the engine starts is written down in `said`, a reminder, an
// answer or a notice marked so ("(reminder) ...", "(answer) ...",
// "(notice) ..."), and each silencing asked for as "(silenced)".
class QueuedVoice {
 public:
  explicit QueuedVoice(std::vector<std::string>& said) : said_(said) {}
  platform::Voice Voice();
  // The engine says `answer` until Release.
  void HoldSaying(std::string answer);
  void Release();

 private:
  void Speak();

  std::vector<std::string>& said_;
  platform::SpeechQueue queue_;
  bool held_ = false;
};

class AppFixture : public ::testing::Test {
 protected:
  // With another voice than voice_, when given one.
  explicit AppFixture(std::optional<platform::Voice> voice = std::nullopt);
  ~AppFixture() override;

  main_window::Form1& Main() { return windows_.Form1(); }
  about_window::Form2& About() { return windows_.Form2(); }

  // Row N's controls on the main window.
  toolkit::EditBox& NameBox(int row);
  toolkit::EditBox& TimeBox(int row);
  toolkit::EditBox& GoldBox(int row);
  toolkit::ButtonControl& Button(int row);
  toolkit::WindowTimer& Timer(int row);

  // Row N's Start pressed with `time` in its time box.
  void StartRow(int row, const char* time);
  // One second passes and row N's timer message arrives.
  void Tick(int row);

  // The parts of a tick, for rows that tick in the same second.
  void PassOneSecond();
  void DeliverTimerMessage(int row);

  ManualClock clock_;
  std::vector<Cue> cues_;
  DateOrder date_order_ = DateOrder::MonthDayYear;
  bool high_contrast_ = false;  // what the windows are told of the system's mode
  bool foreground_refused_ = false;  // as Windows does to a program in the background
  QUERY_USER_NOTIFICATION_STATE notification_state_ = QUNS_ACCEPTS_NOTIFICATIONS;
  std::optional<RECT> work_area_;  // reported in place of the monitor's own, as a taskbar leaves it
  std::vector<FLASHWINFO> flashes_;  // every flash request
  std::set<HWND> flashing_;  // the buttons they leave flashing until stopped, as Windows would
  struct Badge {
    HWND window;
    int icon_size;  // 0: taken off
    std::wstring description;
    bool operator==(const Badge&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Badge& badge) {
      out << "{window " << badge.window << ", ";
      if (badge.icon_size == 0) return out << "taken off}";
      return out << badge.icon_size << " px, " << ::testing::PrintToString(badge.description) << "}";
    }
  };
  std::vector<Badge> badges_;  // what the taskbar was asked to show
  std::vector<std::pair<HWND, UINT>> let_through_;  // the messages windows asked to hear
  std::vector<std::string> said_;  // what voice_ said
  QueuedVoice voice_{said_};
  WindowRegistry windows_;

 private:
  platform::ForegroundRequests TestForeground();
  platform::TaskbarOverlay TestTaskbar();
};

// A window of another thread in the foreground, as another program's is
// while the user works in it.
class OtherProgramInFront {
 public:
  explicit OtherProgramInFront(const WindowRegistry& windows);
  ~OtherProgramInFront();
  HWND hwnd() const { return window_; }

 private:
  static DWORD WINAPI Run(void* self);
  const WindowRegistry& windows_;
  DWORD creator_ = ::GetCurrentThreadId();
  std::atomic<HWND> window_ = nullptr;
  DWORD thread_id_ = 0;
  HANDLE thread_ = nullptr;
};

// Whether `upper` is in front of `lower` among the top-level windows.
bool IsInFront(HWND upper, HWND lower);

// Delivers the messages already queued for this thread, keyboard navigation
// included, as the program's message loop would; leaves WM_QUIT in the queue
// and reports whether one is there.
bool PumpMessages(const WindowRegistry& windows);

// Delivers messages through the program's loop as they arrive, timers'
// included, until `done` holds or `limit` has passed; reports whether `done`
// held. The limit only keeps a failing test from waiting for ever.
bool DeliverMessagesUntil(const WindowRegistry& windows, const std::function<bool()>& done,
                          std::chrono::milliseconds limit);

// A click as the user makes it: press and release of the left button.
void ClickButton(const toolkit::ButtonControl& button);
void ClickAt(HWND window, POINT client_point);
// A key pressed and released where the focus is, through the program's loop.
void PressKey(const WindowRegistry& windows, WPARAM virtual_key);
// The same key, queued for whichever loop runs next (a modal one).
void PostKey(WPARAM virtual_key);

std::wstring WindowText(HWND hwnd);
// The window's client area, in pixels.
SIZE ClientSize(HWND hwnd);
// Where the control lies on its parent's client area, in pixels.
RECT ClientRectOf(HWND control);
// The window's client area as it paints itself, pixel by pixel (0xRRGGBB).
class ClientPixels {
 public:
  explicit ClientPixels(HWND hwnd);
  // What `paint` draws on a canvas of `width` × `height` pixels.
  ClientPixels(int width, int height, const std::function<void(HDC)>& paint);
  Colour At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// The room one line of `text` in `font` takes: the height of a line, and the
// width to the last column its letters ink, drawn unclipped. A letter's
// advance can end well before or after its ink, the more so in Wine's fonts.
SIZE InkedSize(HFONT font, const std::wstring& text);

}  // namespace morvane::testing
