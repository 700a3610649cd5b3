// Русский: Russian, as Irina, Windows' Russian voice, says it. One: 1, 21,
// 31..., not 11; few: 2-4, 22-24..., not 12-14; other: the rest. "До конца"
// before the time, where "остался" would have to agree with the gender of
// each unit.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kRussian{
    .language = 0x19,
    .plural_rule = PluralRule::EastSlavic,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " и ",
    .hours = {.one = "{} час", .few = "{} часа", .other = "{} часов"},
    .minutes = {.one = "{} минута", .few = "{} минуты", .other = "{} минут"},
    .seconds = {.one = "{} секунда", .few = "{} секунды", .other = "{} секунд"},
    .hours_and_minutes = " ",
    .time_left = {.other = "до конца {}"},
    .character = "Персонаж {}",
    .time_is_up = "время вышло",
    .counting = "идёт отсчёт",
    .stopped = "на паузе",
    .not_started = "не запущен",
    .started_again = "перезапущен",
    .cannot_start = "не удалось запустить",
    .no_countdowns = "Нет активных таймеров",
    .seen = "принято",
    .no_alarms = "Нет сигналов",
};

}  // namespace morvane::phrase_books
