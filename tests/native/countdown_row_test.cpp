// The countdown row against fake controls. Every effect on a control or on
// the host goes into one log, so the tests see both what happened and in
// which order; reads leave no trace.
#include "countdown/countdown_row.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {
namespace {

using Log = std::vector<std::string>;

std::string ColourName(Colour colour) {
  switch (colour) {
    case kWhite: return "white";
    case kRed: return "red";
    case kGreen: return "green";
    default: return std::to_string(colour);
  }
}

class FakeTextBox final : public TextBox {
 public:
  FakeTextBox(std::string name, std::string text, Log& log)
      : name_(std::move(name)), text_(std::move(text)), log_(log) {}

  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override {
    text_ = text;
    log_.push_back(name_ + " text " + text_);
  }
  bool Locked() const override { return locked_; }
  void SetLocked(bool locked) override {
    locked_ = locked;
    log_.push_back((locked ? "lock " : "unlock ") + name_);
  }
  Colour TextColour() const override { return colour_; }
  void SetTextColour(Colour colour) override {
    colour_ = colour;
    log_.push_back(name_ + " " + ColourName(colour));
  }
  void Focus() override { log_.push_back("focus " + name_); }

  // What the user types, or what something outside the program writes.
  void Type(std::string text) { text_ = std::move(text); }

 private:
  std::string name_;
  std::string text_;
  bool locked_ = false;
  Colour colour_ = kWhite;
  Log& log_;
};

class FakeButton final : public PushButton {
 public:
  explicit FakeButton(Log& log) : log_(log) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override {
    caption_ = caption;
    log_.push_back("caption " + caption_);
  }
  void Relabel(std::string caption) { caption_ = std::move(caption); }

 private:
  std::string caption_ = "Start";
  Log& log_;
};

class FakeTimer final : public IntervalTimer {
 public:
  explicit FakeTimer(Log& log) : log_(log) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    log_.push_back(enabled ? "timer on" : "timer off");
  }
  std::int64_t TicksDue() const override { return due; }
  std::int64_t TakeTicksDueNow() override { return std::exchange(due_now, 0); }

  std::int64_t due = 1;      // seconds the next tick stands for
  std::int64_t due_now = 0;  // seconds that passed with no tick yet

 private:
  bool enabled_ = false;
  Log& log_;
};

class FakeHost final : public RowHost {
 public:
  explicit FakeHost(Log& log) : log_(log) {}
  void ShowMessage(std::string_view text) override {
    log_.push_back("message " + std::string(text));
  }
  void ShowMainWindow() override { log_.push_back("show main window"); }
  void PlayCue(Cue cue) override {
    log_.push_back(cue == Cue::Start ? "start cue" : "alarm cue");
  }
  DateOrder UserDateOrder() const override { return order; }

  DateOrder order = DateOrder::MonthDayYear;

 private:
  Log& log_;
};

const Log kStartEffects = {"start cue",  "lock Text",   "lock Gold", "lock txtTime",
                           "caption Stop", "Text white", "Gold white", "timer on"};
const Log kStopEffects = {"caption Start", "timer off", "unlock Text", "unlock Gold",
                          "unlock txtTime"};
const Log kInvalidTimeEffects = {
    "message Invalid Time. Hour:Minutes:Seconds = HH:MM:SS", "focus txtTime"};

const Log kExpiryEffects = {"txtTime text 00:00:00", "caption Start", "timer off",
                            "unlock txtTime",        "unlock Text",   "unlock Gold",
                            "Text red",              "Gold green",    "alarm cue",
                            "show main window"};

class CountdownRowTest : public ::testing::Test {
 protected:
  // Everything that happened since the last call.
  Log TakeLog() { return std::exchange(log_, {}); }

  void StartWith(std::string time_text) {
    time_.Type(std::move(time_text));
    row_.cmdStart_Click();
    ASSERT_EQ(TakeLog(), kStartEffects);
  }

  void ExpectIdle() {
    EXPECT_EQ(button_.Caption(), "Start");
    EXPECT_FALSE(timer_.Enabled());
    EXPECT_FALSE(name_.Locked());
    EXPECT_FALSE(time_.Locked());
    EXPECT_FALSE(gold_.Locked());
  }

