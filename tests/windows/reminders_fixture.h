// The main window with a name gone red, as the tests of what reminds the user
// of it see it: rows run out and acknowledged, the system menu's options
// chosen as the user picks them, time passing with every timer's message
// arriving on time, and the alarms counted as it passes.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>

#include "tests/windows/app_fixture.h"

namespace morvane::testing {

class RemindersFixture : public AppFixture {
 protected:
  using AppFixture::AppFixture;

  void Expire(int row) {
    TimeBox(row).SetText("0:0:1");
    ClickButton(Button(row));
    Tick(row);
  }
  void Acknowledge(int row) { ClickAt(NameBox(row).hwnd(), POINT{5, 5}); }

  // The system menu's option that reads `text`, whichever its letter, as the
  // user picks it.
  UINT Option(const wchar_t* text) {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    std::array<wchar_t, 64> shown{};
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
      ::GetMenuStringW(menu, static_cast<UINT>(index), shown.data(), 64, MF_BYPOSITION);
      std::wstring words = shown.data();
      std::erase(words, L'&');
      if (words == text) return ::GetMenuItemID(menu, index);
    }
    return 0;
  }
  void Choose(const wchar_t* text) {
    ::SendMessageW(Main().hwnd(), WM_SYSCOMMAND, Option(text), 0);
  }
  bool Checked(const wchar_t* text) {
    HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
    return (::GetMenuState(menu, Option(text), MF_BYCOMMAND) & MF_CHECKED) != 0;
  }

  // `time` passes, every timer's message arriving within a tenth of a second
  // of its due time.
  void Pass(std::chrono::milliseconds time) {
    using std::chrono::milliseconds;
    for (milliseconds step{}; time > milliseconds{0}; time -= step) {
      step = std::min(time, milliseconds{100});
      clock_.now += step;
      for (int row = 1; row <= 7; ++row) DeliverTimerMessage(row);
      for (const char* timer : {"tmrRing", "tmrSayNames", "tmrMinuteNotice", "tmrNoticeWait"}) {
        ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed(timer).id(), 0);
      }
    }
  }
  // A bar among what was said, between what came before and after it.
  void Mark() { said_.emplace_back("|"); }

  // The alarms that ring while `seconds` pass, a second at a time, the
  // ringing's timer message arriving each second.
  long AlarmsOver(int seconds) {
    cues_.clear();
    for (int second = 0; second < seconds; ++second) {
      PassOneSecond();
      ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrRing").id(), 0);
    }
    return std::count(cues_.begin(), cues_.end(), Cue::Alarm);
  }

  static constexpr const wchar_t* kKeepRinging = L"Keep ringing until seen";
  static constexpr const wchar_t* kOnTop = L"Always on top";
  static constexpr const wchar_t* kAbout = L"About Morvane\u2026";
};

}  // namespace morvane::testing
