// Which texts the time box accepts, and what one step down makes of them.
// Each row is checked in all three date orders: a row lists the orders that
// accept the text and is expected to be refused in the others.
#include "countdown/time_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {
namespace {

using namespace std::string_view_literals;

// Sets of date orders, as bits.
constexpr unsigned kMdy = 1;
constexpr unsigned kDmy = 2;
constexpr unsigned kYmd = 4;
constexpr unsigned kAnyOrder = kMdy | kDmy | kYmd;

constexpr DateOrder kOrders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear,
                                 DateOrder::YearMonthDay};

unsigned BitOf(DateOrder order) {
  switch (order) {
    case DateOrder::MonthDayYear: return kMdy;
    case DateOrder::DayMonthYear: return kDmy;
    case DateOrder::YearMonthDay: return kYmd;
  }
  return 0;
}

const char* NameOf(DateOrder order) {
  switch (order) {
    case DateOrder::MonthDayYear: return "month-day-year";
    case DateOrder::DayMonthYear: return "day-month-year";
    case DateOrder::YearMonthDay: return "year-month-day";
  }
  return "?";
}

struct Case {
  std::string text;
  std::string step;     // what StepDown yields where the text is accepted
  unsigned accepted_in;  // the date orders that accept the text; 0: none
};

Case Ok(std::string_view text, std::string_view step, unsigned orders = kAnyOrder) {
  return {std::string(text), std::string(step), orders};
}

// A date alone denotes its midnight, so it steps into the day before.
Case Midnight(std::string_view text, unsigned orders) { return Ok(text, "23:59:59", orders); }

Case Refused(std::string_view text) { return {std::string(text), "", 0}; }

// Control characters and bytes outside ASCII shown as \xNN, for the traces.
std::string Printable(std::string_view text) {
  std::string shown = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown + "\"";
}

// "HH:NN:SS" for a number of seconds past midnight.
std::string Clock(int seconds_of_day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds_of_day / 3600,
                seconds_of_day / 60 % 60, seconds_of_day % 60);
  return text;
}

// The clock text one second before the given time of day.
std::string StepOf(int hours, int minutes, int seconds) {
  return Clock((hours * 3600 + minutes * 60 + seconds + 86399) % 86400);
}

// Each text is read from a heap block of exactly its length, with no
// terminator after it, so that the sanitizer reports any read past its end.
void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const auto block = std::make_unique<char[]>(c.text.size());
    std::copy(c.text.begin(), c.text.end(), block.get());
    const std::string_view text(block.get(), c.text.size());
    for (const DateOrder order : kOrders) {
      SCOPED_TRACE(Printable(c.text) + " in " + NameOf(order) + " order");
      const bool accepted = (c.accepted_in & BitOf(order)) != 0;
      EXPECT_EQ(IsValidTime(text, order), accepted);
      EXPECT_EQ(StepDown(text, order),
                accepted ? std::optional<std::string>(c.step) : std::nullopt);
    }
  }
}

TEST(TimeTextTest, TimesOfDay) {
  ExpectCases({
      Ok("00:00:05", "00:00:04"),
      Ok("00:00:04", "00:00:03"),
      Ok("00:00:01", "00:00:00"),
      Ok("0:0:1", "00:00:00"),
      Ok("0:0:3", "00:00:02"),
      Ok("1:30", "01:29:59"),
      Ok("01:30", "01:29:59"),
      Ok("1:30:00", "01:29:59"),
      Ok("00:00:00", "23:59:59"),
      Ok("0:0:0", "23:59:59"),
      Ok("0:00", "23:59:59"),
      Ok("0:0", "23:59:59"),
      Ok("23:59:59", "23:59:58"),
      Ok("23:59", "23:58:59"),
      Ok("23:0:0", "22:59:59"),
      Ok("12:00:00", "11:59:59"),
      Ok("10:00:00", "09:59:59"),
      Ok("00:10:00", "00:09:59"),
      Ok("00:01:00", "00:00:59"),
      Ok("01:00:00", "00:59:59"),
      Ok("9:5:7", "09:05:06"),
      Ok("09:05:07", "09:05:06"),
      Ok("9:05:7", "09:05:06"),
      Ok("09:5:07", "09:05:06"),
      Ok("1:2", "01:01:59"),
      Ok("01:02", "01:01:59"),
      Ok("12:34:56", "12:34:55"),
      Ok("19:59:00", "19:58:59"),
      Ok("20:00", "19:59:59"),
      Ok("0:59:59", "00:59:58"),
      Ok("00:00:10", "00:00:09"),
  });
}