  void ExpectRunning() {
    EXPECT_EQ(button_.Caption(), "Stop");
    EXPECT_TRUE(timer_.Enabled());
    EXPECT_TRUE(name_.Locked());
    EXPECT_TRUE(time_.Locked());
    EXPECT_TRUE(gold_.Locked());
  }

  Log log_;
  FakeTextBox name_{"Text", "Character 1", log_};
  FakeTextBox time_{"txtTime", "00:00:00", log_};
  FakeTextBox gold_{"Gold", "00 k", log_};
  FakeButton button_{log_};
  FakeTimer timer_{log_};
  FakeHost host_{log_};
  CountdownRow row_{{name_, time_, gold_, button_, timer_}, host_};
};

TEST_F(CountdownRowTest, StartWithAValidTimeLocksTheRowAndLeavesTheTextAsTyped) {
  StartWith("0:0:3");
  ExpectRunning();
  EXPECT_EQ(time_.Text(), "0:0:3");
  EXPECT_EQ(name_.TextColour(), kWhite);
  EXPECT_EQ(gold_.TextColour(), kWhite);
}

TEST_F(CountdownRowTest, StartWithAnInvalidTimeReportsItAndChangesNothing) {
  for (const char* text : {"25:00:00", "", "abc", "24:00:00", "12:60:00", "1:30\t"}) {
    SCOPED_TRACE(text);
    time_.Type(text);
    row_.cmdStart_Click();
    EXPECT_EQ(TakeLog(), kInvalidTimeEffects);
    ExpectIdle();
    EXPECT_EQ(time_.Text(), text);
  }
}

TEST_F(CountdownRowTest, ThreeSecondsExpireOnTheThirdTick) {
  StartWith("0:0:3");
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 00:00:02"});
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 00:00:01"});
  ExpectRunning();

  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), kExpiryEffects);
  ExpectIdle();
  EXPECT_EQ(time_.Text(), "00:00:00");
  EXPECT_EQ(name_.TextColour(), kRed);
  EXPECT_EQ(gold_.TextColour(), kGreen);
}

TEST_F(CountdownRowTest, StartingAtZeroRunsAFullDay) {
  StartWith("00:00:00");
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 23:59:59"});
  for (int tick = 2; tick < 86400; ++tick) row_.tmrCrono_Timer();
  ExpectRunning();
  EXPECT_EQ(time_.Text(), "00:00:01");
  TakeLog();
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), kExpiryEffects);
}

// A tick that stands for several seconds (the program could not run, or the
// machine slept) takes them all off in one write, and never counts past zero:
// a row that ran out meanwhile expires once, showing "00:00:00".
TEST_F(CountdownRowTest, MissedSecondsAreTakenOffInOneTick) {
  struct Case {
    const char* start;
    std::int64_t seconds;
    Log effects;
  };
  const Case cases[] = {
      {"1:00:00", 5, {"txtTime text 00:59:55"}},
      {"0:0:5", 4, {"txtTime text 00:00:01"}},
      {"0:0:5", 5, kExpiryEffects},
      {"0:0:3", 1800, kExpiryEffects},
      // Started at zero, the row runs through midnight for a full day.
      {"00:00:00", 5, {"txtTime text 23:59:55"}},
      {"00:00:00", 86399, {"txtTime text 00:00:01"}},
      {"00:00:00", 86400, kExpiryEffects},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " after " + std::to_string(c.seconds) + " s");
    StartWith(c.start);
    timer_.due = c.seconds;
    row_.tmrCrono_Timer();
    EXPECT_EQ(TakeLog(), c.effects);
    if (button_.Caption() == "Stop") {
      row_.cmdStart_Click();
      TakeLog();
    }
  }
}

TEST_F(CountdownRowTest, StopKeepsTimeAndColoursAndStartResumes) {
  StartWith("00:10:01");
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 00:10:00"});

  row_.cmdStart_Click();
  EXPECT_EQ(TakeLog(), kStopEffects);
  ExpectIdle();
  EXPECT_EQ(time_.Text(), "00:10:00");

  StartWith(time_.Text());
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 00:09:59"});
}

