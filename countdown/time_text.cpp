#include "countdown/time_text.h"

#include <array>
#include <chrono>
#include <cstddef>

namespace morvane {
namespace {

using std::chrono::seconds;

constexpr seconds kDay = std::chrono::hours{24};
constexpr std::string_view kExpiryText = "00:00:00";
constexpr std::string_view kDateSeparators = "/-.";

// Plain ASCII tests: the text may hold UTF-8 or any other bytes, and what
// counts as a digit or a letter must not depend on the locale.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c, char upper) { return c == upper || c == upper - 'A' + 'a'; }

std::string_view WithoutSurroundingSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Walks the text once from left to right. Every Read... either consumes what
// it recognises or reports failure; a failure refuses the whole text.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return position_ == text_.size(); }

  // Consumes and returns the next character; '\0' at the end, which no
  // caller accepts (nor an embedded NUL).
  char Next() { return AtEnd() ? '\0' : text_[position_++]; }

  bool Skip(char wanted) {
    if (AtEnd() || text_[position_] != wanted) return false;
    ++position_;
    return true;
  }

  std::size_t SkipSpaces() {
    const std::size_t start = position_;
    while (Skip(' ')) {
    }
    return position_ - start;
  }

  // The two characters ahead, when they are `first` then `second` in either
  // letter case; consumed only then.
  bool SkipLetters(char first, char second) {
    if (text_.size() - position_ < 2 || !IsLetter(text_[position_], first) ||
        !IsLetter(text_[position_ + 1], second)) {
      return false;
    }
    position_ += 2;
    return true;
  }

  // A run of decimal digits of the given length. A longer run is refused
  // whole rather than split, and is never accumulated, so no run of digits,
  // however long, can overflow.
  std::optional<int> ReadNumber(std::size_t min_digits, std::size_t max_digits) {
    const std::size_t start = position_;
    int value = 0;
    while (!AtEnd() && IsDigit(text_[position_])) {
      if (position_ - start == max_digits) return std::nullopt;
      value = value * 10 + (text_[position_] - '0');
      ++position_;
    }
    if (position_ - start < min_digits) return std::nullopt;
    return value;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
};
using DateField = int DateFields::*;

constexpr std::array<DateField, 3> FieldsInOrder(DateOrder order) {
  switch (order) {
    case DateOrder::MonthDayYear:
      return {&DateFields::month, &DateFields::day, &DateFields::year};
    case DateOrder::DayMonthYear:
      return {&DateFields::day, &DateFields::month, &DateFields::year};
    case DateOrder::YearMonthDay:
      break;
  }
  return {&DateFields::year, &DateFields::month, &DateFields::day};
}

// A date that exists in the calendar between the years 100 and 9999. Which
// date it is matters no further: only the time of day is ever written back.
bool ReadDate(Reader& reader, DateOrder order) {
  const auto fields = FieldsInOrder(order);
  DateFields date;
  char separator = '\0';
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // The first separator may be any of them; the second must repeat it.
    if (i == 1) {
      separator = reader.Next();
      if (kDateSeparators.find(separator) == std::string_view::npos) return false;
    } else if (i == 2 && !reader.Skip(separator)) {
      return false;
    }
    const DateField field = fields[i];
    const auto value = field == &DateFields::year ? reader.ReadNumber(3, 4)
                                                  : reader.ReadNumber(1, 2);
    if (!value) return false;
    date.*field = *value;
  }
  return date.year >= 100 &&
         std::chrono::year_month_day{std::chrono::year{date.year},
                                     std::chrono::month{static_cast<unsigned>(date.month)},
                                     std::chrono::day{static_cast<unsigned>(date.day)}}
             .ok();
}

enum class Designator { None, Am, Pm };

Designator ReadDesignator(Reader& reader) {
  if (reader.SkipLetters('A', 'M')) return Designator::Am;
  if (reader.SkipLetters('P', 'M')) return Designator::Pm;
  return Designator::None;
}

std::optional<int> HourOfDay(int hours, Designator designator) {
  if (designator == Designator::None) {
    if (hours > 23) return std::nullopt;
    return hours;
  }
  if (hours < 1 || hours > 12) return std::nullopt;
  return hours % 12 + (designator == Designator::Pm ? 12 : 0);
}

// H:M or H:M:S, then an optional AM or PM.
std::optional<seconds> ReadClock(Reader& reader) {
  const auto hours = reader.ReadNumber(1, 2);
  if (!hours || !reader.Skip(':')) return std::nullopt;
  const auto minutes = reader.ReadNumber(1, 2);
  if (!minutes) return std::nullopt;
  std::optional<int> secs = 0;
  if (reader.Skip(':')) secs = reader.ReadNumber(1, 2);
  if (!secs || *minutes > 59 || *secs > 59) return std::nullopt;
  reader.SkipSpaces();
  const auto hour = HourOfDay(*hours, ReadDesignator(reader));
  if (!hour) return std::nullopt;
  return std::chrono::hours{*hour} + std::chrono::minutes{*minutes} + seconds{*secs};
}

// The one reader behind both IsValidTime and StepDown, so that they accept
// exactly the same texts. Yields the time of day the text denotes.
std::optional<seconds> ReadTimeOfDay(std::string_view text, DateOrder order) {
  Reader reader{WithoutSurroundingSpaces(text)};
  const Reader start = reader;
  if (ReadDate(reader, order)) {
    if (reader.AtEnd()) return seconds{0};
    if (reader.SkipSpaces() == 0) return std::nullopt;
  } else {
    // A time never begins like a date: its first field ends in ':'.
    reader = start;
  }
  const auto time_of_day = ReadClock(reader);
  if (!reader.AtEnd()) return std::nullopt;
  return time_of_day;
}

std::string FormatClock(seconds time_of_day) {
  const std::chrono::hh_mm_ss clock{time_of_day};
  const int fields[] = {static_cast<int>(clock.hours().count()),
                        static_cast<int>(clock.minutes().count()),
                        static_cast<int>(clock.seconds().count())};
  std::string text;
  for (const int field : fields) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + field / 10);
    text += static_cast<char>('0' + field % 10);
  }
  return text;
}

}  // namespace

bool IsValidTime(std::string_view text, DateOrder order) {
  return ReadTimeOfDay(text, order).has_value();
}

std::optional<std::string> StepDown(std::string_view text, DateOrder order) {
  const auto time_of_day = ReadTimeOfDay(text, order);
  if (!time_of_day) return std::nullopt;
  // Midnight steps back into the day before, whose date is dropped; that
  // also covers the first second of the calendar, which has no day before.
  return FormatClock((*time_of_day - seconds{1} + kDay) % kDay);
}

std::optional<std::int64_t> SecondsToCount(std::string_view text, DateOrder order) {
  const auto time_of_day = ReadTimeOfDay(text, order);
  if (!time_of_day) return std::nullopt;
  return (*time_of_day == seconds{0} ? kDay : *time_of_day).count();
}

bool IsExpired(std::string_view text) { return text == kExpiryText; }

}  // namespace morvane
