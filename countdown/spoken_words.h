// The pieces every sentence the program says is made of: a row's name as the
// listener knows it, and several things said as a list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace morvane {

// The name box's text without the spaces, tabs, no-break and ideographic
// spaces around it; a box with nothing else is "Character N", as it read
// before anyone typed in it.
std::string SpokenName(int row_number, std::string_view name);

// "1 hour 5 minutes" for 1:04:50, "1 hour" for 59:30, "40 seconds": the
// minutes rounded up, so that the time said is never less than what is left.
std::string SpokenTime(std::int64_t seconds);

// "A"; "A and B"; "A, B and C". Empty for none.
std::string SpokenList(std::span<const std::string> items);

}  // namespace morvane