// A Stop handled before the timer message of seconds that passed (a click
// queued during a stall) takes them off first; a row that ran out meanwhile
// expires instead of stopping, once.
TEST_F(CountdownRowTest, StopTakesOffTheSecondsThatPassedWithNoTick) {
  struct Case {
    const char* start;
    std::int64_t seconds;
    Log effects;
  };
  const auto stop_at = [](const char* time) {
    Log effects{std::string("txtTime text ") + time};
    effects.insert(effects.end(), kStopEffects.begin(), kStopEffects.end());
    return effects;
  };
  const Case cases[] = {
      {"0:09:59", 6, stop_at("00:09:53")},
      {"0:09:59", 1, stop_at("00:09:58")},
      {"0:09:59", 0, kStopEffects},
      {"0:0:1", 1, kExpiryEffects},
      {"0:0:5", 5, kExpiryEffects},
      {"0:0:5", 9, kExpiryEffects},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " after " + std::to_string(c.seconds) + " s");
    StartWith(c.start);
    timer_.due_now = c.seconds;
    row_.cmdStart_Click();
    EXPECT_EQ(TakeLog(), c.effects);
    ExpectIdle();
  }
}

// Only the exact caption "Start" means Idle; anything else reads as Running.
TEST_F(CountdownRowTest, CaptionIsComparedExactly) {
  for (const char* caption : {"Stop", "start", "START", "Start ", " Start", "Stop ", "",
                              "Start\n", "Sta"}) {
    SCOPED_TRACE(caption);
    button_.Relabel(caption);
    time_.Type("1:00");
    row_.cmdStart_Click();
    EXPECT_EQ(TakeLog(), kStopEffects);
  }
  button_.Relabel("Start");
  row_.cmdStart_Click();
  EXPECT_EQ(TakeLog(), kStartEffects);
}

// An unreadable text in the locked box (written by something outside the
// program) leaves nothing to count: the row stops as the Stop button does.
TEST_F(CountdownRowTest, TickOrStopOnAnUnreadableTextStopsTheRow) {
  for (const bool stop : {false, true}) {
    SCOPED_TRACE(stop ? "stop" : "tick");
    StartWith("1:00");
    time_.Type("garbage");
    timer_.due_now = 2;  // what a Stop would try to take off first
    if (stop) {
      row_.cmdStart_Click();
    } else {
      row_.tmrCrono_Timer();
    }
    EXPECT_EQ(TakeLog(), kStopEffects);
    ExpectIdle();
    EXPECT_EQ(time_.Text(), "garbage");
  }
}

TEST_F(CountdownRowTest, NameClickTurnsOnlyTheNameWhite) {
  // While Idle, before anything happened.
  row_.Text_Click();
  EXPECT_EQ(TakeLog(), Log{"Text white"});

  // While Running.
  StartWith("0:0:2");
  row_.Text_Click();
  EXPECT_EQ(TakeLog(), Log{"Text white"});
  ExpectRunning();

  // After the alarm: the gold stays green until the next Start.
  row_.tmrCrono_Timer();
  row_.tmrCrono_Timer();
  TakeLog();
  row_.Text_Click();
  EXPECT_EQ(TakeLog(), Log{"Text white"});
  EXPECT_EQ(name_.TextColour(), kWhite);
  EXPECT_EQ(gold_.TextColour(), kGreen);
  ExpectIdle();

  StartWith("0:0:2");
  EXPECT_EQ(gold_.TextColour(), kWhite);
}

// The row reads and steps dates in the user's order.
TEST_F(CountdownRowTest, DatesFollowTheUserDateOrder) {
  time_.Type("13/1/2000 0:0:2");
  row_.cmdStart_Click();
  EXPECT_EQ(TakeLog(), kInvalidTimeEffects);

  host_.order = DateOrder::DayMonthYear;
  StartWith("13/1/2000 0:0:2");
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), Log{"txtTime text 00:00:01"});
  row_.tmrCrono_Timer();
  EXPECT_EQ(TakeLog(), kExpiryEffects);
}

// The row's key answers where it stands, and starts a row that ran out again
// from the text it was last started with; nothing else changes.
struct KeyCase;

class RowKeyTest : public CountdownRowTest, public ::testing::WithParamInterface<KeyCase> {
 public:
  static std::vector<KeyCase> Cases();

