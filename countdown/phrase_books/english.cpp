// English, as Windows' English voices (David, Zira, Hazel) say it.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kEnglish{
    .language = 0x09,
    .plural_rule = PluralRule::OneForOne,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " and ",
    .hours = {.one = "{} hour", .other = "{} hours"},
    .minutes = {.one = "{} minute", .other = "{} minutes"},
    .seconds = {.one = "{} second", .other = "{} seconds"},
    .hours_and_minutes = " ",
    .time_left = {.other = "{} left"},
    .character = "Character {}",
    .time_is_up = "time is up",
    .counting = "counting",
    .stopped = "stopped",
    .not_started = "not started",
    .started_again = "started again",
    .cannot_start = "cannot start",
    .no_countdowns = "No countdowns",
    .seen = "seen",
    .no_alarms = "No alarms",
};

}  // namespace morvane::phrase_books
