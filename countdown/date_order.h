// The user's short-date order, read from the locale's short-date pattern.
#pragma once

#include <string_view>

#include "countdown/time_text.h"

namespace morvane {

// Reads a short-date pattern such as L"M/d/yyyy", L"dd.MM.yyyy" or
// L"yyyy-MM-dd": the first of the day, month and year fields decides. Text in
// single quotes is literal, and "ddd"/"dddd" (the weekday's name) is not the
// day field. A pattern without any of the three reads as month, day, year.
DateOrder DateOrderFromShortDatePattern(std::wstring_view pattern);

}  // namespace morvane
