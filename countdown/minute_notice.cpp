#include "countdown/minute_notice.h"

#include <cstddef>
#include <vector>

#include "countdown/spoken_words.h"

namespace morvane {

namespace {

constexpr std::int64_t kMinute = 60;

}  // namespace

std::optional<std::int64_t> MinuteNoticeAt(std::int64_t before, std::int64_t after) {
  if (before > kMinute && after <= kMinute && after > 0) {
    return after;
  }
  return std::nullopt;
}

std::string MinuteNoticeSentence(const PhraseBook& book, std::span<const NoticedRow> rows) {
  std::vector<std::string> times;     // in the order first said
  std::vector<std::int64_t> seconds;  // one for each of them
  std::vector<std::vector<std::string>> names;
  for (const NoticedRow& row : rows) {
    const std::string time = SpokenTime(book, row.seconds);
    std::size_t clause = 0;
    while (clause < times.size() && times[clause] != time) {
      ++clause;
    }
    if (clause == times.size()) {
      times.push_back(time);
      seconds.push_back(row.seconds);
      names.emplace_back();
    }
    names[clause].push_back(SpokenName(book, row.number, row.name));
  }
  std::string sentence;
  for (std::size_t clause = 0; clause < times.size(); ++clause) {
    sentence += (clause == 0 ? "" : book.semicolon) + SaidOf(book, SpokenList(book, names[clause]),
                                                             SpokenTimeLeft(book, seconds[clause]));
  }
  return sentence;
}

}  // namespace morvane
