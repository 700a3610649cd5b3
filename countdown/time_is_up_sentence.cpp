#include "countdown/time_is_up_sentence.h"

#include <cstddef>
#include <string_view>

namespace morvane {

namespace {

std::string SpokenName(const ExpiredRow& row) {
  constexpr std::string_view kBlanks = " \t";
  const std::string_view name = row.name;
  const std::size_t first = name.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return "Character " + std::to_string(row.number);
  }
  return std::string(name.substr(first, name.find_last_not_of(kBlanks) + 1 - first));
}

}  // namespace

std::string TimeIsUpSentence(std::span<const ExpiredRow> rows) {
  if (rows.empty()) {
    return {};
  }
  std::string sentence;
  for (std::size_t index = 0; index < rows.size(); ++index) {
    if (index > 0) {
      sentence += index + 1 == rows.size() ? " and " : ", ";
    }
    sentence += SpokenName(rows[index]);
  }
  return sentence + ", time is up";
}

}  // namespace morvane
