// What the voice says when rows run out: their names, as their name boxes
// show them, joined as a list is said, and then ", time is up", in the words
// of a phrase book.
#pragma once

#include <span>
#include <string>

#include "countdown/phrase_book.h"

namespace morvane {

struct ExpiredRow {
  int number;        // 1 to 7, top to bottom
  std::string name;  // the name box's text, UTF-8
};

// The rows' names as the voice says them, as a list: "Aldric and Character
// 2". Empty for no rows.
std::string SpokenNames(const PhraseBook& book, std::span<const ExpiredRow> rows);

// "Aldric, time is up"; "Aldric and Brenna, time is up"; "Aldric, Brenna and
// Corvin, time is up", for rows given in row order. Spaces and tabs around a
// name are left out, and a name box with nothing else is "Character N", as
// it read before anyone typed in it. Empty for no rows.
std::string TimeIsUpSentence(const PhraseBook& book, std::span<const ExpiredRow> rows);

}  // namespace morvane