TEST(TimeTextTest, TimesOutOfRangeAreRefused) {
  ExpectCases({
      Refused("24:00:00"),
      Refused("24:00"),
      Refused("25:00:00"),
      Refused("99:99:99"),
      Refused("12:60:00"),
      Refused("12:00:60"),
      Refused("12:60"),
      Refused("23:59:60"),
      Refused("0:99"),
      Refused("10:60:00"),
  });
}

TEST(TimeTextTest, TwelveHourTimes) {
  ExpectCases({
      Ok("12:00 AM", "23:59:59"),
      Ok("12:00:00 AM", "23:59:59"),
      Ok("12:00:01 AM", "00:00:00"),
      Ok("12:30 am", "00:29:59"),
      Ok("12:59:59 AM", "00:59:58"),
      Ok("1:00 AM", "00:59:59"),
      Ok("01:00 AM", "00:59:59"),
      Ok("11:59:59 AM", "11:59:58"),
      Ok("12:00 PM", "11:59:59"),
      Ok("12:00:00 PM", "11:59:59"),
      Ok("12:59 PM", "12:58:59"),
      Ok("1:00 PM", "12:59:59"),
      Ok("1:00PM", "12:59:59"),
      Ok("1:00pm", "12:59:59"),
      Ok("1:00 pm", "12:59:59"),
      Ok("1:00 Pm", "12:59:59"),
      Ok("1:00 pM", "12:59:59"),
      Ok("1:00    PM", "12:59:59"),
      Ok("6:30:15 pm", "18:30:14"),
      Ok("11:59:59 PM", "23:59:58"),
      Ok("1:2:3aM", "01:02:02"),
      Ok("0:0:1", "00:00:00"),
      // hours 1 to 12 only
      Refused("0:00 AM"),
      Refused("00:00 PM"),
      Refused("13:00 PM"),
      Refused("13:00 AM"),
      Refused("23:00 PM"),
      Refused("24:00 AM"),
      Refused("12:60 PM"),
      Refused("12:00:60 AM"),
      // a designator is exactly AM or PM, after the time
      Refused("1:00 A"),
      Refused("1:00 P"),
      Refused("1:00 M"),
      Refused("1:00 XM"),
      Refused("1:00 P M"),
      Refused("1:00 PMX"),
      Refused("1:00 AMPM"),
      Refused("1:00 PM PM"),
      Refused("1:00 A.M."),
      Refused("1:00 pm."),
      Refused("1:00 noon"),
      Refused("PM 1:00"),
      Refused("PM1:00"),
      Refused("1 PM"),
      Refused("1PM"),
      Refused("AM"),
      Refused("1:00 \xEF\xBC\xB0M"),  // fullwidth P
  });
}

TEST(TimeTextTest, TwelveHourDesignatorsInEveryCaseAndSpacing) {
  std::vector<Case> cases;
  const std::string_view designators[] = {"AM", "am", "Am", "aM", "PM", "pm", "Pm", "pM"};
  const std::string_view spacings[] = {"", " ", "   "};
  for (int hour = 0; hour <= 13; ++hour) {
    for (const std::string_view designator : designators) {
      const bool pm = designator[0] == 'P' || designator[0] == 'p';
      for (const std::string_view spacing : spacings) {
        const std::string text =
            std::to_string(hour) + ":30:15" + std::string(spacing) + std::string(designator);
        if (hour >= 1 && hour <= 12) {
          cases.push_back(Ok(text, StepOf(hour % 12 + (pm ? 12 : 0), 30, 15)));
        } else {
          cases.push_back(Refused(text));
        }
      }
    }
  }
  ExpectCases(cases);
}

