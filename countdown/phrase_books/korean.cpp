// 한국어: Korean, as Heami, Windows' Korean voice, says it. One form for every
// number.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kKorean{
    .language = 0x12,
    .plural_rule = PluralRule::None,
    .comma = ", ",
    .semicolon = "; ",
    .list_comma = ", ",
    .list_and = " 및 ",
    .hours = {.other = "{}시간"},
    .minutes = {.other = "{}분"},
    .seconds = {.other = "{}초"},
    .hours_and_minutes = " ",
    .time_left = {.other = "{} 남음"},
    .character = "캐릭터 {}",
    .time_is_up = "시간 종료",
    .counting = "진행 중",
    .stopped = "일시정지",
    .not_started = "시작 안 함",
    .started_again = "다시 시작",
    .cannot_start = "시작할 수 없음",
    .no_countdowns = "카운트다운 없음",
    .seen = "확인",
    .no_alarms = "알람 없음",
};

}  // namespace morvane::phrase_books
