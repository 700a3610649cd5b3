#include "ui/toolkit/window_services/access_letters.h"

#include <algorithm>
#include <iterator>

namespace morvane::toolkit {

wchar_t MarkedLetter(std::wstring_view text) {
  for (std::size_t at = text.find(L'&'); at != std::wstring_view::npos && at + 1 < text.size();
       at = text.find(L'&', at + 2)) {
    if (text[at + 1] != L'&') {
      return text[at + 1];
    }
  }
  return 0;
}

AccessLetters::AccessLetters(std::wstring_view taken, CapitalOf capital) : capital_(capital) {
  std::ranges::transform(taken, std::back_inserter(taken_), capital_);
}

std::wstring AccessLetters::Mark(std::wstring_view text, std::wstring_view candidates) {
  const std::size_t place = PlaceOfFreeLetter(text.substr(0, text.find(L'\t')), candidates);
  if (place != std::wstring_view::npos) {
    taken_.push_back(capital_(text[place]));
  }
  std::wstring marked;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at == place || text[at] == L'&') {
      marked.push_back(L'&');
    }
    marked.push_back(text[at]);
  }
  return marked;
}

std::size_t AccessLetters::PlaceOfFreeLetter(std::wstring_view words,
                                             std::wstring_view candidates) const {
  for (const wchar_t candidate : candidates) {
    const wchar_t letter = capital_(candidate);
    const auto found = std::ranges::find(words, letter, capital_);
    if (taken_.find(letter) == std::wstring::npos && found != words.end()) {
      return static_cast<std::size_t>(found - words.begin());
    }
  }
  return std::wstring_view::npos;
}

}  // namespace morvane::toolkit
