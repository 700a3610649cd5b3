#include "countdown/row_answers.h"

#include <cstdint>
#include <optional>

#include "countdown/spoken_words.h"

namespace morvane {

namespace {

// ", 3 minutes" and what follows it, or nothing for a time box that cannot
// be read.
std::string TimePart(const std::optional<std::int64_t>& seconds, const char* after) {
  return seconds ? ", " + SpokenTime(*seconds) + after : "";
}

std::string WhereItStands(const RowStanding& standing) {
  using State = RowStanding::State;
  switch (standing.state) {
    case State::Counting:
      return standing.seconds ? SpokenTime(*standing.seconds) + " left" : "counting";
    case State::Stopped:
      return "stopped" + TimePart(standing.seconds, " left");
    case State::RanOut:
      return "time is up";
    case State::StartedAgain:
      return "started again" + TimePart(standing.seconds, "");
    case State::CannotStart:
      return "cannot start";
    case State::NotStarted:
      break;
  }
  return "not started";
}

bool HasNews(const RowStanding& standing) {
  using State = RowStanding::State;
  return standing.state == State::Counting || standing.state == State::Stopped ||
         (standing.state == State::RanOut && standing.name_red);
}

}  // namespace

std::string RowAnswer(const NamedStanding& row) {
  return SpokenName(row.number, row.name) + ", " + WhereItStands(row.standing);
}

std::string AllRowsAnswer(std::span<const NamedStanding> rows) {
  std::string answer;
  for (const NamedStanding& row : rows) {
    if (HasNews(row.standing)) {
      answer += (answer.empty() ? "" : "; ") + RowAnswer(row);
    }
  }
  return answer.empty() ? "No countdowns" : answer;
}

std::string AlarmsSeenAnswer(std::span<const ExpiredRow> rows) {
  return rows.empty() ? "No alarms" : SpokenNames(rows) + ", seen";
}

}  // namespace morvane
