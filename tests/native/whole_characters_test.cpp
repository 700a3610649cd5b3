// Text cut to an edit box's limit keeps only whole characters.
#include "ui/toolkit/whole_characters.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace morvane::toolkit {
namespace {

// Written as code units, so that they are a surrogate pair on every platform,
// whatever the width of wchar_t.
const std::wstring kEmoji = {wchar_t{0xD83D}, wchar_t{0xDE00}};
const std::wstring kLoneHigh = {wchar_t{0xD83D}};
const std::wstring kLoneLow = {wchar_t{0xDE00}};

TEST(WholeCharactersTest, CutsAtTheLimitButNeverBetweenTheHalvesOfAPair) {
  struct Case {
    std::wstring text;
    std::size_t limit;
    std::wstring kept;
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
      {L"abc", 0, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "limit " << c.limit << ", " << c.text.size() << " units");
    EXPECT_EQ(std::wstring(WholeCharactersWithin(c.text, c.limit)), c.kept);
  }
}

}  // namespace
}  // namespace morvane::toolkit
