#include "countdown/spoken_words.h"

#include <cstddef>

namespace morvane {

std::string SpokenName(int row_number, std::string_view name) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = name.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return "Character " + std::to_string(row_number);
  }
  return std::string(name.substr(first, name.find_last_not_of(kBlanks) + 1 - first));
}

std::string SpokenList(std::span<const std::string> items) {
  std::string list;
  for (std::size_t index = 0; index < items.size(); ++index) {
    if (index > 0) {
      list += index + 1 == items.size() ? " and " : ", ";
    }
    list += items[index];
  }
  return list;
}

}  // namespace morvane
