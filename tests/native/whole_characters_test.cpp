// Text cut to an edit box's limit keeps only whole characters.
#include "ui/toolkit/controls/whole_characters.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace morvane::toolkit {
namespace {

// Written as code units, so that they are a surrogate pair on every platform,
// whatever the width of wchar_t.
const std::wstring kEmoji = {wchar_t{0xD83D}, wchar_t{0xDE00}};
const std::wstring kLoneHigh = {wchar_t{0xD83D}};
const std::wstring kLoneLow = {wchar_t{0xDE00}};

// Code units at the ends of the two halves' ranges, and just outside them.
std::wstring Units(std::initializer_list<wchar_t> units) { return std::wstring(units); }

TEST(WholeCharactersTest, CutsAtTheLimitButNeverBetweenTheHalvesOfAPair) {
  struct Case {
    std::wstring text;
    std::size_t limit;
    std::wstring kept;
    // The cut sees only this many units of the text, as when the text is a
    // view into a longer buffer: what lies beyond must not count.
    std::size_t seen = std::wstring::npos;
  };
  const Case cases[] = {
      {L"abcdefghijklmno", 12, L"abcdefghijkl"},
      {L"abc", 12, L"abc"},
      {L"", 8, L""},
      {L"abcdefgh", 8, L"abcdefgh"},
      // A pair straddling the limit goes whole.
      {L"abcdefghijk" + kEmoji, 12, L"abcdefghijk"},
      {L"abcdefg" + kEmoji + L"x", 8, L"abcdefg"},
      {kEmoji, 1, L""},
      // A pair that ends exactly at the limit stays.
      {L"abcdef" + kEmoji + L"x", 8, L"abcdef" + kEmoji},
      {kEmoji + kEmoji + kEmoji, 4, kEmoji + kEmoji},
      {kEmoji + kEmoji + kEmoji, 5, kEmoji + kEmoji},
      // Lone halves in the text are not this cut's to mend.
      {L"abcdefg" + kLoneHigh + L"x", 8, L"abcdefg" + kLoneHigh},
      {L"abcdefg" + kLoneLow + L"x", 8, L"abcdefg" + kLoneLow},
      {L"abcdefgh" + kLoneLow, 8, L"abcdefgh"},
      // The first and the last character outside the basic plane, U+10000
      // and U+10FFFF, straddling the limit: the ends of both halves' ranges.
      {L"abcdefg" + Units({0xD800, 0xDC00}) + L"x", 8, L"abcdefg"},
      {L"abcdefg" + Units({0xDBFF, 0xDFFF}) + L"x", 8, L"abcdefg"},
      // Just outside a range, beside a half: no pair, so nothing is cut.
      {L"abcdefg" + Units({0xD7FF, 0xDC00}), 8, L"abcdefg" + Units({0xD7FF})},
      {L"abcdefg" + Units({0xDC00, 0xDC00}), 8, L"abcdefg" + Units({0xDC00})},
      {L"abcdefg" + Units({0xD800, 0xDBFF}), 8, L"abcdefg" + Units({0xD800})},
      {L"abcdefg" + Units({0xDBFF, 0xE000}), 8, L"abcdefg" + Units({0xDBFF})},
      // A first half that ends the text seen, at exactly the limit, with its
      // second half beyond the end.
      {L"abcdefg" + kEmoji, 8, L"abcdefg" + kLoneHigh, 8},
      {L"abc", 0, L""},
      // The same on a text held on the heap, where reading before it shows.
      {L"abcdefghijklmno", 0, L""},
  };
  for (const Case& c : cases) {
    const std::wstring_view text = std::wstring_view(c.text).substr(0, c.seen);
    SCOPED_TRACE(::testing::Message() << "limit " << c.limit << ", " << text.size() << " units");
    EXPECT_EQ(std::wstring(WholeCharactersWithin(text, c.limit)), c.kept);
  }
}

}  // namespace
}  // namespace morvane::toolkit
