#include "countdown/date_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {
namespace {

struct PatternCase {
  std::wstring_view pattern;
  DateOrder expected;
};

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

TEST(DateOrderTest, FirstDateFieldOfThePatternDecides) {
  const PatternCase cases[] = {
      // the common locale patterns
      {L"M/d/yyyy", DateOrder::MonthDayYear},
      {L"MM/dd/yyyy", DateOrder::MonthDayYear},
      {L"M/d/yy", DateOrder::MonthDayYear},
      {L"dd.MM.yyyy", DateOrder::DayMonthYear},
      {L"d.M.yyyy", DateOrder::DayMonthYear},
      {L"dd/MM/yyyy", DateOrder::DayMonthYear},
      {L"d/M/yy", DateOrder::DayMonthYear},
      {L"dd-MM-yy", DateOrder::DayMonthYear},
      {L"yyyy-MM-dd", DateOrder::YearMonthDay},
      {L"yyyy/M/d", DateOrder::YearMonthDay},
      {L"yy.MM.dd", DateOrder::YearMonthDay},
      {L"yyyy.MM.dd.", DateOrder::YearMonthDay},
      // the year decides whenever it comes first, whatever follows
      {L"yyyy/dd/MM", DateOrder::YearMonthDay},
      // a year in the middle leaves the order of day and month to decide
      {L"d/yyyy/M", DateOrder::DayMonthYear},
      {L"M/yyyy/d", DateOrder::MonthDayYear},
      // month names and era letters
      {L"dd-MMM-yy", DateOrder::DayMonthYear},
      {L"MMM d, yyyy", DateOrder::MonthDayYear},
      {L"gg y/M/d", DateOrder::YearMonthDay},
      // quoted literals are not fields, even when they hold d, M or y
      {L"dd 'de' MMMM 'de' yyyy", DateOrder::DayMonthYear},
      {L"'day' M/d/yyyy", DateOrder::MonthDayYear},
      {L"'yM' d.M.yyyy", DateOrder::DayMonthYear},
      {L"yyyy'年'M'月'd'日'", DateOrder::YearMonthDay},
      {L"'It''s day' d/M/yyyy", DateOrder::DayMonthYear},
      {L"'''y' d/M/yyyy", DateOrder::DayMonthYear},
      // the weekday's name is not the day of the month
      {L"ddd M/d/yyyy", DateOrder::MonthDayYear},
      {L"dddd, yyyy-MM-dd", DateOrder::YearMonthDay},
      {L"ddd dd.MM.yyyy", DateOrder::DayMonthYear},
      // nothing to go by
      {L"", DateOrder::MonthDayYear},
      {L"/-.", DateOrder::MonthDayYear},
      {L"'d/M/y'", DateOrder::MonthDayYear},
      {L"'dd.MM.yyyy", DateOrder::MonthDayYear},
      {L"dddd", DateOrder::MonthDayYear},
      // the pattern ends where its view ends, not at a terminator: "dd" cut
      // from a longer pattern is the day field, not the weekday's name
      {std::wstring_view(L"dddd", 2), DateOrder::DayMonthYear},
  };
  for (const PatternCase& c : cases) {
    SCOPED_TRACE(Narrow(c.pattern));
    // From a buffer that ends where the pattern ends, so that a read past its
    // end is the sanitizers' to see (a literal's terminating null hides it).
    const auto buffer = std::make_unique<wchar_t[]>(c.pattern.size());
    std::copy(c.pattern.begin(), c.pattern.end(), buffer.get());
    EXPECT_EQ(DateOrderFromShortDatePattern({buffer.get(), c.pattern.size()}), c.expected);
  }
}

}  // namespace
}  // namespace morvane
