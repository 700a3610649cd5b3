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

// `phrase` with `what` in place of its "{}".
std::string Filled(std::string_view phrase, std::string_view what) {
  std::string filled(phrase);
  const std::size_t place = filled.find("{}");
  return place == std::string::npos ? filled : filled.replace(place, 2, what);
}

std::string Counted(const PhraseBook& book, std::int64_t count, const PluralForms& unit) {
  return Filled(unit.For(PluralCategoryOf(book.plural_rule, count)), std::to_string(count));
}

// A time as it is said: in hours and minutes, the minutes rounded up, or
// under a minute in seconds.
struct SaidTime {
  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;

  explicit SaidTime(std::int64_t left) {
    if (left < 60) {
      seconds = left;
    } else {
      hours = (left + 59) / 60 / 60;
      minutes = (left + 59) / 60 % 60;
    }
  }
  // The number said first, which the words before it agree with.
  std::int64_t First() const { return hours > 0 ? hours : minutes > 0 ? minutes : seconds; }
};

}  // namespace

std::string SpokenName(const PhraseBook& book, int row_number, std::string_view name) {
  while (DropBlankFrom(name, true)) {
  }
  while (DropBlankFrom(name, false)) {
  }
  if (name.empty()) {
    return Filled(book.character, std::to_string(row_number));
  }
  return std::string(name);
}

std::string SpokenTime(const PhraseBook& book, std::int64_t seconds) {
  const SaidTime time(seconds);
  if (time.hours == 0) {
    return time.minutes == 0 ? Counted(book, time.seconds, book.seconds)
                             : Counted(book, time.minutes, book.minutes);
  }
  std::string spoken = Counted(book, time.hours, book.hours);
  if (time.minutes > 0) {
    spoken += book.hours_and_minutes + Counted(book, time.minutes, book.minutes);
  }
  return spoken;
}

std::string SpokenTimeLeft(const PhraseBook& book, std::int64_t seconds) {
  const auto category = PluralCategoryOf(book.plural_rule, SaidTime(seconds).First());
  return Filled(book.time_left.For(category), SpokenTime(book, seconds));
}

std::string SpokenList(const PhraseBook& book, std::span<const std::string> items) {
  std::string list;
  for (std::size_t index = 0; index < items.size(); ++index) {
    if (index > 0) {
      list += index + 1 == items.size() ? book.list_and : book.list_comma;
    }
    list += items[index];
  }
  return list;
}

std::string SaidOf(const PhraseBook& book, std::string_view names, std::string_view what) {
  std::string sentence(names);
  sentence += book.comma;
  sentence += what;
  return sentence;
}

}  // namespace morvane