// A number as a user may type it, with or without a leading zero. Appended
// piece by piece: GCC 12 misreads `"0" + std::to_string(n)` as an overlapping
// copy and warns.
std::string WithLeadingZero(bool zero, int value) {
  std::string text = zero ? "0" : "";
  text += std::to_string(value);
  return text;
}

TEST(TimeTextTest, FieldRangesOfTheClock) {
  std::vector<Case> cases;
  for (int value = 0; value <= 99; ++value) {
    const std::string padded = WithLeadingZero(value < 10, value);
    const std::string hours_text = padded + ":00:00";
    const std::string minutes_text = "5:" + std::to_string(value);
    const std::string seconds_text = "5:00:" + padded;
    cases.push_back(value <= 23 ? Ok(hours_text, StepOf(value, 0, 0)) : Refused(hours_text));
    cases.push_back(value <= 59 ? Ok(minutes_text, StepOf(5, value, 0)) : Refused(minutes_text));
    cases.push_back(value <= 59 ? Ok(seconds_text, StepOf(5, 0, value)) : Refused(seconds_text));
  }
  ExpectCases(cases);
}

TEST(TimeTextTest, Dates) {
  ExpectCases({
      // one or two digits for day and month, in each order
      Midnight("1/1/2000", kMdy | kDmy),
      Midnight("01/01/2000", kMdy | kDmy),
      Midnight("2000/1/1", kYmd),
      Midnight("2000/01/01", kYmd),
      Midnight("12/31/1999", kMdy),
      Midnight("31/12/1999", kDmy),
      Midnight("1999/12/31", kYmd),
      Midnight("1/13/2000", kMdy),
      Midnight("13/1/2000", kDmy),
      Midnight("2/3/2001", kMdy | kDmy),
      Midnight("2001/2/3", kYmd),
      // "-" and "." as well as "/", the same one twice
      Midnight("1-1-2000", kMdy | kDmy),
      Midnight("1.1.2000", kMdy | kDmy),
      Midnight("25.12.2023", kDmy),
      Midnight("12-25-2023", kMdy),
      Midnight("2023-12-25", kYmd),
      Midnight("2023.12.25", kYmd),
      Refused("1/1-2000"),
      Refused("1-1/2000"),
      Refused("1.1-2000"),
      Refused("2000-1/1"),
      Refused("1 1 2000"),
      Refused("1\\1\\2000"),
      Refused("1,1,2000"),
      Refused("1:1:2000"),
      // leap days
      Midnight("2/29/2000", kMdy),
      Midnight("29/2/2000", kDmy),
      Midnight("2000/2/29", kYmd),
      Midnight("29.02.2004", kDmy),
      Midnight("2/29/2400", kMdy),
      Midnight("29/2/1600", kDmy),
      Refused("29/2/1900"),
      Refused("2/29/1900"),
      Refused("1900/2/29"),
      Refused("29/2/2001"),
      Refused("2/29/2100"),
      Refused("2/30/2000"),
      Refused("30/2/2000"),
      // month lengths
      Refused("31/4/2020"),
      Refused("4/31/2020"),
      Refused("2020/4/31"),
      Midnight("30/4/2020", kDmy),
      Midnight("4/30/2020", kMdy),
      Refused("31/6/2020"),
      Refused("9/31/2020"),
      Refused("31/11/2020"),
      Midnight("31/1/2020", kDmy),
      Midnight("7/31/2020", kMdy),
      // no day or month zero or beyond
      Refused("0/1/2000"),
      Refused("1/0/2000"),
      Refused("2000/0/1"),
      Refused("2000/1/0"),
      Refused("13/13/2000"),
      Refused("32/1/2000"),
      Refused("1/32/2000"),
      Refused("00/00/2000"),
      // the ends of the calendar
      Midnight("1/1/100", kMdy | kDmy),
      Midnight("100/1/1", kYmd),
      Midnight("12/31/9999", kMdy),
      Midnight("31.12.9999", kDmy),
      Midnight("9999-12-31", kYmd),
      Refused("12/31/99"),
      Refused("1/1/099"),
      Refused("1/1/10000"),
      Refused("99/1/1"),
      // incomplete or overlong dates
      Refused("1/1"),
      Refused("1/1/"),
      Refused("/1/1/2000"),
      Refused("1/1/2000/"),
      Refused("1//2000"),
      Refused("1/1/2000/1"),
      Refused("2000"),
      Refused("2000/1"),
  });
}

