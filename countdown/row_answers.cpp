#include "countdown/row_answers.h"

#include "countdown/spoken_words.h"

namespace morvane {

namespace {

std::string WhereItStands(const PhraseBook& book, const RowStanding& standing) {
  using State = RowStanding::State;
  const auto& seconds = standing.seconds;
  switch (standing.state) {
    case State::Counting:
      return seconds ? SpokenTimeLeft(book, *seconds) : book.counting;
    case State::Stopped:
      // Nothing after it for a time box that cannot be read.
      return seconds ? SaidOf(book, book.stopped, SpokenTimeLeft(book, *seconds)) : book.stopped;
    case State::RanOut:
      return book.time_is_up;
    case State::StartedAgain:
      return seconds ? SaidOf(book, book.started_again, SpokenTime(book, *seconds))
                     : book.started_again;
    case State::CannotStart:
      return book.cannot_start;
    case State::NotStarted:
      break;
  }
  return book.not_started;
}

bool HasNews(const RowStanding& standing) {
  using State = RowStanding::State;
  return standing.state == State::Counting || standing.state == State::Stopped ||
         (standing.state == State::RanOut && standing.name_red);
}

}  // namespace

std::string RowAnswer(const PhraseBook& book, const NamedStanding& row) {
  return SaidOf(book, SpokenName(book, row.number, row.name), WhereItStands(book, row.standing));
}

std::string AllRowsAnswer(const PhraseBook& book, std::span<const NamedStanding> rows) {
  std::string answer;
  for (const NamedStanding& row : rows) {
    if (HasNews(row.standing)) {
      answer += (answer.empty() ? "" : book.semicolon) + RowAnswer(book, row);
    }
  }
  return answer.empty() ? book.no_countdowns : answer;
}

std::string AlarmsSeenAnswer(const PhraseBook& book, std::span<const ExpiredRow> rows) {
  return rows.empty() ? book.no_alarms : SaidOf(book, SpokenNames(book, rows), book.seen);
}

}  // namespace morvane
