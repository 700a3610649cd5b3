// Italiano: Italian, as Elsa, Windows' Italian voice, says it.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kItalian{
    .language = 0x10,
    .plural_rule = PluralRule::OneForOne,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " e ",
    .hours = {.one = "{} ora", .other = "{} ore"},
    .minutes = {.one = "{} minuto", .other = "{} minuti"},
    .seconds = {.one = "{} secondo", .other = "{} secondi"},
    .hours_and_minutes = " e ",
    .time_left = {.one = "manca {}", .other = "mancano {}"},
    .character = "Personaggio {}",
    .time_is_up = "tempo scaduto",
    .counting = "in corso",
    .stopped = "in pausa",
    .not_started = "non avviato",
    .started_again = "riavviato",
    .cannot_start = "impossibile avviare",
    .no_countdowns = "Nessun conto alla rovescia",
    .seen = "ricevuto",
    .no_alarms = "Nessun allarme",
};

}  // namespace morvane::phrase_books
