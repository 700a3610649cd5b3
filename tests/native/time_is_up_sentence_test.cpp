// The sentence the voice says for rows that ran out together.
#include "countdown/time_is_up_sentence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "countdown/phrase_books/phrase_books.h"

namespace morvane {
namespace {

TEST(TimeIsUpSentenceTest, NamesTheRowsAsAListIsSaid) {
  struct Case {
    std::vector<ExpiredRow> rows;
    std::string sentence;
  };
  const Case cases[] = {
      {{}, ""},
      {{{1, "Aldric"}}, "Aldric, time is up"},
      {{{1, "Aldric"}, {2, "Brenna"}}, "Aldric and Brenna, time is up"},
      {{{1, "Aldric"}, {2, "Brenna"}, {5, "Corvin"}}, "Aldric, Brenna and Corvin, time is up"},
      {{{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}}, "A, B, C and D, time is up"},
      // What the box shows, spaces around it left out; nothing there is the
      // row's own name.
      {{{3, ""}}, "Character 3, time is up"},
      {{{4, " \t  "}, {7, "  Dagny  Ro "}}, "Character 4 and Dagny  Ro, time is up"},
      {{{2, "Zo\u00EB"}, {6, "<volume level='0'/>"}},
       "Zo\u00EB and <volume level='0'/>, time is up"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(TimeIsUpSentence(phrase_books::kEnglish, c.rows), c.sentence);
  }
}

}  // namespace
}  // namespace morvane
