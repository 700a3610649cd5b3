// 中文: Chinese in simplified characters, as Huihui, Windows' voice of
// mainland China, says it; the voices of Taiwan and Hong Kong (Hanhan, Tracy)
// are handed the same characters. One form for every number, and no spaces.
#include "countdown/phrase_books/phrase_books.h"

namespace morvane::phrase_books {

const PhraseBook kChinese{
    .language = 0x04,
    .plural_rule = PluralRule::None,
    .comma = "，",
    .semicolon = "；",
    .list_comma = "、",
    .list_and = "和",
    .hours = {.other = "{}小时"},
    .minutes = {.other = "{}分钟"},
    .seconds = {.other = "{}秒"},
    .hours_and_minutes = "",
    .time_left = {.other = "还剩{}"},
    .character = "角色{}",
    .time_is_up = "时间到了",
    .counting = "正在计时",
    .stopped = "已暂停",
    .not_started = "未开始",
    .started_again = "已重新开始",
    .cannot_start = "无法开始",
    .no_countdowns = "没有倒计时",
    .seen = "知道了",
    .no_alarms = "没有闹铃",
};

}  // namespace morvane::phrase_books
