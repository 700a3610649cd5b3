// The keys that answer from any program: pressed while another program's
// window is in front and has the keyboard, as in a game, they reach the main
// window, which answers aloud and leaves everything on the screen as it was;
// the option holds them only while it is on, and says which another program
// holds. A minute's notice reaches the user there too.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/message_box_watcher.h"
#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* kAnyProgramKeys = L"Keys from any program\tCtrl+Shift+F1\u2026F9";

class AnyProgramKeysTest : public RemindersFixture {
 protected:
  // Ctrl+Shift and the key, as the keyboard sends them to whichever window
  // has it; then the program's loop runs until the answer is asked for.
  void PressEverywhere(int function) {
    const auto function_key = static_cast<WORD>(function);
    std::vector<INPUT> keys;
    for (const WORD key : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, function_key}) {
      keys.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    }
    for (const WORD key : {function_key, WORD{VK_SHIFT}, WORD{VK_CONTROL}}) {
      keys.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    }
    const std::size_t answers = said_.size();
    ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    EXPECT_TRUE(DeliverMessagesUntil(windows_, [&] { return said_.size() > answers; }, 5s));
  }
};

TEST_F(AnyProgramKeysTest, AnswerBehindAnotherProgramAndStartARowThatRanOutAgain) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  NameBox(2).SetText("Brenna");
  NameBox(3).SetText("Corvin");
  Choose(kKeepRinging);
  StartRow(2, "1:30");
  clock_.now += 5400s;
  DeliverTimerMessage(2);  // Brenna ran out
  StartRow(1, "0:10:26");
  StartRow(3, "0:3:0");
  ClickButton(Button(3));  // Corvin stopped
  Choose(kAnyProgramKeys);
  ::ShowWindow(Main().hwnd(), SW_MINIMIZE);
  cues_.clear();
  flashes_.clear();
  const OtherProgramInFront other(windows_);

  PressEverywhere(VK_F8);
  PressEverywhere(VK_F9);  // as a click on each red name
  EXPECT_EQ(NameBox(2).TextColour(), kWhite);
  EXPECT_FALSE(Main().TimerNamed("tmrRing").Enabled());
  for (const int key : {VK_F2, VK_F4, VK_F9}) PressEverywhere(key);
  EXPECT_EQ(said_, (std::vector<std::string>{
                       "(answer) Aldric, 11 minutes left; Brenna, time is up; Corvin, stopped, "
                       "3 minutes left",
                       "(answer) Brenna, seen",
                       "(answer) Brenna, started again, 1 hour 30 minutes",
                       "(answer) Character 4, not started",
                       "(answer) No alarms",
                   }));
  EXPECT_EQ(TimeBox(2).Text(), "1:30");
  EXPECT_EQ(Button(2).Caption(), "Stop");
  EXPECT_EQ(cues_, std::vector<Cue>{Cue::Start});
  EXPECT_FALSE(Main().TimerNamed("tmrRing").Enabled()) << "no name is red any more";
  EXPECT_EQ(::GetForegroundWindow(), other.hwnd());
  EXPECT_TRUE(::IsIconic(Main().hwnd()));
  EXPECT_TRUE(flashes_.empty());
  EXPECT_EQ(::FindWindowW(L"#32770", nullptr), nullptr) << "a message box";
}

// A minute's notice is told behind the other program too, whether or not the
// keys are on: a second after the tick that crosses the minute, with the rows
// that cross it meanwhile.
TEST_F(AnyProgramKeysTest, RowsStartedAtOneMinuteThreeAreNoticedTogetherThreeSecondsLater) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  Choose(L"A minute's notice");
  StartRow(1, "0:1:3");
  StartRow(2, "0:1:3");
  const OtherProgramInFront other(windows_);
  for (int second = 1; second <= 3; ++second) {
    PassOneSecond();
    DeliverTimerMessage(1);
    DeliverTimerMessage(2);
    EXPECT_EQ(Main().TimerNamed("tmrMinuteNotice").Enabled(), second == 3);
  }
  PassOneSecond();
  ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrMinuteNotice").id(), 0);
  EXPECT_EQ(said_, std::vector<std::string>{"(notice) Aldric and Character 2, 1 minute left"});
  EXPECT_EQ(::GetForegroundWindow(), other.hwnd());
  EXPECT_TRUE(flashes_.empty());
}

// A window of the test's own plays the other program that holds keys.
TEST_F(AnyProgramKeysTest, HeldOnlyWhileOnAndThoseAnotherProgramHoldsAreTold) {
  Main().Show();
  const toolkit::unique_hwnd other(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                                                     nullptr, nullptr, nullptr, nullptr));
  const auto take = [&](UINT key) {
    return ::RegisterHotKey(other.get(), static_cast<int>(key), MOD_CONTROL | MOD_SHIFT, key) != 0;
  };
  const auto give_back = [&](UINT key) { ::UnregisterHotKey(other.get(), static_cast<int>(key)); };
  const auto told = [&](const wchar_t* option) {
    MessageBoxWatcher watcher([] { return true; });
    Choose(option);
    return watcher.seen().texts;
  };

  ASSERT_TRUE(take(VK_F3));
  EXPECT_EQ(told(kAnyProgramKeys),
            std::vector<std::wstring>{
                L"Ctrl+Shift+F3 is used by another program; the other keys work."});
  EXPECT_TRUE(Checked(kAnyProgramKeys));
  EXPECT_FALSE(take(VK_F1)) << "held by the program";
  Choose(kAnyProgramKeys);
  for (UINT key = VK_F1; key <= VK_F9; ++key) {
    EXPECT_TRUE(key == VK_F3 || take(key)) << "let go: F" << key - VK_F1 + 1;
  }
  EXPECT_EQ(told(kAnyProgramKeys),
            std::vector<std::wstring>{L"Ctrl+Shift+F1\u2026F9 are used by another program."});
  EXPECT_FALSE(Checked(kAnyProgramKeys)) << "off, with every key another program's";

  for (UINT key = VK_F1; key <= VK_F9; ++key) give_back(key);
  Choose(kAnyProgramKeys);
  Main().Unload();
  EXPECT_TRUE(take(VK_F8)) << "let go with the window";
}

}  // namespace
}  // namespace morvane::testing
