// Cutting UTF-16 text to a number of code units, as an edit box's limit
// counts them, without leaving half of a character behind.
#pragma once

#include <cstddef>
#include <string_view>

namespace morvane::toolkit {

// The two halves of a surrogate pair: one character outside the basic plane.
constexpr bool IsFirstHalf(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsSecondHalf(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The longest start of `utf16` that is at most `max_units` long and does not
// end between the two halves of a pair: a lone half is an invalid character,
// drawn as a broken glyph and copied out as invalid text.
constexpr std::wstring_view WholeCharactersWithin(std::wstring_view utf16, std::size_t max_units) {
  if (utf16.size() <= max_units) {
    return utf16;
  }
  std::size_t length = max_units;
  if (length > 0 && IsFirstHalf(utf16[length - 1]) && IsSecondHalf(utf16[length])) {
    --length;
  }
  return utf16.substr(0, length);
}

}  // namespace morvane::toolkit
