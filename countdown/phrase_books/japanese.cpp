// 日本語: Japanese, as Haruka, Windows' Japanese voice, says it. One form for
// every number, and no spaces.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kJapanese{
    .language = 0x11,
    .plural_rule = PluralRule::None,
    .comma = "、",
    .semicolon = "。",
    .list_comma = "、",
    .list_and = "と",
    .hours = {.other = "{}時間"},
    .minutes = {.other = "{}分"},
    .seconds = {.other = "{}秒"},
    .hours_and_minutes = "",
    .time_left = {.other = "残り{}"},
    .character = "キャラクター{}",
    .time_is_up = "時間切れ",
    .counting = "カウント中",
    .stopped = "一時停止中",
    .not_started = "未開始",
    .started_again = "再スタート",
    .cannot_start = "開始できません",
    .no_countdowns = "カウントダウンはありません",
    .seen = "確認しました",
    .no_alarms = "アラームはありません",
};

}  // namespace morvane::phrase_books
