#include "countdown/time_is_up_sentence.h"

#include <vector>

#include "countdown/spoken_words.h"

namespace morvane {

std::string SpokenNames(std::span<const ExpiredRow> rows) {
  std::vector<std::string> names;
  for (const ExpiredRow& row : rows) {
    names.push_back(SpokenName(row.number, row.name));
  }
  return SpokenList(names);
}

std::string TimeIsUpSentence(std::span<const ExpiredRow> rows) {
  return rows.empty() ? std::string() : SpokenNames(rows) + ", time is up";
}

}  // namespace morvane
