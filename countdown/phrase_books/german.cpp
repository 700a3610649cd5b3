// Deutsch: German, as Hedda, Windows' German voice, says it.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kGerman{
    .language = 0x07,
    .plural_rule = PluralRule::OneForOne,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " und ",
    .hours = {.one = "{} Stunde", .other = "{} Stunden"},
    .minutes = {.one = "{} Minute", .other = "{} Minuten"},
    .seconds = {.one = "{} Sekunde", .other = "{} Sekunden"},
    .hours_and_minutes = " und ",
    .time_left = {.other = "noch {}"},
    .character = "Charakter {}",
    .time_is_up = "Zeit ist um",
    .counting = "läuft",
    .stopped = "angehalten",
    .not_started = "nicht gestartet",
    .started_again = "neu gestartet",
    .cannot_start = "kann nicht starten",
    .no_countdowns = "Keine Countdowns",
    .seen = "gesehen",
    .no_alarms = "Keine Alarme",
};

}  // namespace morvane::phrase_books
