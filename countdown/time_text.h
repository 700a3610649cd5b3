// The time text: what a countdown row's time box holds, how it is read,
// stepped down one second per tick, and recognised as expired.
//
// Pure C++20 on the standard library alone; no window or clock is involved.
//
// Accepted forms (surrounding spaces ignored):
//   time          H:M or H:M:S, each field one or two decimal digits,
//                 hours 0-23, minutes and seconds 0-59; missing seconds are 0.
//   12-hour time  a time followed by AM or PM in any letter case, with or
//                 without spaces before it; hours must then be 1-12
//                 (12 AM is midnight, 12 PM is noon).
//   date          day, month and year in the user's short-date order,
//                 separated by "/", "-" or "." (the same one twice); day and
//                 month one or two digits, the year three or four digits
//                 (100-9999), and the date must exist in the calendar.
//   date time     a date, one or more spaces, then a time (12- or 24-hour).
// Refused: anything else, among it lone numbers, fields of more digits than
// the above, month names, one- or two-digit years (their century would be a
// guess), a time before a date, and other characters. Only the space
// character counts as a space: a tab, like any other white space or
// non-ASCII byte, is refused wherever it stands.
//
// A date alone denotes its midnight; a time alone denotes that time of day.
// The date never reaches the output: stepping down works on the time of day,
// so a text that denotes s seconds past midnight steps to (s - 1) mod 86400.
// That also covers the first second of the calendar (1/1/100 0:00), whose
// previous second would fall before year 100: it steps to "23:59:59" like
// every other midnight.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The user's short-date order, read from the locale by the Windows layer.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// True when the text reads as a date, a time of day, or a date and a time.
bool IsValidTime(std::string_view text, DateOrder order);

// The time of day one second before the text's point in time, as "HH:NN:SS";
// nullopt when the text is not a valid time (IsValidTime is false).
std::optional<std::string> StepDown(std::string_view text, DateOrder order);

// How many seconds a row started from the text counts before it runs out:
// the time of day the text denotes, and a whole day for midnight, whose
// first step is to 23:59:59. nullopt when the text is not a valid time.
std::optional<std::int64_t> SecondsToCount(std::string_view text, DateOrder order);

// True exactly when the text is "00:00:00", character for character.
bool IsExpired(std::string_view text);

}  // namespace morvane
