#include "countdown/time_is_up_sentence.h"

#include <vector>

#include "countdown/spoken_words.h"

namespace morvane {

std::string SpokenNames(const PhraseBook& book, std::span<const ExpiredRow> rows) {
  std::vector<std::string> names;
  for (const ExpiredRow& row : rows) {
    names.push_back(SpokenName(book, row.number, row.name));
  }
  return SpokenList(book, names);
}

std::string TimeIsUpSentence(const PhraseBook& book, std::span<const ExpiredRow> rows) {
  return rows.empty() ? std::string() : SaidOf(book, SpokenNames(book, rows), book.time_is_up);
}

}  // namespace morvane
