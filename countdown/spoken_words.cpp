#include "countdown/spoken_words.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace morvane {

namespace {

// What a name box may hold around a name, or in place of one, that is
// heard as nothing: a space, a tab, and the no-break (wide and narrow) and
// ideographic spaces that an input method or a paste brings (UTF-8).
constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF",
                                                     "\xE3\x80\x80"};

bool DropBlankFrom(std::string_view& text, bool front) {
  return std::any_of(kBlanks.begin(), kBlanks.end(), [&](std::string_view blank) {
    if (front ? !text.starts_with(blank) : !text.ends_with(blank)) {
      return false;
    }
    text = front ? text.substr(blank.size()) : text.substr(0, text.size() - blank.size());
    return true;
  });
}

}  // namespace

std::string SpokenName(int row_number, std::string_view name) {
  while (DropBlankFrom(name, true)) {
  }
  while (DropBlankFrom(name, false)) {
  }
  if (name.empty()) {
    return "Character " + std::to_string(row_number);
  }
  return std::string(name);
}

std::string SpokenTime(std::int64_t seconds) {
  const auto counted = [](std::int64_t count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
  };
  if (seconds < 60) {
    return counted(seconds, "second");
  }
  const std::int64_t minutes = (seconds + 59) / 60;
  const std::int64_t hours = minutes / 60;
  if (hours == 0) {
    return counted(minutes, "minute");
  }
  return counted(hours, "hour") + (minutes % 60 == 0 ? "" : " " + counted(minutes % 60, "minute"));
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
