#include "countdown/time_is_up_sentence.h"

#include <vector>

#include "countdown/spoken_words.h"

namespace morvane {

std::string TimeIsUpSentence(std::span<const ExpiredRow> rows) {
  if (rows.empty()) {
    return {};
  }
  std::vector<std::string> names;
  for (const ExpiredRow& row : rows) {
    names.push_back(SpokenName(row.number, row.name));
  }
  return SpokenList(names) + ", time is up";
}

}  // namespace morvane
