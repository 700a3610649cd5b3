// Français: French, as Hortense, Windows' French voice, says it. A number's
// unit is singular at 0 and 1.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kFrench{
    .language = 0x0C,
    .plural_rule = PluralRule::OneForZeroAndOne,
    .comma = ", ",
    .semicolon = " ; ",
    .list_comma = ", ",
    .list_and = " et ",
    .hours = {.one = "{} heure", .other = "{} heures"},
    .minutes = {.one = "{} minute", .other = "{} minutes"},
    .seconds = {.one = "{} seconde", .other = "{} secondes"},
    .hours_and_minutes = " ",
    .time_left = {.other = "il reste {}"},
    .character = "Personnage {}",
    .time_is_up = "temps écoulé",
    .counting = "en cours",
    .stopped = "en pause",
    .not_started = "pas lancé",
    .started_again = "relancé",
    .cannot_start = "impossible de lancer",
    .no_countdowns = "Aucun compte à rebours",
    .seen = "c'est noté",
    .no_alarms = "Aucune alarme",
};

}  // namespace morvane::phrase_books
