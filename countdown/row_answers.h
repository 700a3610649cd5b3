// What the voice answers when the user asks from another program, with the
// keys that reach the program from anywhere: a row's key tells where that row
// stands, and the key for all rows tells every row there is news of. In the
// words of a phrase book; the examples are English's.
#pragma once

#include <span>
#include <string>

#include "countdown/phrase_book.h"
#include "countdown/row_standing.h"
#include "countdown/time_is_up_sentence.h"

namespace morvane {

struct NamedStanding {
  int number;        // 1 to 7, top to bottom
  std::string name;  // the name box's text, UTF-8
  RowStanding standing;
};

// "Aldric, 11 minutes left"; "Aldric, stopped, 3 minutes left"; "Aldric, not
// started"; "Aldric, time is up"; "Aldric, started again, 1 hour 30
// minutes"; "Aldric, cannot start". The name is said as SpokenName says it;
// a time is said in hours and minutes, the minutes rounded up, and under a
// minute in seconds.
std::string RowAnswer(const PhraseBook& book, const NamedStanding& row);

// The rows that count, are stopped, or have a red name, in the order given,
// as one sentence: "Aldric, 11 minutes left; Brenna, time is up"; "No
// countdowns" for none.
std::string AllRowsAnswer(const PhraseBook& book, std::span<const NamedStanding> rows);

// What the key for the alarms says when it turns the red names white:
// "Aldric and Brenna, seen"; "No alarms" for none.
std::string AlarmsSeenAnswer(const PhraseBook& book, std::span<const ExpiredRow> rows);

}  // namespace morvane
