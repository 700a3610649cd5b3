// What the voice answers for a row's key and for the key of all rows.
#include "countdown/row_answers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane {
namespace {

using State = RowStanding::State;

TEST(RowAnswersTest, ARowSaysWhereItStandsWithItsTimeRoundedUpToMinutes) {
  const struct {
    NamedStanding row;
    std::string answer;
  } cases[] = {
      {{1, "Aldric", {State::Counting, 626}}, "Aldric, 11 minutes left"},
      {{1, "Aldric", {State::Counting, 3890}}, "Aldric, 1 hour 5 minutes left"},
      {{1, "Aldric", {State::Counting, 3570}}, "Aldric, 1 hour left"},
      {{1, "Aldric", {State::Counting, 3601}}, "Aldric, 1 hour 1 minute left"},
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
    EXPECT_EQ(RowAnswer(c.row), c.answer);
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
    EXPECT_EQ(AllRowsAnswer(c.rows), c.answer);
  }
}

TEST(RowAnswersTest, TheKeyForTheAlarmsSaysTheNamesItTurnedWhite) {
  EXPECT_EQ(AlarmsSeenAnswer(std::vector<ExpiredRow>{{1, "Aldric"}, {2, " "}}),
            "Aldric and Character 2, seen");
  EXPECT_EQ(AlarmsSeenAnswer({}), "No alarms");
}

}  // namespace
}  // namespace morvane
