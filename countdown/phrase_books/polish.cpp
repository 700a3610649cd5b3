// Polski: Polish, as Paulina, Windows' Polish voice, says it. One: 1; few:
// 2-4, 22-24..., not 12-14; other: the rest (5 minut, 12 minut, 21 minut).
// Hours, minutes and seconds are all feminine: "została" agrees with each.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kPolish{
    .language = 0x15,
    .plural_rule = PluralRule::Polish,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " i ",
    .hours = {.one = "{} godzina", .few = "{} godziny", .other = "{} godzin"},
    .minutes = {.one = "{} minuta", .few = "{} minuty", .other = "{} minut"},
    .seconds = {.one = "{} sekunda", .few = "{} sekundy", .other = "{} sekund"},
    .hours_and_minutes = " i ",
    .time_left = {.one = "została {}", .few = "zostały {}", .other = "zostało {}"},
    .character = "Postać {}",
    .time_is_up = "czas minął",
    .counting = "trwa odliczanie",
    .stopped = "pauza",
    .not_started = "nie uruchomiono",
    .started_again = "uruchomiono ponownie",
    .cannot_start = "nie można uruchomić",
    .no_countdowns = "Brak odliczań",
    .seen = "przyjęto",
    .no_alarms = "Brak alarmów",
};

}  // namespace morvane::phrase_books
