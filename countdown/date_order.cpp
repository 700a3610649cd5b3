#include "countdown/date_order.h"

#include <cstddef>

namespace morvane {

DateOrder DateOrderFromShortDatePattern(std::wstring_view pattern) {
  bool quoted = false;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const wchar_t letter = pattern[i];
    // "''" inside or outside quotes is a literal quote; toggling twice keeps
    // the state right without treating it specially.
    if (letter == L'\'') {
      quoted = !quoted;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
    i += run;
    if (quoted) continue;
    if (letter == L'y') return DateOrder::YearMonthDay;
    if (letter == L'M') return DateOrder::MonthDayYear;
    if (letter == L'd' && run <= 2) return DateOrder::DayMonthYear;
  }
  return DateOrder::MonthDayYear;
}

}  // namespace morvane
