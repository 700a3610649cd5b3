// The access letters of the items added to a menu that has items of its own.
#include "ui/toolkit/window_services/access_letters.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace morvane::toolkit {
namespace {

wchar_t Capital(wchar_t letter) { return static_cast<wchar_t>(std::towupper(letter)); }

// The main window's items, with the option coming below the keys, added in
// turn below items that hold R, M, S, N, X, C, A, I and G, in either case:
// each marks the first occurrence ahead of any tab of the first of its
// letters that no item above holds, or none.
TEST(AccessLettersTest, EachItemMarksItsFirstLetterThatNoItemAboveHolds) {
  const wchar_t* const items[][3] = {
      {L"Keep ringing until seen", L"irk", L"&Keep ringing until seen"},
      {L"Always on top", L"wtp", L"Al&ways on top"},
      {L"Say the names aloud", L"yhd", L"Sa&y the names aloud"},
      {L"Keys from any program\tCtrl+Shift+F1\u2026F9", L"gkr",
       L"Keys from any program\tCtrl+Shift+F1\u2026F9"},
      {L"A minute's notice", L"tue", L"A minu&te's notice"},
      {L"About Morvane\u2026", L"obv", L"Ab&out Morvane\u2026"},
      {L"Rock & roll\tCtrl+L", L"l", L"Rock && ro&ll\tCtrl+L"},
  };
  AccessLetters letters(L"RMSNXCAig", &Capital);
  for (const auto& [text, candidates, shown] : items) {
    EXPECT_EQ(letters.Mark(text, candidates), shown);
  }
}

}  // namespace
}  // namespace morvane::toolkit
