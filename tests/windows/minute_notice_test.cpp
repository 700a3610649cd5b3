// "A minute's notice": what the voice says of the rows' last minute, and what
// it leaves unsaid, through the program's own speech queue to an engine kept
// busy while the notices wait.
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

struct NoticeStory;

class MinuteNoticeTest : public RemindersFixture,
                         public ::testing::WithParamInterface<NoticeStory> {
 public:
  static std::vector<NoticeStory> Stories();

 protected:
  void KeepTheVoiceBusy() { voice_.HoldSaying("Character 4, not started"); }
  static constexpr const char* kBusy = "(answer) Character 4, not started";
  static constexpr const wchar_t* kMinuteNotice = L"A minute's notice";
};

struct NoticeStory {
  const char* name;
  std::function<void(MinuteNoticeTest&)> story;
  std::vector<std::string> said;
};

void PrintTo(const NoticeStory& s, std::ostream* out) { *out << s.name; }

std::vector<NoticeStory> MinuteNoticeTest::Stories() {
  using namespace std::chrono_literals;
  return {
      // Noticed at 1:00; Aldric stopped at 0:40, Brenna at 0:35.
      {"TwoOfThreeStoppedBehindABusyVoice",
       [](MinuteNoticeTest& t) {
         t.KeepTheVoiceBusy();
         for (const int row : {1, 2, 3}) t.StartRow(row, "0:1:3");
         t.Pass(23s); ClickButton(t.Button(1)); t.Pass(5s); ClickButton(t.Button(2));
         t.voice_.Release();
       },
       {kBusy, "(notice) Corvin, 35 seconds left"}},
      // Aldric's notice waits in the voice's turn, Brenna's in the gathering.
      {"TurnedOffAndOnWhileNoticesWait",
       [](MinuteNoticeTest& t) {
         t.KeepTheVoiceBusy(); t.StartRow(1, "0:1:3"); t.StartRow(2, "0:1:5"); t.Pass(5500ms);
         t.Choose(kMinuteNotice); t.Choose(kMinuteNotice); t.Pass(5s);
         t.voice_.Release();
       },
       {kBusy}},
      {"ARowRunsOutWhileItsNoticeWaits",
       [](MinuteNoticeTest& t) {
         t.KeepTheVoiceBusy(); t.StartRow(1, "0:1:3"); t.StartRow(2, "0:1:13"); t.Pass(64s);
         t.voice_.Release();
       },
       {kBusy, "(notice) Brenna, 1 minute left"}},
      // Brenna crosses 0.6 s after Aldric: told with him, a second after his.
      {"ACrossingWithinTheGatheringSecond",
       [](MinuteNoticeTest& t) {
         t.StartRow(1, "0:1:3"); t.clock_.now += 600ms; t.StartRow(2, "0:1:3");
         t.Pass(3300ms); t.Mark(); t.Pass(200ms); t.Mark();
       },
       {"|", "(notice) Aldric and Brenna, 1 minute left", "|"}},
      // Brenna's alarm rings as Aldric crosses: told once it has sounded.
      {"DuringAnotherRowsAlarm",
       [](MinuteNoticeTest& t) {
         t.StartRow(1, "0:1:5"); t.StartRow(2, "0:0:5");
         t.Pass(6900ms); t.Mark(); t.Pass(200ms); t.Mark();
       },
       {"|", "(notice) Aldric, 1 minute left", "|"}},
  };
}

TEST_P(MinuteNoticeTest, TellsTheLastMinuteOfTheRowsStillCounting) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  NameBox(2).SetText("Brenna");
  NameBox(3).SetText("Corvin");
  Choose(kMinuteNotice);
  GetParam().story(*this);
  EXPECT_EQ(said_, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(Stories, MinuteNoticeTest,
                         ::testing::ValuesIn(MinuteNoticeTest::Stories()),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace morvane::testing
