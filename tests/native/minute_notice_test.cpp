// The minute's notice: which tick gives it, and how the rows noticed together
// are told.
#include "countdown/minute_notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

struct Tick {
  int row;
  std::int64_t before;
  std::int64_t after;  // seconds left
};

TEST(MinuteNoticeTest, TheTickThatCrossesTheMinuteTellsTheTimeLeftThen) {
  const char* const names[] = {"", "Aldric", "Brenna", "Corvin"};
  const struct {
    const char* story;
    std::vector<Tick> ticks;
    std::string said;
  } cases[] = {
      {"crossing the minute", {{1, 62, 61}, {1, 61, 60}, {1, 60, 59}}, "Aldric, 1 minute left"},
      {"started at a minute: its first tick", {{1, 60, 59}}, ""},
      {"resumed at 0:50", {{1, 50, 49}}, ""},
      {"a jump past zero only rings", {{1, 75, 0}}, ""},
      {"a jump from 1:30 to 0:20", {{1, 90, 20}}, "Aldric, 20 seconds left"},
      {"rows a moment apart, and one later after a stall",
       {{1, 61, 60}, {2, 61, 60}, {3, 95, 20}},
       "Aldric and Brenna, 1 minute left; Corvin, 20 seconds left"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    std::vector<NoticedRow> noticed;
    for (const Tick& tick : c.ticks) {
      if (const auto left = MinuteNoticeAt(tick.before, tick.after)) {
        noticed.push_back(NoticedRow{tick.row, names[tick.row], *left});
      }
    }
    EXPECT_EQ(MinuteNoticeSentence(noticed), c.said);
  }
}

}  // namespace
}  // namespace morvane
