// Português: Portuguese as Brazil speaks it, as Maria, Windows' Brazilian
// voice, says it: Brazil's words where Portugal's differ ("contagem
// regressiva", not "contagem decrescente"). A number's unit is singular at 0
// and 1.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kPortuguese{
    .language = 0x16,
    .plural_rule = PluralRule::OneForZeroAndOne,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " e ",
    .hours = {.one = "{} hora", .other = "{} horas"},
    .minutes = {.one = "{} minuto", .other = "{} minutos"},
    .seconds = {.one = "{} segundo", .other = "{} segundos"},
    .hours_and_minutes = " e ",
    .time_left = {.one = "falta {}", .other = "faltam {}"},
    .character = "Personagem {}",
    .time_is_up = "acabou o tempo",
    .counting = "em andamento",
    .stopped = "em pausa",
    .not_started = "não iniciado",
    .started_again = "reiniciado",
    .cannot_start = "não foi possível iniciar",
    .no_countdowns = "Nenhuma contagem regressiva",
    .seen = "entendido",
    .no_alarms = "Nenhum alarme",
};

}  // namespace morvane::phrase_books
