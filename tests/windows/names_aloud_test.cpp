// "Say the names aloud": what the voice is asked to say, and when.
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

// What the voice is asked to say, as the user lives it: rows started and
// running out, names clicked, options chosen, time passing with every timer's
// message arriving on time.
struct VoiceCase;

class NamesAloudTest : public RemindersFixture,
                       public ::testing::WithParamInterface<VoiceCase> {
 public:
  static std::vector<VoiceCase> Cases();

 protected:
  static constexpr const wchar_t* kSayNames = L"Say the names aloud";
};

struct VoiceCase {
  const char* name;
  std::function<void(NamesAloudTest&)> story;
  std::vector<std::string> said;  // "(silenced)": silence asked for
  bool turned_on = true;          // before the story begins
};

void PrintTo(const VoiceCase& c, std::ostream* out) { *out << c.name; }

std::vector<VoiceCase> NamesAloudTest::Cases() {
  using namespace std::chrono_literals;
  return {
      {"OffAtStart", [](NamesAloudTest& t) { t.StartRow(1, "0:0:1"); t.Pass(5s); }, {}, false},
      {"OneNameOnceTheAlarmHasSounded",
       [](NamesAloudTest& t) {
         t.StartRow(1, "0:0:1"); t.Pass(1s); t.Pass(1990ms);
         t.Mark();
         t.Pass(10ms);
         t.Mark();
         t.Pass(10s);
       },
       {"|", "Aldric, time is up", "|"}},
      {"AnEmptyNameBox",
       [](NamesAloudTest& t) { t.NameBox(4).SetText(""); t.StartRow(4, "0:0:1"); t.Pass(3s); },
       {"Character 4, time is up"}},
      // Brenna runs out first, Aldric a second later: one sentence, in row
      // order, once Aldric's alarm has sounded too.
      {"TwoRowsTogether",
       [](NamesAloudTest& t) {
         t.StartRow(2, "0:0:1"); t.StartRow(1, "0:0:2"); t.Pass(3990ms);
         t.Mark();
         t.Pass(10ms);
         t.Mark();
         t.Pass(5s);
       },
       {"|", "Aldric and Brenna, time is up", "|"}},
      {"ThreeRowsTogetherAndThenOne",
       [](NamesAloudTest& t) {
         t.StartRow(3, "0:0:1"); t.StartRow(1, "0:0:2");
         t.StartRow(2, "0:0:2"); t.StartRow(4, "0:0:5");
         t.Pass(8s);
       },
       {"Aldric, Brenna and Corvin, time is up", "Character 4, time is up"}},
      // The program could not run for a while; a Stop then takes the time
      // off first, and that runs the row out.
      {"ExpiredByAStop",
       [](NamesAloudTest& t) {
         t.StartRow(1, "0:0:1");
         t.clock_.now += 1500ms;
         ClickButton(t.Button(1));
         t.Pass(2s);
       },
       {"Aldric, time is up"}},
      {"AcknowledgedBeforeItIsSaid",
       [](NamesAloudTest& t) {
         t.StartRow(1, "0:0:1"); t.StartRow(2, "0:0:1"); t.Pass(1s); t.Acknowledge(1); t.Pass(2s);
       },
       {"Brenna, time is up"}},
      {"NoneLeft",
       [](NamesAloudTest& t) { t.StartRow(1, "0:0:1"); t.Pass(1s); t.Acknowledge(1); t.Pass(2s); },
       {"(silenced)"}},
      // What is still being said of the names stops with the last of them.
      {"TheLastAcknowledgedAfterItIsSaid",
       [](NamesAloudTest& t) {
         t.StartRow(1, "0:0:1"); t.StartRow(2, "0:0:1"); t.Pass(3s);
         t.Acknowledge(1);
         t.Mark();
         t.Acknowledge(2);
       },
       {"Aldric and Brenna, time is up", "|", "(silenced)"}},
      {"TurnedOffWhileASentenceWaits",
       [](NamesAloudTest& t) {
         t.StartRow(1, "0:0:1"); t.Pass(1s);
         t.Choose(kSayNames); t.Pass(5s);
         t.Choose(kSayNames); t.Pass(5s);
       },
       {"(silenced)"}},
      // Every ten seconds from the expiry, the names still red after the alarm.
      {"RingingAgain",
       [](NamesAloudTest& t) {
         t.Choose(kKeepRinging);
         t.StartRow(1, "0:0:1"); t.StartRow(2, "0:0:1"); t.Pass(1s); t.Pass(2s);
         t.Acknowledge(1);
         t.Pass(8s); t.Pass(1990ms);
         t.Mark();
         t.Pass(10ms);
       },
       {"Aldric and Brenna, time is up", "|", "(reminder) Brenna, time is up"}},
  };
}

TEST_P(NamesAloudTest, SaysWhatRanOutOnceTheAlarmHasSounded) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  NameBox(2).SetText("Brenna");
  NameBox(3).SetText("Corvin");
  if (GetParam().turned_on) Choose(kSayNames);
  EXPECT_TRUE(said_.empty());
  GetParam().story(*this);
  EXPECT_EQ(said_, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(Stories, NamesAloudTest, ::testing::ValuesIn(NamesAloudTest::Cases()),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace morvane::testing