// An independent calendar: the Gregorian rule throughout.
bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool IsRealDate(int year, int month, int day) {
  constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  return day <= kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// Each day 0 to 32 of each month 0 to 13 of a spread of years, written in
// every layout and separator, alone and followed by a time.
TEST(TimeTextTest, EveryDayOfEveryMonth) {
  const int years[] = {100, 1600, 1900, 2000, 2001, 2004, 2023, 2100, 2400, 9999};
  constexpr std::string_view kSeparators = "/-.";
  std::vector<Case> cases;
  for (const int year : years) {
    for (int month = 0; month <= 13; ++month) {
      for (int day = 0; day <= 32; ++day) {
        const char separator = kSeparators[static_cast<std::size_t>(month + day) % 3];
        // Leading zeros on some fields, none on others.
        const std::string d = WithLeadingZero(day < 10 && day % 2 == 0, day);
        const std::string m = WithLeadingZero(month < 10 && month % 3 == 0, month);
        const std::string y = std::to_string(year);
        const std::string month_first = m + separator + d + separator + y;
        const std::string day_first = d + separator + m + separator + y;
        const std::string year_first = y + separator + m + separator + d;

        // "a/b/y" reads as month a, day b in one order and day a, month b in the other.
        const unsigned month_first_orders = (IsRealDate(year, month, day) ? kMdy : 0) |
                                            (IsRealDate(year, day, month) ? kDmy : 0);
        const unsigned day_first_orders = (IsRealDate(year, day, month) ? kMdy : 0) |
                                          (IsRealDate(year, month, day) ? kDmy : 0);
        const unsigned year_first_orders = IsRealDate(year, month, day) ? kYmd : 0;

        for (const auto& [text, orders] : {std::pair{month_first, month_first_orders},
                                           std::pair{day_first, day_first_orders},
                                           std::pair{year_first, year_first_orders}}) {
          cases.push_back(Midnight(text, orders));
          cases.push_back(Ok(text + " 12:34:56", "12:34:55", orders));
        }
      }
    }
  }
  ExpectCases(cases);
}

TEST(TimeTextTest, YearsOfThreeOrFourDigitsFrom100) {
  struct YearCase {
    std::string_view year;
    bool accepted;
  };
  const YearCase years[] = {
      {"0", false},     {"1", false},      {"00", false},    {"12", false},
      {"99", false},    {"000", false},    {"099", false},   {"100", true},
      {"0100", true},   {"0999", true},    {"999", true},    {"1000", true},
      {"1899", true},   {"2000", true},    {"9999", true},   {"0000", false},
      {"00100", false}, {"09999", false},  {"10000", false}, {"20000", false},
      {"99999", false}, {"123456", false},
  };
  std::vector<Case> cases;
  for (const auto& [year, accepted] : years) {
    const std::string y(year);
    const unsigned both = accepted ? kMdy | kDmy : 0;
    cases.push_back(Midnight("3/4/" + y, both));
    cases.push_back(Ok("3-4-" + y + " 0:0:1", "00:00:00", both));
    cases.push_back(Midnight(y + "/3/4", accepted ? kYmd : 0));
  }
  ExpectCases(cases);
}

TEST(TimeTextTest, DateSeparatorsMustBeOneOfThreeAndTheSameTwice) {
  constexpr std::string_view kCandidates = "/-.:, \\_x|";
  constexpr std::string_view kAccepted = "/-.";
  std::vector<Case> cases;
  for (const char first : kCandidates) {
    for (const char second : kCandidates) {
      const bool accepted = first == second && kAccepted.find(first) != std::string_view::npos;
      cases.push_back(Midnight(std::string("3") + first + "4" + second + "2001",
                               accepted ? kMdy | kDmy : 0));
      cases.push_back(Midnight(std::string("2001") + first + "3" + second + "4",
                               accepted ? kYmd : 0));
    }
  }
  ExpectCases(cases);
}

TEST(TimeTextTest, DateFollowedByTime) {
  ExpectCases({
      Ok("1/1/2000 00:00:02", "00:00:01", kMdy | kDmy),
      Ok("1/1/2000 0:0:1", "00:00:00", kMdy | kDmy),
      Ok("1/1/2000 1:30", "01:29:59", kMdy | kDmy),
      Ok("1/1/2000     1:30", "01:29:59", kMdy | kDmy),
      Ok("1/1/2000 00:00:00", "23:59:59", kMdy | kDmy),
      Ok("1/1/2000 1:30 PM", "13:29:59", kMdy | kDmy),
      Ok("1/1/2000 1:30pm", "13:29:59", kMdy | kDmy),
      Ok("12/31/1999 11:59:59 PM", "23:59:58", kMdy),
      Ok("31.12.1999 23:59:59", "23:59:58", kDmy),
      Ok("1999-12-31 12:00 AM", "23:59:59", kYmd),
      Ok("9999/12/31 23:59:59", "23:59:58", kYmd),
      Ok("1/1/100 0:00", "23:59:59", kMdy | kDmy),
      Ok("2/29/2000 12:00 PM", "11:59:59", kMdy),
      Ok("29-02-2000 12:00:01", "12:00:00", kDmy),
      // a bad date or a bad time refuses the whole text
      Refused("2/30/2000 1:00"),
      Refused("1/1/2000 24:00"),
      Refused("1/1/2000 13:00 PM"),
      Refused("1/1/2000 1"),
      Refused("1/1/2000 PM"),
      Refused("1/1/2000 1:"),
      Refused("1/1/99 1:30"),
      // one or more spaces between them, nothing else
      Refused("1/1/20001:30"),
      Refused("1/1/2000:1:30"),
      Refused("1/1/2000-1:30"),
      Refused("1/1/2000T1:30"),
      Refused("1/1/2000 1/1/2000"),
      Refused("1/1/2000 1:30 1/1/2000"),
      // a time before a date
      Refused("1:30 1/1/2000"),
      Refused("1:30 PM 1/1/2000"),
      Refused("00:00:00 2000-01-01"),
  });
}

TEST(TimeTextTest, LoneNumbersMonthNamesAndOtherWordsAreRefused) {
  ExpectCases({
      Refused(""),
      Refused("0"),
      Refused("5"),
      Refused("12"),
      Refused("130"),
      Refused("1230"),
      Refused("120000"),
      Refused("00000000"),
      Refused("abc"),
      Refused("now"),
      Refused("noon"),
      Refused("midnight"),
      Refused("Jan 1 2000"),
      Refused("1 Jan 2000"),
      Refused("1-Jan-2000"),
      Refused("January 1, 2000"),
      Refused("1/Jan/2000"),
      Refused("2000-Jan-01"),
      Refused("Mon 1/1/2000"),
      Refused("1/1/00"),
      Refused("12/31/99"),
      Refused("31.12.99"),
      Refused("99-12-31"),
      Refused("10.11.12"),
      Refused(":"),
      Refused("::"),
      Refused("1:"),
      Refused(":30"),
      Refused("1::30"),
      Refused("1:30:"),
      Refused("1:2:3:4"),
      Refused("1:30:00:00"),
      Refused("1.30"),
      Refused("1-30"),
      Refused("1 30"),
      Refused("1,30"),
      Refused("1;30"),
      Refused("1h30"),
      Refused("1:30 h"),
      Refused("1:3O"),
      Refused("l:30"),
      Refused("one:30"),
      Refused("+1:30"),
      Refused("-1:30"),
      Refused("1:-30"),
      Refused("1:+30"),
      Refused("1 :30"),
      Refused("1: 30"),
      Refused("1:30 :00"),
      Refused("1:30.5"),
      Refused("1:30:00.000"),
      Refused("0x1:30"),
      Refused("1e1:30"),
  });
}

TEST(TimeTextTest, SpacesAroundAreIgnoredOtherWhiteSpaceIsNot) {
  ExpectCases({
      Ok(" 1:30", "01:29:59"),
      Ok("1:30 ", "01:29:59"),
      Ok("   00:00:01   ", "00:00:00"),
      Ok("  12:00 AM  ", "23:59:59"),
      Ok(" 0:0:3", "00:00:02"),
      Ok(std::string(100, ' ') + "1:30" + std::string(100, ' '), "01:29:59"),
      Midnight(" 1/1/2000 ", kMdy | kDmy),
      Ok("  2000-01-01   1:30  ", "01:29:59", kYmd),
      Refused(" "),
      Refused("        "),
      Refused("\t"),
      Refused("\t1:30"),
      Refused("1:30\t"),
      Refused("1:30\tPM"),
      Refused("1:30 \tPM"),
      Refused("1/1/2000\t1:30"),
      Refused("1/1/2000 \t 1:30"),
      Refused("\n1:30"),
      Refused("1:30\n"),
      Refused("1:30\r\n"),
      Refused("\r"),
      Refused("\v1:30"),
      Refused("1:30\f"),
      Refused("1 : 30"),
      Refused("1:30\xC2\xA0"),       // no-break space
      Refused("\xE2\x80\x83" "1:30"),  // em space
      Refused("\xE3\x80\x80" "1:30"),  // ideographic space
  });
}

TEST(TimeTextTest, FieldsOfThreeOrMoreDigitsAreRefused) {
  std::vector<Case> cases = {
      Refused("000:00:00"),
      Refused("001:00"),
      Refused("100:00"),
      Refused("1:000"),
      Refused("1:100"),
      Refused("1:00:000"),
      Refused("1:00:100"),
      Refused("001/1/2000"),
      Refused("1/001/2000"),
      Refused("1/100/2000"),
      Refused("2000/001/1"),
      Refused("2000/1/001"),
  };
  // Runs far too long for any field, including ones that would overflow a
  // machine integer if they were read as numbers.
  constexpr std::size_t kRunLengths[] = {3, 5, 9, 10, 11, 19, 20, 21, 40, 1000, 100000};
  for (const std::size_t digits : kRunLengths) {
    const std::string zeros(digits, '0');
    const std::string nines(digits, '9');
    const std::string padded_one = std::string(digits - 1, '0') + "1";
    for (const std::string& run : {zeros, nines, padded_one}) {
      cases.push_back(Refused(run));
      cases.push_back(Refused(run + ":00"));
      cases.push_back(Refused("1:" + run));
      cases.push_back(Refused("1:00:" + run));
      cases.push_back(Refused(run + "/1/2000"));
      cases.push_back(Refused("1/" + run + "/2000"));
      cases.push_back(Refused("2000/1/" + run));
      cases.push_back(Refused("1/1/2000 " + run + ":00"));
      if (digits > 4) {
        cases.push_back(Refused("1/1/" + run));
        cases.push_back(Refused(run + "/1/1"));
      }
    }
  }
  ExpectCases(cases);
}

TEST(TimeTextTest, NulAndBytesOutsideAsciiAreRefused) {
  ExpectCases({
      Refused("\0"sv),
      Refused("00:00:01\0"sv),
      Refused("\0" "00:00:01"sv),
      Refused("00:00\0:01"sv),
      Refused("00:00:0\0" "1"sv),
      Refused("1:30\0 PM"sv),
      Refused("1/1/2000\0"sv),
      Refused("1/1/2000\0" "1:30"sv),
      Refused("\xEF\xBC\x91:\xEF\xBC\x93\xEF\xBC\x90"),  // fullwidth digits
      Refused("\xD9\xA1:\xD9\xA3\xD9\xA0"),               // Arabic-Indic digits
      Refused("\xE2\x85\xAB:00"),                          // Roman numeral twelve
      Refused("\xC3\xA9" "1:30"),
      Refused("1:30\xC3\xA9"),
      Refused("1:30 \xC3\x85M"),
      Refused("1\xEF\xBC\x9A" "30"),  // fullwidth colon
      Refused("1/1\xE2\x88\x95" "2000"),  // division slash
      Refused("\xEF\xBB\xBF" "1:30"),     // byte order mark
      Refused("\xFF"),
      Refused("1:30\x80"),
      Refused("\xB1:30"),  // a digit with the high bit set
  });
}

TEST(TimeTextTest, OnlyTheExactCanonicalZeroIsExpired) {
  struct ExpiryCase {
    std::string_view text;
    bool expired;
  };
  const ExpiryCase cases[] = {
      {"00:00:00", true},
      {"0:00:00", false},
      {"0:0:0", false},
      {"00:00", false},
      {"00:00:00 ", false},
      {" 00:00:00", false},
      {"00:00:00\0"sv, false},
      {"\0" "00:00:00"sv, false},
      {"00:00:00 AM", false},
      {"12:00 AM", false},
      {"000:00:00", false},
      {"00:00:000", false},
      {"00.00.00", false},
      {"00-00-00", false},
      {"00:00:01", false},
      {"23:59:59", false},
      {"24:00:00", false},
      {"", false},
      {"0", false},
      {"00:00:0O", false},
      {"\xEF\xBC\x90\xEF\xBC\x90:00:00", false},
  };
  for (const auto& [text, expired] : cases) {
    SCOPED_TRACE(Printable(text));
    EXPECT_EQ(IsExpired(text), expired);
  }
}

// The countdowns the row is known for, step by step to the end.
TEST(TimeTextTest, RunsFromTypedTextToExpiry) {
  struct Run {
    std::string_view typed;
    DateOrder order;
    std::vector<std::string_view> written;
  };
  const Run runs[] = {
      {"00:00:05", DateOrder::MonthDayYear,
       {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"}},
      {"0:0:3", DateOrder::DayMonthYear, {"00:00:02", "00:00:01", "00:00:00"}},
      {"0:0:1", DateOrder::YearMonthDay, {"00:00:00"}},
      {"12:00:02 AM", DateOrder::MonthDayYear, {"00:00:01", "00:00:00"}},
      {"12/31/1999 00:00:02", DateOrder::MonthDayYear, {"00:00:01", "00:00:00"}},
      {"31.12.1999 0:0:2", DateOrder::DayMonthYear, {"00:00:01", "00:00:00"}},
      {"1999-12-31 0:00:02", DateOrder::YearMonthDay, {"00:00:01", "00:00:00"}},
  };
  for (const Run& run : runs) {
    SCOPED_TRACE(Printable(run.typed));
    std::string text(run.typed);
    for (std::size_t i = 0; i < run.written.size(); ++i) {
      EXPECT_FALSE(IsExpired(text));
      const auto next = StepDown(text, run.order);
      ASSERT_TRUE(next.has_value());
      EXPECT_EQ(*next, run.written[i]);
      text = *next;
    }
    EXPECT_TRUE(IsExpired(text));
  }
}

}  // namespace
}  // namespace morvane
