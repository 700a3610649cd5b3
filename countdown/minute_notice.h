// A minute's notice before a countdown ends, while the user has it on: the
// tick that takes a row's time left from more than a minute to a minute or
// less gives it, once, and tells the time left at that tick, which after a
// stall or a sleep may be less than a minute.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "countdown/phrase_book.h"

namespace morvane {

// The time left to tell when a tick took a counting row from `before` to
// `after` seconds left; nullopt when that tick gives no notice. A row started
// or resumed with a minute or less never crosses the minute, and one that ran
// out at the tick only rings.
std::optional<std::int64_t> MinuteNoticeAt(std::int64_t before, std::int64_t after);

struct NoticedRow {
  int number;        // 1 to 7, top to bottom
  std::string name;  // the name box's text, UTF-8
  std::int64_t seconds;
};

// The rows noticed together, in the order given, those whose time is said
// alike in one clause: "Aldric and Brenna, 1 minute left; Corvin, 20 seconds
// left", in the words of `book`. Empty for no rows.
std::string MinuteNoticeSentence(const PhraseBook& book, std::span<const NoticedRow> rows);

}  // namespace morvane
