// What the voice answers for a row's key and for the key of all rows, and
// the minute's notice it gives unasked.
#include "countdown/row_answers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "countdown/minute_notice.h"
#include "countdown/phrase_books/phrase_books.h"

namespace morvane {
namespace {

using State = RowStanding::State;
using phrase_books::kEnglish;

TEST(RowAnswersTest, ARowSaysWhereItStandsWithItsTimeRoundedUpToMinutes) {
  const struct {
    NamedStanding row;
    std::string answer;
  } cases[] = {
      {{1, "Aldric", {State::Counting, 626}}, "Aldric, 11 minutes left"},
      {{1, "Aldric", {State::Counting, 3890}}, "Aldric, 1 hour 5 minutes left"},
      {{1, "Aldric", {State::Counting, 3570}}, "Aldric, 1 hour left"},
      {{1, "Aldric", {State::Counting, 3601}}, "Aldric, 1 hour 1 minute left"},
      {{1, "Aldric", {State::Counting, 7140}}, "Aldric, 1 hour 59 minutes left"},
      {{1, "Aldric", {State::Counting, 86400}}, "Aldric, 24 hours left"},
      {{1, "Aldric", {State::Counting, 61}}, "Aldric, 2 minutes left"},
      {{1, "Aldric", {State::Counting, 60}}, "Aldric, 1 minute left"},
      {{1, "Aldric", {State::Counting, 59}}, "Aldric, 59 seconds left"},
      {{1, "Aldric", {State::Counting, 40}}, "Aldric, 40 seconds left"},
      {{1, "Aldric", {State::Counting, 1}}, "Aldric, 1 second left"},
      {{1, "Aldric", {State::Counting}}, "Aldric, counting"},
      {{3, "Corvin", {State::Stopped, 180}}, "Corvin, stopped, 3 minutes left"},
      {{3, "Corvin", {State::Stopped}}, "Corvin, stopped"},
      {{2, "Brenna", {State::NotStarted}}, "Brenna, not started"},
      {{2, "Brenna", {State::RanOut, {}, true}}, "Brenna, time is up"},
      {{1, "Aldric", {State::StartedAgain, 5400}}, "Aldric, started again, 1 hour 30 minutes"},
      {{1, "Aldric", {State::CannotStart}}, "Aldric, cannot start"},
      // The name as the expiry sentence says it, never the voice's markup.
      {{3, " \t ", {State::NotStarted}}, "Character 3, not started"},
      {{3, "\xC2\xA0\xE3\x80\x80 \xE2\x80\xAF", {State::NotStarted}}, "Character 3, not started"},
      {{4, "  Dagny ", {State::Stopped, 59}}, "Dagny, stopped, 59 seconds left"},
      {{6, "<silence msec='9'/>", {State::NotStarted}}, "<silence msec='9'/>, not started"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(RowAnswer(kEnglish, c.row), c.answer);
  }
}

TEST(RowAnswersTest, AllRowsSayEveryRowThatCountsIsStoppedOrRedInRowOrder) {
  const NamedStanding counting{1, "Aldric", {State::Counting, 626}};
  const NamedStanding red{2, "Brenna", {State::RanOut, {}, true}};
  const NamedStanding stopped{3, "Corvin", {State::Stopped, 180}};
  const NamedStanding seen{4, "Dagny", {State::RanOut, {}, false}};
  const NamedStanding idle{5, "", {State::NotStarted}};
  const struct {
    std::vector<NamedStanding> rows;
    std::string answer;
  } cases[] = {
      {{counting, red, stopped, seen, idle},
       "Aldric, 11 minutes left; Brenna, time is up; Corvin, stopped, 3 minutes left"},
      {{seen, red, idle}, "Brenna, time is up"},
      {{idle, seen}, "No countdowns"},
      {{}, "No countdowns"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(AllRowsAnswer(kEnglish, c.rows), c.answer);
  }
}

TEST(MinuteNoticeTest, TheTickThatCrossesTheMinuteTellsTheTimeLeftThen) {
  const char* const names[] = {"Aldric", "Brenna", "Corvin"};
  const struct {
    const char* story;
    std::vector<std::vector<std::int64_t>> ticks;  // row, seconds left before, after
    std::string said;
  } cases[] = {
      {"crossing the minute", {{0, 62, 61}, {0, 61, 60}, {0, 60, 59}}, "Aldric, 1 minute left"},
      {"started at a minute, resumed at 0:50: their first ticks", {{0, 60, 59}, {1, 50, 49}}, ""},
      {"a jump past zero only rings", {{0, 75, 0}}, ""},
      {"a jump from 1:30 to 0:20", {{0, 90, 20}}, "Aldric, 20 seconds left"},
      {"a jump from 1:30 to 0:01", {{0, 90, 1}}, "Aldric, 1 second left"},
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
    EXPECT_EQ(MinuteNoticeSentence(kEnglish, noticed), c.said);
  }
}

}  // namespace
}  // namespace morvane
