// The minute's notice: which tick gives it, and how the rows noticed together
// are told.
#include "countdown/minute_notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

TEST(MinuteNoticeTest, TheTickThatCrossesTheMinuteTellsTheTimeLeftThen) {
  const char* const names[] = {"Aldric", "Brenna", "Corvin"};
  const struct {
    const char* story;
    std::vector<std::vector<std::int64_t>> ticks;  // row, seconds left before, after
    std::string said;
  } cases[] = {
      {"crossing the minute", {{0, 62, 61}, {0, 61, 60}, {0, 60, 59}}, "Aldric, 1 minute left"},
      {"started at a minute: its first tick", {{0, 60, 59}}, ""},
      {"resumed at 0:50", {{0, 50, 49}}, ""},
      {"a jump past zero only rings", {{0, 75, 0}}, ""},
      {"a jump from 1:30 to 0:20", {{0, 90, 20}}, "Aldric, 20 seconds left"},
      {"rows a moment apart, and one after a stall", {{0, 61, 60}, {1, 61, 60}, {2, 95, 20}},
       "Aldric and Brenna, 1 minute left; Corvin, 20 seconds left"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    std::vector<NoticedRow> noticed;
    for (const auto& tick : c.ticks) {
      if (const auto left = MinuteNoticeAt(tick[1], tick[2])) {
        noticed.push_back(NoticedRow{static_cast<int>(tick[0]) + 1, names[tick[0]], *left});
      }
    }
    EXPECT_EQ(MinuteNoticeSentence(noticed), c.said);
  }
}

}  // namespace
}  // namespace morvane
