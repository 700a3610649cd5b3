// The words of what the voice says, in one language: one phrase book per
// language, in phrase_books/, each phrase as a speaker of the language says
// it aloud to a player, short, with numbers as digits (the voice reads them
// in its language). Every sentence keeps one shape: the names first, then
// the comma, then what is said of them. "{}" in a phrase stands for the
// number, the time or the names that it tells of.
#pragma once

#include <cstdint>

#include "countdown/plural_rules.h"

namespace morvane {

// A phrase for each plural category of the language's rule; one left out is
// as `other`.
struct PluralForms {
  const char* one = nullptr;
  const char* few = nullptr;
  const char* many = nullptr;
  const char* other = nullptr;

  const char* For(PluralCategory category) const;
};

struct PhraseBook {
  // Windows' primary language identifier: a language identifier's low ten
  // bits, the same in every country (0x09 English, 0x07 German).
  std::uint16_t language;
  PluralRule plural_rule;

  const char* comma;       // after the names: "Aldric, time is up"
  const char* semicolon;   // between two rows' clauses in one sentence
  const char* list_comma;  // between names: "Aldric, Brenna and Corvin"
  const char* list_and;    // before the last name

  PluralForms hours;              // "1 hour"
  PluralForms minutes;            // "5 minutes"
  PluralForms seconds;            // "40 seconds"
  const char* hours_and_minutes;  // between them: "1 hour 5 minutes"
  PluralForms time_left;          // "{} left": the form the time's first number takes

  const char* character;  // a row whose name box is empty: "Character {}"
  const char* time_is_up;
  const char* counting;  // a row whose time box cannot be read
  const char* stopped;
  const char* not_started;
  const char* started_again;
  const char* cannot_start;
  const char* no_countdowns;  // the key for all rows, with none to tell of
  const char* seen;           // the key for the alarms: "Aldric, seen"
  const char* no_alarms;
};

// Whether the voice has phrases in `language` (a primary language identifier).
bool HasPhraseBook(std::uint16_t language);

// The phrases in `language`; English's for a language that has none.
const PhraseBook& PhrasesIn(std::uint16_t language);

}  // namespace morvane
