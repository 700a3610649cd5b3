// The pieces every sentence the program says is made of, in the words of a
// phrase book: a row's name as the listener knows it, a time, several things
// said as a list, and the shape of every sentence.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "countdown/phrase_book.h"

namespace morvane {

// The name box's text without the spaces, tabs, no-break and ideographic
// spaces around it; a box with nothing else is "Character N", as it read
// before anyone typed in it.
std::string SpokenName(const PhraseBook& book, int row_number, std::string_view name);

// "1 hour 5 minutes" for 1:04:50, "1 hour" for 59:30, "40 seconds": the
// minutes rounded up, so that the time said is never less than what is left.
std::string SpokenTime(const PhraseBook& book, std::int64_t seconds);

// The same time as time left: "1 hour 5 minutes left".
std::string SpokenTimeLeft(const PhraseBook& book, std::int64_t seconds);

// "A"; "A and B"; "A, B and C". Empty for none.
std::string SpokenList(const PhraseBook& book, std::span<const std::string> items);

// Every sentence's shape: "Aldric, time is up".
std::string SaidOf(const PhraseBook& book, std::string_view names, std::string_view what);

}  // namespace morvane