 protected:
  // Starts the row and lets one tick take `seconds` off.
  void StartAndTick(const char* time, std::int64_t seconds) {
    StartWith(time);
    timer_.due = seconds;
    row_.tmrCrono_Timer();
  }
};

struct KeyCase {
  const char* name;
  std::function<void(RowKeyTest&)> before;
  RowStanding standing;  // as the key leaves it
  Log effects;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

std::vector<KeyCase> RowKeyTest::Cases() {
  using State = RowStanding::State;
  using T = RowKeyTest;
  const auto again = [](const std::string& time) {
    Log effects = kStartEffects;
    effects.insert(effects.begin(), "txtTime text " + time);
    return effects;
  };
  // Stopped at 00:05:00 and resumed.
  const auto resumed_and_ran_out = [](T& t) {
    t.StartAndTick("1:30", 5100);
    t.row_.cmdStart_Click();
    t.row_.cmdStart_Click();
    t.timer_.due = 300;
    t.row_.tmrCrono_Timer();
  };
  return {
      {"NeverStarted", [](T&) {}, {State::NotStarted}, {}},
      {"Counting", [](T& t) { t.StartWith("0:10:26"); }, {State::Counting, 626}, {}},
      {"CountingFromMidnight", [](T& t) { t.StartWith("00:00:00"); }, {State::Counting, 86400}, {}},
      {"Stopped", [](T& t) { t.StartAndTick("0:3:1", 1); t.row_.cmdStart_Click(); },
       {State::Stopped, 180}, {}},
      {"StoppedAtMidnightBeforeItsFirstTick",
       [](T& t) { t.StartWith("00:00:00"); t.row_.cmdStart_Click(); }, {State::Stopped, 86400}, {}},
      {"StoppedWithATextThatCannotBeRead",
       [](T& t) { t.StartWith("0:3:1"); t.row_.cmdStart_Click(); t.time_.Type("soon"); },
       {State::Stopped}, {}},
      {"RanOut", [](T& t) { t.StartAndTick("1:30", 5400); }, {State::StartedAgain, 5400},
       again("1:30")},
      {"ResumedAndRanOut", resumed_and_ran_out, {State::StartedAgain, 5400}, again("1:30")},
      {"RanOutOnceMoreFromTheTimeItWasStoppedAt",
       [=](T& t) {
         resumed_and_ran_out(t);
         t.TakeLog();
         t.StartAndTick("00:05:00", 300);
       },
       {State::StartedAgain, 300}, again("00:05:00")},
      {"RanOutAndAcknowledged", [](T& t) { t.StartAndTick("1:30", 5400); t.row_.Text_Click(); },
       {State::StartedAgain, 5400}, again("1:30")},
      {"RanOutAndANewTimeTyped", [](T& t) { t.StartAndTick("1:30", 5400); t.time_.Type("0:5:0"); },
       {State::Stopped, 300}, {}},
      {"RanOutAndItsDateReadOtherwiseNow",
       [](T& t) {
         t.host_.order = DateOrder::DayMonthYear;
         t.StartAndTick("13/1/2000 0:0:1", 1);
         t.host_.order = DateOrder::MonthDayYear;
       },
       {State::CannotStart}, {}},
  };
}

TEST_P(RowKeyTest, StartsARowThatRanOutAgainAndLeavesAnyOtherAlone) {
  GetParam().before(*this);
  TakeLog();
  const RowStanding before = row_.Standing();
  EXPECT_EQ(row_.StartAgainIfRanOut(), GetParam().standing);
  EXPECT_EQ(TakeLog(), GetParam().effects);
  if (GetParam().effects.empty()) {
    EXPECT_EQ(row_.Standing(), before) << "nothing changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Stories, RowKeyTest, ::testing::ValuesIn(RowKeyTest::Cases()),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(CountdownRowTest, ARowThatRanOutStandsRedUntilItsNameIsClicked) {
  StartWith("0:0:1");
  row_.tmrCrono_Timer();
  EXPECT_EQ(row_.Standing(), (RowStanding{RowStanding::State::RanOut, {}, true}));
  row_.Text_Click();
  EXPECT_EQ(row_.Standing(), (RowStanding{RowStanding::State::RanOut, {}, false}));
}

}  // namespace
}  // namespace morvane
