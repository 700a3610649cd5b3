// Español: Spanish, as Helena (Spain) and Sabina (Mexico), Windows' Spanish
// voices, say it, in words both countries use.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kSpanish{
    .language = 0x0A,
    .plural_rule = PluralRule::OneForOne,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " y ",
    .hours = {.one = "{} hora", .other = "{} horas"},
    .minutes = {.one = "{} minuto", .other = "{} minutos"},
    .seconds = {.one = "{} segundo", .other = "{} segundos"},
    .hours_and_minutes = " y ",
    .time_left = {.one = "queda {}", .other = "quedan {}"},
    .character = "Personaje {}",
    .time_is_up = "se acabó el tiempo",
    .counting = "en marcha",
    .stopped = "en pausa",
    .not_started = "sin empezar",
    .started_again = "reiniciado",
    .cannot_start = "no se puede iniciar",
    .no_countdowns = "No hay temporizadores",
    .seen = "entendido",
    .no_alarms = "No hay alarmas",
};

}  // namespace morvane::phrase_books
