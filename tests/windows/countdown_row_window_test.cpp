// A countdown row with its real controls on the main window: what the user
// sees and can do while it starts, counts, stops and expires.
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/app_fixture.h"
#include "tests/windows/message_box_watcher.h"

namespace morvane::testing {
namespace {

class RowTest : public AppFixture {};

TEST_F(RowTest, StartsWithAValidTimeLockingTheBoxesAndPlayingTheStartCue) {
  Main().Show();
  StartRow(1, "0:0:3");
  EXPECT_EQ(Button(1).Caption(), "Stop");
  EXPECT_TRUE(Timer(1).Enabled());
  for (auto* box : {&NameBox(1), &TimeBox(1), &GoldBox(1)}) {
    EXPECT_TRUE(box->Locked());
    EXPECT_TRUE(::GetWindowLongW(box->hwnd(), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(::IsWindowEnabled(box->hwnd())) << "locked boxes stay enabled";
  }
  EXPECT_EQ(TimeBox(1).Text(), "0:0:3") << "the first tick rewrites it, not Start";
  EXPECT_EQ(cues_, std::vector<Cue>{Cue::Start});
}

TEST_F(RowTest, CountsDownToExpiryAndRaisesTheHiddenMainWindow) {
  Main().Show();
  StartRow(1, "0:0:3");
  Main().Hide();
  Tick(1);
  EXPECT_EQ(TimeBox(1).Text(), "00:00:02");
  Tick(1);
  EXPECT_EQ(TimeBox(1).Text(), "00:00:01");
  EXPECT_FALSE(::IsWindowVisible(Main().hwnd()));
  Tick(1);
  EXPECT_EQ(TimeBox(1).Text(), "00:00:00");
  EXPECT_EQ(Button(1).Caption(), "Start");
  EXPECT_FALSE(Timer(1).Enabled());
  EXPECT_FALSE(TimeBox(1).Locked());
  EXPECT_FALSE(NameBox(1).Locked());
  EXPECT_FALSE(GoldBox(1).Locked());
  EXPECT_EQ(NameBox(1).TextColour(), kRed);
  EXPECT_EQ(GoldBox(1).TextColour(), kGreen);
  EXPECT_EQ(cues_, (std::vector<Cue>{Cue::Start, Cue::Alarm}));
  EXPECT_TRUE(::IsWindowVisible(Main().hwnd()));
}

TEST_F(RowTest, RefusesAnInvalidTimeWithTheMessageAndPutsTheFocusInTheTimeBox) {
  Main().Show();
  NameBox(1).Focus();
  MessageBoxWatcher watcher([] { return true; });
  StartRow(1, "25:00:00");
  const auto& seen = watcher.seen();
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.title, L"Morvane");
  EXPECT_EQ(seen.texts, std::vector<std::wstring>{L"Invalid Time. Hour:Minutes:Seconds = HH:MM:SS"});
  EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(::GetFocus(), TimeBox(1).hwnd());
  EXPECT_EQ(Button(1).Caption(), "Start");
  EXPECT_EQ(TimeBox(1).Text(), "25:00:00");
  EXPECT_FALSE(TimeBox(1).Locked());
  EXPECT_TRUE(cues_.empty());
}

TEST_F(RowTest, OtherRowsKeepTickingWhileTheMessageIsOpen) {
  Main().Show();
  StartRow(2, "0:10:00");
  // The real window timer fires in the message box's loop; the clock says
  // a second has passed by then.
  clock_.now += std::chrono::milliseconds{1000};
  MessageBoxWatcher watcher([this] { return TimeBox(2).Text() != "0:10:00"; });
  StartRow(1, "abc");
  ASSERT_TRUE(watcher.seen().shown);
  EXPECT_EQ(TimeBox(2).Text(), "00:09:59");
}

// The alarm of one row brings forward the message box that another row's
// invalid time opened, not the main window it disables: the box keeps the
// keyboard, Enter dismisses it, and the focus goes back to that row's time box.
// The same when the main window was minimised, hiding the box with it.
TEST_F(RowTest, TheMessageKeepsTheKeyboardWhenAnotherRowExpires) {
  for (const bool minimised : {false, true}) {
    SCOPED_TRACE(minimised ? "minimised" : "shown");
    Main().Show();
    StartRow(2, "0:0:1");
    MessageBoxWatcher watcher([] { return true; }, [&](HWND box) {
      if (minimised) ::ShowWindow(Main().hwnd(), SW_MINIMIZE);
      Tick(2);
      EXPECT_FALSE(::IsIconic(Main().hwnd()));
      EXPECT_TRUE(::IsWindowVisible(box));
      EXPECT_EQ(::GetActiveWindow(), box);
      EXPECT_TRUE(::IsChild(box, ::GetFocus()));
      PostKey(VK_RETURN);
    });
    StartRow(1, "abc");
    ASSERT_TRUE(watcher.seen().shown);
    EXPECT_EQ(Button(2).Caption(), "Start") << "row 2 expired behind the message";
    EXPECT_TRUE(watcher.answered_in_time()) << "Enter did not dismiss the message";
    EXPECT_EQ(::GetFocus(), TimeBox(1).hwnd());
  }
}

// The same while the user works in another program, which Windows keeps in
// front: the main window's taskbar button flashes, and the message coming
// forward, being the program's window that takes the keyboard, stops it.
TEST_F(RowTest, ARefusedForegroundWithTheMessageOpenFlashesUntilTheMessageIsActivated) {
  Main().Show();
  StartRow(2, "0:0:1");
  std::set<HWND> flashing_behind;
  std::set<HWND> flashing_in_front;
  MessageBoxWatcher watcher([] { return true; }, [&](HWND box) {
    const OtherProgramInFront other(windows_);
    foreground_refused_ = true;
    Tick(2);
    flashing_behind = flashing_;
    ::SetForegroundWindow(box);  // the user comes back, to the message
    flashing_in_front = flashing_;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  StartRow(1, "abc");
  ASSERT_TRUE(watcher.seen().shown);
  EXPECT_EQ(Button(2).Caption(), "Start") << "row 2 expired behind the message";
  EXPECT_EQ(flashing_behind, std::set<HWND>{Main().hwnd()});
  EXPECT_TRUE(flashing_in_front.empty());
}

TEST_F(RowTest, StopUnlocksAndStartResumesFromTheTimeShown) {
  Main().Show();
  StartRow(3, "0:10:01");
  Tick(3);
  ClickButton(Button(3));
  EXPECT_EQ(Button(3).Caption(), "Start");
  EXPECT_FALSE(Timer(3).Enabled());
  EXPECT_FALSE(NameBox(3).Locked());
  EXPECT_FALSE(TimeBox(3).Locked());
  EXPECT_FALSE(GoldBox(3).Locked());
  Tick(3);
  EXPECT_EQ(TimeBox(3).Text(), "00:10:00") << "a stopped row does not tick";
  ClickButton(Button(3));
  Tick(3);
  EXPECT_EQ(TimeBox(3).Text(), "00:09:59");
  EXPECT_EQ(cues_, (std::vector<Cue>{Cue::Start, Cue::Start}));
}

TEST_F(RowTest, ClickingTheNameTurnsItWhiteWhileRunningAndAfterExpiry) {
  Main().Show();
  StartRow(1, "0:0:1");
  ClickAt(NameBox(1).hwnd(), POINT{5, 5});
  EXPECT_EQ(NameBox(1).TextColour(), kWhite);
  EXPECT_EQ(Button(1).Caption(), "Stop") << "the click changes nothing else";
  Tick(1);
  ASSERT_EQ(NameBox(1).TextColour(), kRed);
  ClickAt(NameBox(1).hwnd(), POINT{5, 5});
  EXPECT_EQ(NameBox(1).TextColour(), kWhite);
  EXPECT_EQ(GoldBox(1).TextColour(), kGreen);
  ClickAt(GoldBox(1).hwnd(), POINT{5, 5});
  EXPECT_EQ(GoldBox(1).TextColour(), kGreen) << "the gold box has no click";
}

TEST_F(RowTest, LockedBoxesRefuseTyping) {
  Main().Show();
  StartRow(1, "1:00:00");
  for (auto* box : {&NameBox(1), &TimeBox(1), &GoldBox(1)}) {
    const std::string before = box->Text();
    box->Focus();
    ::SendMessageW(box->hwnd(), WM_CHAR, L'7', 1);
    EXPECT_EQ(box->Text(), before);
  }
}

// Read back from what each box paints: an editable box asks its form for
// its colours with one message, a locked (read-only) one with another.
TEST_F(RowTest, BoxesArePaintedInTheirOwnColoursLockedOrNot) {
  Main().Show();
  StartRow(1, "0:0:1");
  Tick(1);  // unlocked again, the name red and the gold green
  StartRow(2, "1:00:00");  // locked
  struct Case {
    toolkit::EditBox* box;
    Colour text;
  };
  for (const Case& c : {Case{&NameBox(1), kRed}, Case{&GoldBox(1), kGreen},
                        Case{&TimeBox(1), kWhite}, Case{&NameBox(2), kWhite},
                        Case{&GoldBox(2), kWhite}}) {
    SCOPED_TRACE(WindowText(c.box->hwnd()).c_str());
    ASSERT_EQ(c.box->Locked(), c.box == &NameBox(2) || c.box == &GoldBox(2));
    const ClientPixels pixels(c.box->hwnd());
    int back = 0;
    int text = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
      for (int x = 0; x < pixels.Width(); ++x) {
        back += pixels.At(x, y) == 0x808080u;
        text += pixels.At(x, y) == c.text;
      }
    }
    EXPECT_GT(back, pixels.Width() * pixels.Height() / 2) << "grey behind the text";
    EXPECT_GT(text, 10) << "text in its own colour";
  }
}

TEST_F(RowTest, RowsRunIndependentlyAndOneExpiringLeavesTheOthersRunning) {
  Main().Show();
  StartRow(1, "0:0:2");
  StartRow(4, "0:0:5");
  StartRow(7, "1:00");
  for (int second = 0; second < 2; ++second) {
    PassOneSecond();
    for (int row : {1, 4, 7}) DeliverTimerMessage(row);
  }
  EXPECT_EQ(Button(1).Caption(), "Start");
  EXPECT_EQ(Button(4).Caption(), "Stop");
  EXPECT_EQ(Button(7).Caption(), "Stop");
  EXPECT_EQ(TimeBox(4).Text(), "00:00:03");
  EXPECT_EQ(TimeBox(7).Text(), "00:59:58");
  EXPECT_EQ(NameBox(4).TextColour(), kWhite);
  EXPECT_EQ(Button(2).Caption(), "Start") << "untouched rows stay idle";
}

// The system delivers timer messages on its clock ticks, so one can come a
// few milliseconds before the second it stands for; one that comes well
// before is not that second.
TEST_F(RowTest, TheTimerKeepsRealTimeThroughEarlyMessagesAndStalls) {
  Main().Show();
  StartRow(5, "0:0:10");
  clock_.now += std::chrono::milliseconds{600};
  DeliverTimerMessage(5);
  EXPECT_EQ(TimeBox(5).Text(), "0:0:10") << "a timer message 0.4 s early is not a tick";
  clock_.now += std::chrono::milliseconds{395};
  DeliverTimerMessage(5);
  EXPECT_EQ(TimeBox(5).Text(), "00:00:09") << "one 5 ms early is the tick";
  clock_.now += std::chrono::milliseconds{3000};  // a stall: three ticks were due
  DeliverTimerMessage(5);
  EXPECT_EQ(TimeBox(5).Text(), "00:00:06") << "one message takes off every second missed";
}

// A click waiting in the queue is handled before the timer message of the
// seconds that passed meanwhile: Stop takes those seconds off first.
TEST_F(RowTest, StopAfterAStallTakesOffTheSecondsThatPassed) {
  Main().Show();
  StartRow(6, "0:10:00");
  Tick(6);
  ASSERT_EQ(TimeBox(6).Text(), "00:09:59");
  clock_.now += std::chrono::seconds{6};  // no timer message came
  ClickButton(Button(6));
  EXPECT_EQ(TimeBox(6).Text(), "00:09:53");
  EXPECT_EQ(Button(6).Caption(), "Start");
  EXPECT_FALSE(Timer(6).Enabled());
  EXPECT_FALSE(TimeBox(6).Locked());
}

}  // namespace
}  // namespace morvane::testing
